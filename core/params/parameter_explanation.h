#pragma once

#include "number_text.h"
#include "parameter_table.h"

#include <QString>

namespace vexlor {

// A stored parameter explained, in the user's language, one line each: what
// it does; what a value too high and too low does (or that it is not known);
// then its facts (explanationFacts()). The one text of the field's tip and
// What's This, the guide's chapter "Every setting" and `vexlor-cli explain`.
[[nodiscard]] QString explainParameter(const ParameterDescriptor &descriptor, NumberFormat format);

// A stored parameter's unit, the range the window allows and its initial
// value, all from the parameter table: "Unit: A. Allowed: at most 30.0 A.
// Initial value: 14.0 A." The one place these are written for explanations.
[[nodiscard]] QString explanationFacts(const ParameterDescriptor &descriptor, NumberFormat format);

} // namespace vexlor
