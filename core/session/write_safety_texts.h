#pragma once

// Texts of the guarded write (backup before, verify after), for the window
// and the CLI. Plain English for now; each is a translatable user text.
namespace vexlor::texts {

// The backup read passed but its file could not be kept: nothing is written.
// %1 is the file's error ("Cannot create file ...").
inline constexpr const char *kBackupNotKept =
    "The controller's settings could not be kept as a backup, so nothing was written.\n\n%1";

// The store was acknowledged, but the read-back failed: %1 is the read's message.
inline constexpr const char *kVerifyReadFailed =
    "The configuration was written and stored, but reading it back to check it failed:\n%1";

// The read-back found values other than those written; one line per parameter follows.
inline constexpr const char *kVerifyFoundDifferences =
    "The configuration was written and stored, but the controller holds other values than were "
    "written:";
// One such line: %1 the field's caption, %2 the value written, %3 the value held.
inline constexpr const char *kVerifyDifferenceLine = "%1: written %2, holds %3";

} // namespace vexlor::texts
