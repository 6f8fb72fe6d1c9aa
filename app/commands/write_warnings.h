#pragma once

#include "dialogs/safety_dialogs.h"

#include "params/parameter_snapshot.h"
#include "road/tire_size.h"

#include <optional>

namespace vexlor {

// What the window asks about before a write: the values beyond the limits
// the window holds its fields to (the rules bound only what is typed; a file
// or a read may put anything there), with a class chosen the values that
// break it with the tire chosen (not the notes), and the plausibility rules'
// warnings. All in one question, so the user answers once.
[[nodiscard]] WriteWarnings writeWarnings(const ParameterSnapshot &snapshot, const ParameterValues &values,
                                          const RoadClass *roadClass,
                                          const std::optional<TireSize> &tire, NumberFormat format,
                                          SpeedUnits units = SpeedUnits::Metric);

} // namespace vexlor
