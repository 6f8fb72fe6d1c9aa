#pragma once

class QWidget;

namespace vexlor {

struct WindowControls;

// The "General" tab: power, pedal sensor, speed limit, throttle and level
// limits, in three columns. Every control carries its control name; the
// parameter controls and the input rules' controls go into `controls`.
[[nodiscard]] QWidget *buildGeneralPage(QWidget *parent, WindowControls &controls);

} // namespace vexlor
