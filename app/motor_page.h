#pragma once

class QWidget;

namespace vexlor {

// The "Motor" tab: Hall sensor type, rotation direction, the motor's data, and
// a drawing of an outer-rotor hub motor.
[[nodiscard]] QWidget *buildMotorPage(QWidget *parent);

} // namespace vexlor
