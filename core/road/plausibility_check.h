#pragma once

#include "road_check.h"

namespace vexlor {

// The values a write sends (`values`, by protocol index) checked for what
// hardly fits any bike or the other values, each finding a warning
// (RoadSeverity::Warn), in this order:
// - low-voltage-protection: the cut-off below 2.8 V or above 3.6 V a cell,
//   the cells in series being the rated voltage ÷ 3.6, rounded to the nearest
//   whole number (36 V: 10, 48 V: 13, 52 V: 14); below drains the cells too
//   deep, above cuts the motor with a half-full battery. A rated voltage
//   under 1.8 V gives no cell, and nothing to judge the cut-off by;
// - battery-over-phase-current: "Max battery current" above "Max phase
//   current", at the battery field's tenth (a motor drive's phase current is
//   never below its battery current);
// - wheel-perimeter-range: a perimeter outside 1000 mm to 2600 mm;
// - pas-levels-order: a level in use (the level count's, at most nine) not
//   above the one below it, one finding each, and the top level in use
//   below 100 %;
// - throttle-voltages: the start voltage not below the full voltage;
// - zero-count: a zero in "Speedometer magnets", the pedal sensor's magnets
//   or "No. of pole-pairs".
// Empty when every value is plausible.
[[nodiscard]] QList<RoadFinding> checkPlausibility(const ParameterValues &values, NumberFormat format);

// Every rule over `values`: the plausibility rules alone, or with a road
// class also the class's rules (with `tire` and speeds in `units`, as
// checkRoadClass()). The heaviest first: what breaks the class, then the
// warnings, then the notes.
[[nodiscard]] QList<RoadFinding> checkEveryRule(const ParameterValues &values, const RoadClass *roadClass,
                                                const std::optional<TireSize> &tire, NumberFormat format,
                                                SpeedUnits units = SpeedUnits::Metric);

// The most a rule allows, for who proposes values: the wheel perimeter's
// plausible range in mm, and a battery's cells in series for a rated voltage.
inline constexpr int kLeastPlausiblePerimeter = 1000;
inline constexpr int kLargestPlausiblePerimeter = 2600;
[[nodiscard]] constexpr int cellsForRatedVoltage(int volts)
{
    return volts <= 0 ? 0 : (volts * 10 + 18) / 36; // volts ÷ 3.6, a half rounded up
}

} // namespace vexlor
