#pragma once

#include "road_class.h"
#include "tire_size.h"

#include "params/number_text.h"
#include "params/parameter_comparison.h"
#include "params/speed_units.h"

#include <QList>
#include <QString>

#include <optional>

namespace vexlor {

// The rules a configuration is checked by: first those against a road
// class, then those of plausibility, which hold for every bike
// (plausibility_check.h).
enum class RoadRule {
    SpeedLimit,               // the speed the controller enforces, above the class's
    RatedPower,               // the motor's rated power, above the class's
    ThrottleWithoutPedalling, // a throttle that works on its own where the class forbids it
    WheelPerimeter,           // a perimeter so short that the bike assists past its limit
    LowVoltageProtection,     // a cut-off voltage that does not fit the battery's cells
    BatteryOverPhaseCurrent,  // more current from the battery than through the motor's phases
    WheelPerimeterRange,      // a perimeter no bike wheel has
    PasLevelsOrder,           // assist levels that do not rise to 100 %
    ThrottleVoltages,         // a throttle that starts at or above its full voltage
    ZeroCount,                // a zero where the controller needs a count
};

// How much a finding weighs, lightest first: only what breaks the class is
// asked about before a write and makes `check` fail; a warning is asked
// about too, and fails `check --strict`.
enum class RoadSeverity {
    Note,   // worth knowing, the class is kept: a speedometer that reads wrong
    Warn,   // a value that hardly fits the bike or the others: a plausibility rule
    Breaks, // the bike breaks the class
};

// One value that breaks a class, that looks wrong, or that is worth a note.
struct RoadFinding {
    RoadRule rule = RoadRule::SpeedLimit;
    const ParameterDescriptor *descriptor = nullptr; // the field it is about
    QString value; // as the controller holds it, with its unit: "25.1 km/h" (or "15.6 mph")
    // What the class allows: "at most 25.0 km/h"; for a note, what reads
    // true; for a warning, what would fit.
    QString limit;
    RoadSeverity severity = RoadSeverity::Breaks;
    // A second field whose value the limit names ("at most 30 A, the value
    // of Max phase current"); nullptr for none.
    const ParameterDescriptor *related = nullptr;
};

// The rule's name for scripts: "speed-limit", "rated-power",
// "throttle-without-pedalling", "wheel-perimeter"; the plausibility rules
// "low-voltage-protection", "battery-over-phase-current",
// "wheel-perimeter-range", "pas-levels-order", "throttle-voltages",
// "zero-count".
[[nodiscard]] const char *roadRuleId(RoadRule rule);

// The severity's name for scripts: "note", "warn", "breaks".
[[nodiscard]] const char *roadSeverityId(RoadSeverity severity);

// The values a write sends (`values`, by protocol index) checked against
// `roadClass`: the speed limit as sent (900.0 km/h when "Limit max speed" is
// clear), the rated power, a throttle in use with the working style
// "Independently" where the class wants pedalling, and, only when the real
// tire is given, the wheel perimeter. The controller cuts off at its speed
// limit as it measures speed, with the perimeter set; a perimeter short of
// the tire's breaks the class when the real cut-off speed (speed limit ×
// tire ÷ perimeter, at the speed field's tenth) passes the class's limit.
// A perimeter more than 3 % off the tire's that breaks nothing is a note.
// In that order; empty when the configuration keeps to the class with nothing
// to note. Speeds are written in `units`; the check itself is in the
// controller's tenths of km/h either way.
[[nodiscard]] QList<RoadFinding> checkRoadClass(const ParameterValues &values,
                                                const RoadClass &roadClass,
                                                const std::optional<TireSize> &tire,
                                                NumberFormat format,
                                                SpeedUnits units = SpeedUnits::Metric);

// The findings that break the class, without the notes.
[[nodiscard]] QList<RoadFinding> roadBreaches(const QList<RoadFinding> &findings);

// The findings of one severity, in their order.
[[nodiscard]] QList<RoadFinding> findingsOfSeverity(const QList<RoadFinding> &findings,
                                                    RoadSeverity severity);

// One line each: "Speed limit: 25.1 km/h (allowed: at most 25.0 km/h)"; a
// note "Wheel perimeter: 2074 mm, so the speedometer reads 5 % slow (...)";
// a warning "Wheel perimeter: 900 mm (plausible: 1000 mm to 2600 mm)".
[[nodiscard]] QString roadFindingLines(const QList<RoadFinding> &findings);

// The check as a report, one line each: the class, the tire (or that none
// was given), then that the values keep to the class, or that they break it
// and each breach ("• Speed limit: ..."), then any notes under their own
// line. Without a class, that none is chosen.
[[nodiscard]] QStringList roadCheckReport(const ParameterValues &values, const RoadClass *roadClass,
                                          const std::optional<TireSize> &tire, NumberFormat format,
                                          SpeedUnits units = SpeedUnits::Metric);

// What a class allows, as lists of classes and findings show it: "at most
// 32.1 km/h (20 mph)", "at most 750 W", "throttle only while pedalling". In
// imperial, the speed the controller holds in mph with the law's own figure
// where that is not the same: "at most 19.95 mph (20 mph)", "at most 15.53 mph
// (25 km/h)".
[[nodiscard]] QString roadClassSpeedText(const RoadClass &roadClass, NumberFormat format,
                                         SpeedUnits units = SpeedUnits::Metric);
[[nodiscard]] QString roadClassPowerText(const RoadClass &roadClass);
[[nodiscard]] QString roadClassThrottleText(const RoadClass &roadClass);

} // namespace vexlor
