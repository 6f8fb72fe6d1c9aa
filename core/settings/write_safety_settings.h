#pragma once

#include "settings_file.h"

namespace vexlor {

// The options that make a write safe to undo and certain: Connect > "Back Up
// Before Write" and "Verify After Write". Both on unless the user turned
// them off. With both off a write is the plain write, frame for frame.
struct WriteSafety {
    bool backUpBeforeWrite = true;
    bool verifyAfterWrite = true;

    friend bool operator==(const WriteSafety &, const WriteSafety &) = default;
};

// Their own section of config.ini, beside the reopen list's (which they never touch):
//   [Write Safety]
//   BackUpBeforeWrite=1
//   VerifyAfterWrite=0
inline constexpr const char *kWriteSafetySection = "Write Safety";
inline constexpr const char *kBackUpBeforeWriteKey = "BackUpBeforeWrite";
inline constexpr const char *kVerifyAfterWriteKey = "VerifyAfterWrite";

// The options as the file holds them: "0" turns one off; a missing file,
// section or key, or any other value, leaves it on (the safe side).
[[nodiscard]] WriteSafety readWriteSafety(const SettingsFile &settings);

// Writes both keys ("1" or "0") at once; stops at the first write that fails
// and returns its error ("Unable to write to %s").
[[nodiscard]] SettingsWriteResult writeWriteSafety(SettingsFile &settings, const WriteSafety &safety);

} // namespace vexlor
