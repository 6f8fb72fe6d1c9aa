#pragma once

class QWidget;

namespace vexlor {

// The "General" tab: power, pedal sensor, speed limit, throttle and level
// limits, in three columns. Every control carries its control name.
[[nodiscard]] QWidget *buildGeneralPage(QWidget *parent);

} // namespace vexlor
