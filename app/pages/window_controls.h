#pragma once

#include "parameter_controls.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;

namespace vexlor {

class UpDown;

// A governing check box and the group it switches on and off.
struct GroupSwitch {
    QCheckBox *box = nullptr;
    QGroupBox *group = nullptr;
};

// The controls of the two tabs that the window's logic works on, as the page
// builders made them: every parameter's control by protocol index, and the
// controls of the input rules that carry no parameter of their own.
struct WindowControls {
    ParameterControls parameters{};
    QCheckBox *limitMaxSpeed = nullptr;         // CheckBox7: shapes index 5 only
    std::array<GroupSwitch, 3> groupSwitches{}; // CheckBox1, CheckBox2, CheckBox7 and their groups
    UpDown *levelUpDown = nullptr;              // UpDown1, stepping the level count's field
    QComboBox *wheelSize = nullptr;             // ComboBox1, filling the wheel perimeter

    [[nodiscard]] QLineEdit *field(int index) const { return parameters[index].edit; }
    // Level 1 to 9.
    [[nodiscard]] QLineEdit *levelField(int level) const
    {
        return field(kFirstLevelLimitIndex + level - 1);
    }
    [[nodiscard]] QLineEdit *perimeter() const { return field(kWheelPerimeterIndex); }
    [[nodiscard]] QLineEdit *startVoltage() const { return field(kThrottleStartVoltageIndex); }
};

} // namespace vexlor
