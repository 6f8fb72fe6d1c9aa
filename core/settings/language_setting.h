#pragma once

#include "settings_file.h"

namespace vexlor {

// The window's language as Help > Language left it, in its own section of
// config.ini beside the reopen list's and the write options':
//   [Language]
//   Language=de
// A language code ("en", "de", "fr", ...); empty or missing: follow the desktop.
inline constexpr const char *kLanguageSection = "Language";
inline constexpr const char *kLanguageKey = "Language";

// The code as the file holds it, in lower case; empty when there is none.
[[nodiscard]] QString readLanguageSetting(const SettingsFile &settings);

// Writes the code (empty: follow the desktop) at once.
[[nodiscard]] SettingsWriteResult writeLanguageSetting(SettingsFile &settings, const QString &code);

} // namespace vexlor
