#pragma once

#include "number_text.h"
#include "parameter_table.h"
#include "speed_units.h"

#include <QString>

namespace vexlor {

// A stored parameter explained, in the user's language, one line each: what
// it does; what a value too high and too low does (or that it is not known);
// then its facts (explanationFacts()). The one text of the field's tip and
// What's This, the guide's chapter "Every setting" and `vexlor-cli explain`.
// A speed's facts are given in `units`.
[[nodiscard]] QString explainParameter(const ParameterDescriptor &descriptor, NumberFormat format,
                                       SpeedUnits units = SpeedUnits::Metric);

// A stored parameter's unit, the range the window allows and its initial
// value, all from the parameter table: "Unit: A. Allowed: at most 30.0 A.
// Initial value: 14.0 A." The one place these are written for explanations.
// A speed's in `units`: "Unit: mph. ... Initial value: 15.53 mph."
[[nodiscard]] QString explanationFacts(const ParameterDescriptor &descriptor, NumberFormat format,
                                       SpeedUnits units = SpeedUnits::Metric);

} // namespace vexlor
