#pragma once

#include <QUrl>

namespace vexlor {

// Hands a document or a mail link to the desktop ("open" it). The result is
// never examined: a missing viewer or document shows nothing of ours.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual void open(const QUrl &target) = 0;
};

// The desktop's handler, through QDesktopServices.
class DesktopShellOpener final : public ShellOpener {
public:
    void open(const QUrl &target) override;
};

} // namespace vexlor
