#pragma once

#include "system_view.h"

namespace vexlor {

// The running system itself.
class HostSystem final : public SystemView {
public:
    [[nodiscard]] std::optional<QByteArray> readFile(const QString &path) const override;
    [[nodiscard]] std::optional<QStringList> folderEntries(const QString &path) const override;
    [[nodiscard]] QString linkTarget(const QString &path) const override;
    [[nodiscard]] QString canonicalPath(const QString &path) const override;
    [[nodiscard]] std::optional<NodeStatus> status(const QString &path) const override;
    [[nodiscard]] std::optional<QByteArray> extendedAttribute(const QString &path,
                                                              const char *name) const override;
    [[nodiscard]] int tryOpen(const QString &path) const override;
    [[nodiscard]] std::optional<int> latencyWhileHeld(const QString &device,
                                                      const QString &timerFile) const override;
    [[nodiscard]] ProcessIdentity identity() const override;
    [[nodiscard]] QString environment(const char *name) const override;
};

} // namespace vexlor
