#pragma once

#include "translation.h"

// Texts of parameter comparisons (compare with the controller, verify after a
// write, restore), for the window and the CLI; translation context "Comparison".
namespace vexlor::texts {

// A check box's state in a list of values, where a tick cannot be drawn.
//: a check box's state in a list of values: ticked
inline constexpr const char *kTicked = QT_TRANSLATE_NOOP("Comparison", "On");
//: a check box's state in a list of values: clear
inline constexpr const char *kCleared = QT_TRANSLATE_NOOP("Comparison", "Off");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header as the user reads it.
[[nodiscard]] inline QString comparisonText(const char *text)
{
    return translated("Comparison", text);
}

} // namespace vexlor
