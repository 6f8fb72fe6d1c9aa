#pragma once

#include "check_result.h"
#include "system_view.h"

#include <optional>

namespace vexlor {

class PortLister;

// What the checks of the system found, and whether the controller check can
// talk through the port.
struct SystemFindings {
    QList<CheckResult> results; // cable ... sandbox, in report order
    // Set when the controller check cannot run: its skip and the reason.
    std::optional<CheckResult> controllerSkip;
};

// Runs every check but the controller's, on the port named by
// `portOverride` (--port, VEXLOR_PORT) or else the one discovery picks.
// Reads the system only; what it opens it closes again.
[[nodiscard]] SystemFindings runSystemChecks(const SystemView &system, const PortLister &lister,
                                             const QString &portOverride);

// The access check alone, on the port at `path`: what the window's box says
// when that port does not open for lack of permission. A skip where the
// check does not apply (Windows).
[[nodiscard]] CheckResult accessFinding(const SystemView &system, const PortLister &lister,
                                        const QString &path);

} // namespace vexlor
