#pragma once

#include <QUrl>

namespace vexlor {

// Hands a document or a mail link to the desktop ("open" it). False when no
// program could be started for it; what the program then does is its own.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual bool open(const QUrl &target) = 0;
};

// The desktop's handler, through QDesktopServices.
class DesktopShellOpener final : public ShellOpener {
public:
    bool open(const QUrl &target) override;
};

} // namespace vexlor
