#pragma once

#include "settings_file.h"

#include "params/speed_units.h"

namespace vexlor {

// The units the window shows speeds in (Help > Units), in their own section
// of config.ini:
//   [Units]
//   Speed=imperial
// "metric" or "imperial"; missing or anything else: metric.
inline constexpr const char *kUnitsSection = "Units";
inline constexpr const char *kSpeedUnitsKey = "Speed";

[[nodiscard]] SpeedUnits readSpeedUnitsSetting(const SettingsFile &settings);

// Writes the choice at once.
[[nodiscard]] SettingsWriteResult writeSpeedUnitsSetting(SettingsFile &settings, SpeedUnits units);

} // namespace vexlor
