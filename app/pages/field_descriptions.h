#pragma once

#include "params/number_text.h"
#include "window_controls.h"

namespace vexlor {

// What a screen reader says of a field after its caption: its unit spelt out
// and the range the window's rules hold it to ("amperes, at most 30.0"), as
// each text field's and slider's accessible description.
void describeFields(const WindowControls &controls, NumberFormat format);

// A unit as it is spoken ("A": "amperes"); a unit in words stays as it is shown.
[[nodiscard]] QString spokenUnit(const char *unit);

} // namespace vexlor
