#pragma once

#include "params/number_text.h"
#include "params/speed_units.h"
#include "window_controls.h"

namespace vexlor {

// Each parameter's explanation (explainParameter()) as its control's tip and
// What's This, on every widget of the control: an edit, a check box, both
// buttons of a radio pair, a radio group and its buttons, a track bar; and
// as the accessible description of those that have none yet (describeFields()
// runs first), which a screen reader would otherwise take from the tip.
void explainFields(const WindowControls &controls, NumberFormat format);

// One parameter's control explained so, a speed's facts in `units`: what
// the speed fields use when the units change.
void explainField(const ParameterControl &control, const ParameterDescriptor &descriptor,
                  NumberFormat format, SpeedUnits units);

} // namespace vexlor
