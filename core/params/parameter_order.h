#pragma once

#include "parameter_table.h"

#include <span>

namespace vexlor {

// The stored parameters in the order the window shows them, as a reader
// scans it: the "General" tab column by column, each column top to bottom
// (power; the pedal sensor's box and group; speed limit; the throttle's box
// and group; the level count and the level limits with walk assist at the
// foot), then the "Motor" tab (Hall sensor, rotation direction, the motor
// group). Lists of parameters for the user follow this order, not the
// protocol's.
[[nodiscard]] std::span<const int, kStoredParameterCount> parametersInWindowOrder();

} // namespace vexlor
