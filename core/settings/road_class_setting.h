#pragma once

#include "settings_file.h"

namespace vexlor {

// The road class the window checks writes against (Connect > Road Class), in
// its own section of config.ini:
//   [Road Class]
//   Class=eu-epac
// A class id; empty or missing: none, writes are not checked against a class.
inline constexpr const char *kRoadClassSection = "Road Class";
inline constexpr const char *kRoadClassKey = "Class";

// The id as the file holds it, in lower case; empty when there is none. The
// caller decides whether it names a class it knows.
[[nodiscard]] QString readRoadClassSetting(const SettingsFile &settings);

// Writes the id (empty: none) at once.
[[nodiscard]] SettingsWriteResult writeRoadClassSetting(SettingsFile &settings, const QString &id);

} // namespace vexlor
