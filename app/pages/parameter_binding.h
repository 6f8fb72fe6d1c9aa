#pragma once

#include "window_controls.h"

#include "params/number_text.h"
#include "params/parameter_snapshot.h"
#include "params/speed_units.h"

#include <functional>
#include <memory>

class QObject;

namespace vexlor {

class SpeedFields;

// The one place where parameter values cross between the window's controls
// and the core: snapshot() copies every parameter control's state, apply()
// puts one value into its control with the side effects the user's own change
// would have. Transactions and documents use exactly these two.
class ParameterBinding {
public:
    // `controls` as the pages built them; `levelRule` runs the level rule
    // (the rules' own, which sit above the pages); `format` the window's numbers.
    ParameterBinding(const WindowControls &controls, std::function<void()> levelRule,
                     NumberFormat format);
    ~ParameterBinding();

    // Every parameter control as it stands, enabled or not, plus CheckBox7.
    // Speeds are the controller's texts (km/h) in either units.
    [[nodiscard]] ParameterSnapshot snapshot() const;

    // Puts one value into its control. Check boxes switch their groups through
    // their normal change notification; the level count (index 20) sets the
    // field's text, takes the up-down's position from it (clamped) and runs the
    // level rule; a choice of -1 clears the group's selection; a radio pair
    // ends with exactly one button selected. Fixed items are ignored.
    void apply(const ControlAssignment &assignment);
    // Ticks or clears "Limit max speed" (CheckBox7), which has no index.
    void applyLimitMaxSpeed(bool ticked);

    // Runs `changed` after every change of a control that snapshot() copies,
    // the user's or apply()'s, for as long as `context` lives.
    void watchChanges(QObject *context, const std::function<void()> &changed) const;

    // The units the speed fields show; switching changes no value.
    [[nodiscard]] SpeedUnits speedUnits() const;
    void showSpeedsIn(SpeedUnits units);

private:
    WindowControls m_controls;
    std::function<void()> m_levelRule;
    std::unique_ptr<SpeedFields> m_speeds;
};

} // namespace vexlor
