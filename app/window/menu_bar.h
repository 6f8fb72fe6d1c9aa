#pragma once

#include "basics/window_actions.h"

class QMainWindow;

namespace vexlor {

// Fills the window's menu bar. The actions are also added to the window
// itself so their shortcuts work from any control on either tab.
[[nodiscard]] WindowActions buildWindowActions(QMainWindow *window);

} // namespace vexlor
