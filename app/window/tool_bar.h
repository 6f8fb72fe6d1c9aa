#pragma once

class QWidget;

namespace vexlor {

struct WindowActions;

// The strip of six flat buttons below the menu bar (SpeedButton1 .. 6). Each
// triggers its menu action, follows the action's enabled state and shows its
// tip; none of them ever takes the keyboard focus, so a command given here
// uses a field's value exactly as typed.
[[nodiscard]] QWidget *buildToolBar(const WindowActions &actions, QWidget *parent);

} // namespace vexlor
