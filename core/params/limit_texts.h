#pragma once

#include "translation.h"

// Texts of the check before a write for values beyond the limits the window
// holds its fields to, for the window and the CLI; translation context "Limits".
namespace vexlor::texts {

// Above the list of such values.
inline constexpr const char *kOutsideLimits =
    QT_TRANSLATE_NOOP("Limits", "These values are outside the limits the window allows:");
// One line of the list.
//: %1 the field's caption, %2 its value with its unit, %3 the allowed range ("at most 30.0 A")
inline constexpr const char *kOutsideLimitsLine = QT_TRANSLATE_NOOP("Limits", "%1: %2 (allowed: %3)");
//: an allowed range: %1 the largest value with its unit, "30.0 A"
inline constexpr const char *kAtMost = QT_TRANSLATE_NOOP("Limits", "at most %1");
//: an allowed range as a screen reader says it after the field's unit: %1 the least value, "200"
inline constexpr const char *kAtLeast = QT_TRANSLATE_NOOP("Limits", "at least %1");
//: an allowed range: %1 the least value with its unit, "200 ms"
inline constexpr const char *kOrMore = QT_TRANSLATE_NOOP("Limits", "%1 or more");
//: an allowed range: %1 the least and %2 the largest value with their units, "0.9 V to 3.0 V"
inline constexpr const char *kFromTo = QT_TRANSLATE_NOOP("Limits", "%1 to %2");
//: the least value of the throttle's full voltage, in place of a number in
//: "%1 to %2": "the start voltage to 4.2"
inline constexpr const char *kTheStartVoltage = QT_TRANSLATE_NOOP("Limits", "the start voltage");
//: the allowed range of the throttle's full voltage: %1 the start voltage set, %2 the largest
//: value, both with their unit: "from the start voltage, 1.2 V, to 4.2 V"
inline constexpr const char *kFromStartVoltageTo =
    QT_TRANSLATE_NOOP("Limits", "from the start voltage, %1, to %2");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header as the user reads it.
[[nodiscard]] inline QString limitText(const char *text)
{
    return translated("Limits", text);
}

} // namespace vexlor
