#pragma once

#include <QDir>

namespace vexlor {

class MainWindow;

// Saves the user guide's pictures of `window` into `out`: the two tabs
// (window-general.png, window-motor.png), each menu dropped down below its
// title (menu-file.png, menu-connect.png, menu-help.png), the status strip
// (status-strip.png), the compare and restore dialogs (compare.png,
// restore.png), an error box (error-box.png) and the setup assistant's
// proposal (setup-proposal.png). False when one could not be
// made or saved.
[[nodiscard]] bool saveGuideShots(MainWindow &window, const QDir &out);

} // namespace vexlor
