#pragma once

#include "bike_parts.h"

#include "params/number_text.h"
#include "params/parameter_snapshot.h"
#include "params/speed_units.h"

#include <QList>
#include <QString>

namespace vexlor {

// The row of "Limit max speed", a check box that has no protocol index.
inline constexpr int kLimitMaxSpeedRow = -1;

// One value the assistant proposes, and why.
struct ProposedValue {
    int index = 0;      // protocol index, or kLimitMaxSpeedRow
    ControlValue value; // what goes into the control (for kLimitMaxSpeedRow: number 0 or 1)
    QString why;
};

// The values proposed for a bike's parts. `fitsClass` is false where a part
// that was kept as it is does not fit the road class (a motor rated above
// the class's power): the proposal never hides it.
struct SetupProposal {
    QList<ProposedValue> values;
    bool fitsClass = true;
};

// What the assistant proposes for `parts` (class and tire given, 1 to 9
// levels) over the values `now` holds, in window order:
// - "Low voltage protection": cells × 3.15 V, rounded up to the next 0.1 V;
// - "Rated voltage": the motor's where given, else the battery's nominal
//   voltage;
// - "Max battery current": the BMS's continuous current, at most the field's
//   30.0 A and never above the max phase current;
// - "Speed limit": the class's, with "Limit max speed" ticked; a throttle
//   working style the class allows;
// - "Wheel perimeter": the tire's, in whole millimetres;
// - the PAS level count and its levels, rising from 40 % to 100 % at the top;
// - the motor's values as given, unchanged where not; the rated power
//   always stays, and says so when it does not fit the class;
// - a count left at 0 and throttle voltages that do not rise go back to
//   their initial values.
// Decimal texts are written with `format`'s separator.
[[nodiscard]] SetupProposal proposeSetup(const BikeParts &parts, const ParameterSnapshot &now,
                                         NumberFormat format);

// Puts proposed values into a snapshot, as the window's controls take them.
void applyProposal(ParameterSnapshot &snapshot, const QList<ProposedValue> &values);

// One row of the table shown before anything changes.
struct ProposalRow {
    QString caption;  // "Max battery current"
    QString now;      // "14.0 A"
    QString proposed; // "30.0 A"
    QString why;
};

// The proposal as the table shows it, in the user's language, speeds in
// `units` (the values proposed stay the controller's km/h).
[[nodiscard]] QList<ProposalRow> proposalRows(const SetupProposal &proposal, const ParameterSnapshot &now,
                                              NumberFormat format, SpeedUnits units);

} // namespace vexlor
