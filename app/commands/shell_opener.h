#pragma once

#include <QUrl>

#include <functional>

namespace vexlor {

// Hands a document or a mail link to the desktop ("open" it). `reported`, when
// given, learns whether a program could be started for the target: at once,
// or once the desktop's opener has answered (the caller goes on meanwhile).
class ShellOpener {
public:
    using Reported = std::function<void(bool opened)>;
    virtual ~ShellOpener() = default;
    virtual void open(const QUrl &target, Reported reported = {}) = 0;
};

// The desktop's handler, through QDesktopServices. Where the caller wants to
// know, Linux asks xdg-open itself: QDesktopServices reports only that
// xdg-open started, not that it found no program for the target.
class DesktopShellOpener final : public ShellOpener {
public:
    void open(const QUrl &target, Reported reported = {}) override;
};

} // namespace vexlor
