#pragma once

class QWidget;

namespace vexlor {

struct WindowControls;

// The "Motor" tab: Hall sensor type, rotation direction, the motor's data, and
// a drawing of an outer-rotor hub motor. Its parameter controls go into `controls`.
[[nodiscard]] QWidget *buildMotorPage(QWidget *parent, WindowControls &controls);

} // namespace vexlor
