#pragma once

#include "translation.h"

// Texts of the road-class check, for the window, the CLI and the settings
// sheet; translation context "RoadCheck". The limits themselves are written
// with the "Limits" texts ("at most %1").
namespace vexlor::texts {

// The allowed state of the throttle where a class forbids it without pedalling.
//: %1 and %2 the working styles "Together with pedal sensor" and "Start by pedal sensor",
//: %3 the check box "Use throttle"
inline constexpr const char *kThrottleOnlyWithPedalling =
    QT_TRANSLATE_NOOP("RoadCheck", "only with pedalling: %1 or %2, or %3 cleared");
// The configured wheel perimeter with the speed the bike really assists up to.
//: %1 the wheel perimeter with its unit ("2000 mm"), %2 a speed with its unit ("27.4 km/h")
inline constexpr const char *kAssistsUpTo = QT_TRANSLATE_NOOP("RoadCheck", "%1, so it assists up to %2");
//: %1 the wheel perimeter with its unit, "0 mm": the controller cannot measure the speed
inline constexpr const char *kAssistsAtAnySpeed =
    QT_TRANSLATE_NOOP("RoadCheck", "%1, so it assists at any speed");
//: %1 the wheel perimeter with its unit; "Limit max speed" is cleared, so nothing cuts the motor off
inline constexpr const char *kNoSpeedLimitAssists =
    QT_TRANSLATE_NOOP("RoadCheck", "%1, and there is no speed limit: it assists at any speed");
//: %1 the least wheel perimeter ("2128 mm"), %2 the tire ("57-584"), %3 how far it rolls in one
//: turn of the wheel ("2193 mm")
inline constexpr const char *kAtLeastForTire =
    QT_TRANSLATE_NOOP("RoadCheck", "at least %1: the tire %2 rolls %3 a turn");

// A note: a perimeter that keeps to the class but is far off the tire's.
//: %1 the wheel perimeter with its unit ("2074 mm"), %2 how many per cent too slow it shows the speed ("5")
inline constexpr const char *kReadsSlow =
    QT_TRANSLATE_NOOP("RoadCheck", "%1, so the speedometer reads %2 % slow");
//: %1 the wheel perimeter with its unit ("2400 mm"), %2 how many per cent too fast it shows the speed ("16")
inline constexpr const char *kReadsFast =
    QT_TRANSLATE_NOOP("RoadCheck", "%1, so the speedometer reads %2 % fast");
//: the perimeters that show the speed true to 3 %: %1 the least ("2128 mm"), %2 the largest ("2258 mm"),
//: %3 the tire ("57-584"), %4 how far it rolls in one turn of the wheel ("2193 mm")
inline constexpr const char *kTrueForTire =
    QT_TRANSLATE_NOOP("RoadCheck", "%1 to %2: the tire %3 rolls %4 a turn");
//: one note: %1 the field's caption, %2 its value as a note says it, %3 the perimeters that read true
inline constexpr const char *kNoteLine = QT_TRANSLATE_NOOP("RoadCheck", "%1: %2 (%3)");
//: above the notes of a check, after the line that says whether the class is kept
inline constexpr const char *kNotesHeading =
    QT_TRANSLATE_NOOP("RoadCheck", "Worth knowing, though it does not break the class:");

// What a class allows, as lists of classes show it.
inline constexpr const char *kThrottleWithoutPedallingAllowed =
    QT_TRANSLATE_NOOP("RoadCheck", "throttle also without pedalling");
inline constexpr const char *kThrottleWithPedallingOnly =
    QT_TRANSLATE_NOOP("RoadCheck", "throttle only while pedalling");

// A check's report: the class and the tire it was made with.
//: %1 the road class's name
inline constexpr const char *kRoadClassLine = QT_TRANSLATE_NOOP("RoadCheck", "Road class: %1");
//: %1 the tire ("57-584"), %2 how far it rolls in one turn of the wheel ("2193 mm")
inline constexpr const char *kTireLine = QT_TRANSLATE_NOOP("RoadCheck", "Tire: %1, %2 a turn");

// The outcome of a check, above its findings or alone.
//: %1 the road class's name, "EU / UK pedelec (EN 15194)"
inline constexpr const char *kBreaksClass =
    QT_TRANSLATE_NOOP("RoadCheck", "These values break the road class %1:");
//: %1 the road class's name
inline constexpr const char *kKeepsClass =
    QT_TRANSLATE_NOOP("RoadCheck", "The settings keep to the road class %1.");
inline constexpr const char *kNoClassChosen = QT_TRANSLATE_NOOP("RoadCheck", "No road class chosen.");
//: the tire was not given, so the wheel perimeter is not checked
inline constexpr const char *kNoTireGiven =
    QT_TRANSLATE_NOOP("RoadCheck", "No tire given: the wheel perimeter is not checked.");

// A tire that is neither an ETRTO size nor a common size of the list.
//: %1 what was given; keep 57-584 and 26x2.1 as they are
inline constexpr const char *kNoTireSize = QT_TRANSLATE_NOOP(
    "RoadCheck", "'%1' is no tire size. Give its ETRTO size, width and bead seat diameter in "
                 "millimetres (57-584), or a common size such as 26x2.1.");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header as the user reads it.
[[nodiscard]] inline QString roadText(const char *text)
{
    return translated("RoadCheck", text);
}

} // namespace vexlor
