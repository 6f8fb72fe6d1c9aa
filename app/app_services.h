#pragma once

#include <QStringList>

namespace vexlor {

class MessageBoxes;
class ShellOpener;

// What the main window needs from outside. Left null, the window uses the
// real dialogs and the desktop; tests pass recorders instead.
struct AppServices {
    MessageBoxes *boxes = nullptr;
    ShellOpener *shell = nullptr;
    QStringList commandLine; // parameters 1..n, without the program itself
};

} // namespace vexlor
