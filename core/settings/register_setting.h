#pragma once

#include "settings_file.h"

namespace vexlor {

// The shop's server that keeps one register for all its benches, in its own
// section of config.ini:
//   [Register]
//   Database=postgresql://USER@HOST[:PORT]/DB
// Missing or empty: the records stay on this bench. Never a password: the
// server's own client reads it from ~/.pgpass or PGPASSWORD.
inline constexpr const char *kRegisterSection = "Register";
inline constexpr const char *kRegisterDatabaseKey = "Database";

[[nodiscard]] QString readRegisterServerSetting(const SettingsFile &settings);

// The window's config.ini as another program of the tool finds it from its
// own folder: beside it for a portable copy, else in the window's folder of
// the user's configuration.
[[nodiscard]] QString windowSettingsPath(const QString &programFolder);

} // namespace vexlor
