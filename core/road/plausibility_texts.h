#pragma once

#include "translation.h"

// Texts of the plausibility rules, for the window, the CLI and the settings
// sheet; translation context "Plausibility". Ranges and bounds without a
// field in them are written with the "Limits" texts ("at most %1").
namespace vexlor::texts {

// What would fit the battery: the cells from the rated voltage, 2.8 V to 3.6 V each.
//: %1 the least and %2 the largest cut-off voltage with their unit ("28.0 V", "36.0 V"),
//: %3 the number of cells in series ("10"), %4 the rated voltage with its unit ("36 V")
inline constexpr const char *kCellsRange =
    QT_TRANSLATE_NOOP("Plausibility", "%1 to %2 for %3 cells (rated voltage %4)");
//: %1 a value with its unit ("30 A"), %2 the caption of the field that holds it ("Max phase current")
inline constexpr const char *kAtMostField = QT_TRANSLATE_NOOP("Plausibility", "at most %1, the value of %2");
//: %1 a value with its unit ("3.4 V"), %2 the caption of the field that holds it ("Full")
inline constexpr const char *kBelowField = QT_TRANSLATE_NOOP("Plausibility", "below %1, the value of %2");
//: %1 a value with its unit ("50 %"), %2 the caption of the field that holds it ("Level 2")
inline constexpr const char *kAboveField = QT_TRANSLATE_NOOP("Plausibility", "above %1, the value of %2");
//: what the last assist level in use should be: %1 "100 %"
inline constexpr const char *kAtTopLevel = QT_TRANSLATE_NOOP("Plausibility", "%1 at the top level in use");

//: one warning: %1 the field's caption, %2 its value with its unit, %3 what would fit ("at least 1")
inline constexpr const char *kWarningLine = QT_TRANSLATE_NOOP("Plausibility", "%1: %2 (plausible: %3)");
//: above the list of warnings in the question before a write and in a check's report
inline constexpr const char *kWarningsHeading =
    QT_TRANSLATE_NOOP("Plausibility", "These values hardly fit a bike or each other:");
//: what a screen reader calls the small warning sign beside a field; %1 the field's caption
inline constexpr const char *kMarkerName = QT_TRANSLATE_NOOP("Plausibility", "Warning on %1");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header as the user reads it.
[[nodiscard]] inline QString plausibilityText(const char *text)
{
    return translated("Plausibility", text);
}

} // namespace vexlor
