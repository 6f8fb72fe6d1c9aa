#pragma once

#include "translation.h"

// The frame around a parameter's explanation (parameter_effects.cpp holds
// what each one does); translation context "Explanations".
namespace vexlor::texts {

//: what a value above the right one does: %1 the effect, "less power for assistance and throttle."
inline constexpr const char *kTooHigh = QT_TRANSLATE_NOOP("Explanations", "Too high: %1");
//: what a value below the right one does: %1 the effect
inline constexpr const char *kTooLow = QT_TRANSLATE_NOOP("Explanations", "Too low: %1");
//: in place of an effect after "Too high: " or "Too low: "
inline constexpr const char *kEffectNotKnown =
    QT_TRANSLATE_NOOP("Explanations", "what it does inside the controller is not known.");
inline constexpr const char *kEffectsNotKnown = QT_TRANSLATE_NOOP(
    "Explanations", "What a higher or lower value does inside the controller is not known.");
//: %1 the field's unit: "A", "km/h", "ms"
inline constexpr const char *kUnit = QT_TRANSLATE_NOOP("Explanations", "Unit: %1.");
//: %1 the range the window allows: "at most 30.0 A", "0.9 V to 3.0 V", "1 to 9"
inline constexpr const char *kAllowed = QT_TRANSLATE_NOOP("Explanations", "Allowed: %1.");
inline constexpr const char *kNoWindowLimit = QT_TRANSLATE_NOOP(
    "Explanations", "The window sets no limit; a write refuses values the controller cannot hold.");
//: %1 the options of a radio pair or group, each in quotes: "\"Low\", \"High\""
inline constexpr const char *kChoices = QT_TRANSLATE_NOOP("Explanations", "Choices: %1.");
//: an option's text within a list of choices: %1 the option, "Low"
inline constexpr const char *kQuotedChoice = QT_TRANSLATE_NOOP("Explanations", "\"%1\"");
//: a tick box's two states
inline constexpr const char *kTickedOrClear = QT_TRANSLATE_NOOP("Explanations", "Ticked or clear.");
//: %1 the value the window starts with: "14.0 A", "ticked", "Low"
inline constexpr const char *kInitialValue = QT_TRANSLATE_NOOP("Explanations", "Initial value: %1.");
//: the initial state of a tick box, after "Initial value: "
inline constexpr const char *kTicked = QT_TRANSLATE_NOOP("Explanations", "ticked");
//: the initial state of a tick box, after "Initial value: "
inline constexpr const char *kClear = QT_TRANSLATE_NOOP("Explanations", "clear");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header, or of parameter_effects.cpp, as the user reads it.
[[nodiscard]] inline QString explanationText(const char *text)
{
    return translated("Explanations", text);
}

} // namespace vexlor
