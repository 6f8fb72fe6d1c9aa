#pragma once

#include "params/parameter_snapshot.h"

#include <array>

class QCheckBox;
class QWidget;

namespace vexlor {

class InputRules;
class UpDown;

// The one place where parameter values cross between the window's controls
// and the core: snapshot() copies every parameter control's state, apply()
// puts one value into its control with the side effects the user's own change
// would have. Transactions and documents use exactly these two.
class ParameterBinding {
public:
    // Finds every parameter control of `window` by the table's control names.
    ParameterBinding(QWidget *window, InputRules &rules);

    // Every parameter control as it stands, enabled or not, plus CheckBox7.
    [[nodiscard]] ParameterSnapshot snapshot() const;

    // Puts one value into its control. Check boxes switch their groups through
    // their normal change notification; the level count (index 20) sets the
    // field's text, takes the up-down's position from it (clamped) and runs the
    // level rule; a choice of -1 clears the group's selection; a radio pair
    // ends with exactly one button selected. Fixed items are ignored.
    void apply(const ControlAssignment &assignment);

private:
    struct Bound {
        QWidget *control = nullptr;
        QWidget *second = nullptr; // the other button of a radio pair
    };

    InputRules &m_rules;
    std::array<Bound, kProtocolItemCount> m_controls{};
    QCheckBox *m_limitMaxSpeed = nullptr;
    UpDown *m_levelUpDown = nullptr; // steps the level count's field
};

} // namespace vexlor
