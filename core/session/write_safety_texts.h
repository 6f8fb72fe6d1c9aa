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

// The backup read before a write failed or stopped: no write frame was sent.
//: %1 the read's own message, such as "Communication with controller interrupted!"
inline constexpr const char *kBackupReadFailed = QT_TRANSLATE_NOOP(
    "WriteSafety",
    "%1\nThe controller's settings could not be read for a backup, so nothing was written and no "
    "backup was kept.");

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

// How the write that followed a backup ended, as the list of backups shows it
// (a column of the window's list; the CLI's backups prints it after the path).
inline constexpr const char *kWriteVerified =
    QT_TRANSLATE_NOOP("WriteSafety", "Written, stored and checked");
inline constexpr const char *kWriteCompleted =
    QT_TRANSLATE_NOOP("WriteSafety", "Written and stored, not checked");
inline constexpr const char *kWriteDifferences =
    QT_TRANSLATE_NOOP("WriteSafety", "Written and stored; the controller holds other values");
inline constexpr const char *kWriteCheckFailed =
    QT_TRANSLATE_NOOP("WriteSafety", "Written and stored; reading it back failed");
//: %1 the frame that went unanswered (0 to 59), %2 the frames of a write (60)
inline constexpr const char *kWriteInterrupted =
    QT_TRANSLATE_NOOP("WriteSafety", "Interrupted at frame %1 of %2");
inline constexpr const char *kWriteStoreFailed =
    QT_TRANSLATE_NOOP("WriteSafety", "Sent, but the store failed");
//: the program stopped (closed, killed, crashed) before the write ended
inline constexpr const char *kWriteUnfinished =
    QT_TRANSLATE_NOOP("WriteSafety", "Never ended (the program stopped)");
//: the backup was taken by an older version, which kept no record of the write
inline constexpr const char *kWriteNotRecorded = QT_TRANSLATE_NOOP("WriteSafety", "Not recorded");
// Beside a backup read while an earlier write from this computer had left the
// controller mid-write (so it may hold part of that write's values); nothing
// beside the others.
inline constexpr const char *kTakenAfterInterruptedWrite =
    QT_TRANSLATE_NOOP("WriteSafety", "Taken after an interrupted write");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header as the user reads it.
[[nodiscard]] inline QString writeSafetyText(const char *text)
{
    return translated("WriteSafety", text);
}

} // namespace vexlor
