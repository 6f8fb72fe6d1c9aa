#pragma once

#include "translation.h"

#include <QString>

// The window's texts of comparing with the controller, the backups taken
// before a write and the check after it (the texts it shares with the CLI are
// in session/write_safety_texts.h). Whole sentences, each on its own, so that
// each can be translated as it stands. Translation context "SafetyDialogs".
namespace vexlor::texts {

// Menu items.
inline constexpr const char *kCompareWithControllerItem =
    QT_TRANSLATE_NOOP("SafetyDialogs", "&Compare with Controller…");
inline constexpr const char *kBackUpBeforeWriteItem =
    QT_TRANSLATE_NOOP("SafetyDialogs", "Back &Up Before Write");
inline constexpr const char *kVerifyAfterWriteItem =
    QT_TRANSLATE_NOOP("SafetyDialogs", "&Verify After Write");
inline constexpr const char *kRestoreBackupItem =
    QT_TRANSLATE_NOOP("SafetyDialogs", "Restore &Backup…");

// The columns of a list of differing parameters.
inline constexpr const char *kParameterColumn = QT_TRANSLATE_NOOP("SafetyDialogs", "Parameter");
inline constexpr const char *kUnitColumn = QT_TRANSLATE_NOOP("SafetyDialogs", "Unit");
//: column heading: the value the window shows
inline constexpr const char *kWindowValueColumn = QT_TRANSLATE_NOOP("SafetyDialogs", "Window");
//: column heading: the value the controller holds
inline constexpr const char *kControllerValueColumn = QT_TRANSLATE_NOOP("SafetyDialogs", "Controller");
//: column heading: the value that was written to the controller
inline constexpr const char *kWrittenValueColumn = QT_TRANSLATE_NOOP("SafetyDialogs", "Written");
//: column heading: the value the controller holds after the write
inline constexpr const char *kHeldValueColumn =
    QT_TRANSLATE_NOOP("SafetyDialogs", "Held by the controller");

// The comparison with the controller.
inline constexpr const char *kComparisonTitle =
    QT_TRANSLATE_NOOP("SafetyDialogs", "Compare with Controller");
inline constexpr const char *kComparisonDiffers = QT_TRANSLATE_NOOP(
    "SafetyDialogs", "These parameters differ between the window and the controller:");
inline constexpr const char *kComparisonEqual =
    QT_TRANSLATE_NOOP("SafetyDialogs", "The controller holds the window's settings.");
inline constexpr const char *kLoadControllerValuesButton =
    QT_TRANSLATE_NOOP("SafetyDialogs", "&Load Controller's Values");
inline constexpr const char *kWriteWindowValuesButton =
    QT_TRANSLATE_NOOP("SafetyDialogs", "&Write Window's Values");
inline constexpr const char *kCloseButton = QT_TRANSLATE_NOOP("SafetyDialogs", "Close");

// Restoring a backup.
inline constexpr const char *kRestoreTitle =
    QT_TRANSLATE_NOOP("SafetyDialogs", "Restore Backup");
inline constexpr const char *kRestoreIntroduction = QT_TRANSLATE_NOOP(
    "SafetyDialogs", "Choose a backup to load into the window. The controller does not change until "
                     "you write the settings.");
//: column heading: when the backup was taken
inline constexpr const char *kBackupTimeColumn = QT_TRANSLATE_NOOP("SafetyDialogs", "Taken");
//: when more than one backup was taken in the same second: %1 the date and time,
//: %2 the backup's place among them (1 the first); "14.03.26 09:30:01 (no. 2)"
inline constexpr const char *kBackupTimeInItsSecond = QT_TRANSLATE_NOOP("SafetyDialogs", "%1 (no. %2)");
inline constexpr const char *kBackupDifferencesColumn =
    QT_TRANSLATE_NOOP("SafetyDialogs", "Parameters that differ from the window");
//: column heading: how the write that followed the backup ended
inline constexpr const char *kBackupWriteColumn =
    QT_TRANSLATE_NOOP("SafetyDialogs", "Write that followed");
//: column heading: "Taken after an interrupted write", or nothing
inline constexpr const char *kBackupNoteColumn = QT_TRANSLATE_NOOP("SafetyDialogs", "Note");
// Under the introduction when a backup in the list was taken after an interrupted write.
inline constexpr const char *kRestoreAfterInterruptedWrite = QT_TRANSLATE_NOOP(
    "SafetyDialogs", "A backup taken after an interrupted write may hold part of that write's "
                     "values. To undo the interrupted write, load the newest backup without that "
                     "note.");
//: in the differences column of a backup file that cannot be loaded (empty or damaged)
inline constexpr const char *kUnreadableBackup = QT_TRANSLATE_NOOP("SafetyDialogs", "Unreadable");
inline constexpr const char *kLoadBackupButton = QT_TRANSLATE_NOOP("SafetyDialogs", "&Load");
inline constexpr const char *kNoBackups = QT_TRANSLATE_NOOP(
    "SafetyDialogs", "There are no backups yet. A backup of the controller's settings is taken "
                     "before every write.");

// Asking before values beyond the fields' limits are written; the list of
// them (session-independent, "Limits") comes between the two sentences.
inline constexpr const char *kOutsideLimitsTitle =
    QT_TRANSLATE_NOOP("SafetyDialogs", "Values Outside the Limits");
//: the title of the question before a write when only implausible values are listed
inline constexpr const char *kImplausibleTitle = QT_TRANSLATE_NOOP("SafetyDialogs", "Implausible Values");
inline constexpr const char *kWriteAnyway = QT_TRANSLATE_NOOP("SafetyDialogs", "Write anyway?");
inline constexpr const char *kWriteAnywayButton = QT_TRANSLATE_NOOP("SafetyDialogs", "&Write Anyway");

// A text of this header as the window shows it, in the user's language.
[[nodiscard]] inline QString text(const char *source)
{
    return translated("SafetyDialogs", source);
}

} // namespace vexlor::texts
