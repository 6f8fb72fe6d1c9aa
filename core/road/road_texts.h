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
//: %1 the least wheel perimeter ("2128 mm"), %2 the tire ("57-584"), %3 how far it rolls in one
//: turn of the wheel ("2193 mm")
inline constexpr const char *kAtLeastForTire =
    QT_TRANSLATE_NOOP("RoadCheck", "at least %1: the tire %2 rolls %3 a turn");

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
