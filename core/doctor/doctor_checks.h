#pragma once

#include "check_result.h"
#include "system_facts.h"

#include <optional>

namespace vexlor {

struct CableType;
class PortLister;

// The port the checks look at, as the cable check found it.
struct PortUnderTest {
    QString node;  // the device node with links resolved, "/dev/ttyUSB0"; empty for none
    QString shown; // the node as messages quote it
    std::optional<facts::UsbSerialPort> usb; // when it is a USB serial port
    const CableType *cable = nullptr;        // the known cable it belongs to
    // With no cable port: the USB devices of a known cable that have none.
    QStringList portlessDevices;
};

// What the checks after the cable check read.
struct DoctorContext {
    const SystemView &system;
    ProcessIdentity me;
    PortUnderTest port;
    facts::Holders holders; // of port.node
    int openError = 0;      // what opening port.node gave: 0 or an errno
};

// The checks, one function each, in report order. The cable check also
// fills in the port the others look at.
[[nodiscard]] CheckResult checkCable(const SystemView &system, const PortLister &lister,
                                     const QString &portOverride, PortUnderTest &port);
[[nodiscard]] CheckResult checkDriver(const DoctorContext &context);
[[nodiscard]] CheckResult checkAccess(const DoctorContext &context);
[[nodiscard]] CheckResult checkBusy(const DoctorContext &context);
[[nodiscard]] CheckResult checkModemManager(const DoctorContext &context);
[[nodiscard]] CheckResult checkBrltty(const DoctorContext &context);
[[nodiscard]] CheckResult checkLatency(const DoctorContext &context);
[[nodiscard]] CheckResult checkSandbox(const DoctorContext &context);

// A finding.
[[nodiscard]] inline CheckResult finding(const char *check, CheckStatus status, QString detail,
                                         QString fix = {})
{
    return {status, QLatin1String(check), std::move(detail), std::move(fix)};
}

// "minicom (process 777), screen (process 901)": the processes that hold the
// port open, as far as they can be seen.
[[nodiscard]] QString holderNames(const facts::Holders &holders);

// The detail of a check that needs a cable's USB serial port and has none.
[[nodiscard]] CheckResult withoutCablePort(const char *check, const PortUnderTest &port);

// Shell commands the fixes give, exactly as they are to be typed.
namespace fixes {
// `word` as one word of a shell command: as it is when it holds nothing the
// shell would read otherwise, else in single quotes. Names and paths from
// the system or the user never run as commands when a fix is pasted.
[[nodiscard]] QString shellWord(const QString &word);
// Makes udev apply its rules to the cable again, as if it were plugged in anew.
[[nodiscard]] QString reapplyRules(const PortUnderTest &port);
// Loads the kernel driver of the cable.
[[nodiscard]] QString loadDriver(const CableType *cable);
// Installs the package's cable rule from a copy built into the tool.
[[nodiscard]] QString installCableRule(const PortUnderTest &port);
// For a port named that is none: which one to name instead (not a command).
[[nodiscard]] QString nameCablePort();
} // namespace fixes

} // namespace vexlor
