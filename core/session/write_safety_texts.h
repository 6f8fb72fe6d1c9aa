#pragma once

#include "translation.h"

// Texts of the guarded write (backup before, verify after), for the window
// and the CLI; translation context "WriteSafety".
namespace vexlor::texts {

// The backup read passed but its file could not be kept: nothing is written.
//: %1 the file's error, such as "Cannot create file ..."
inline constexpr const char *kBackupNotKept = QT_TRANSLATE_NOOP(
    "WriteSafety",
    "The controller's settings could not be kept as a backup, so nothing was written.\n\n%1");

// The store was acknowledged, but the read-back failed.
//: %1 the read's own message, such as "Communication with controller failed!"
inline constexpr const char *kVerifyReadFailed = QT_TRANSLATE_NOOP(
    "WriteSafety",
    "The configuration was written and stored, but reading it back to check it failed:\n%1");

// The read-back found values other than those written; one line per parameter follows.
inline constexpr const char *kVerifyFoundDifferences = QT_TRANSLATE_NOOP(
    "WriteSafety",
    "The configuration was written and stored, but the controller holds other values than were "
    "written:");
// One such line.
//: %1 the field's caption, %2 the value written, %3 the value the controller holds
inline constexpr const char *kVerifyDifferenceLine =
    QT_TRANSLATE_NOOP("WriteSafety", "%1: written %2, holds %3");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header as the user reads it.
[[nodiscard]] inline QString writeSafetyText(const char *text)
{
    return translated("WriteSafety", text);
}

} // namespace vexlor
