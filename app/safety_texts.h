#pragma once

#include <QString>

// The window's texts of comparing with the controller, the backups taken
// before a write and the check after it (the texts it shares with the CLI are
// in session/write_safety_texts.h). Whole sentences, each on its own, so that each can be
// translated as it stands.
namespace vexlor::texts {

// Menu items.
inline constexpr const char *kCompareWithControllerItem = "Compare with Controller…";
inline constexpr const char *kBackUpBeforeWriteItem = "Back Up Before Write";
inline constexpr const char *kVerifyAfterWriteItem = "Verify After Write";
inline constexpr const char *kRestoreBackupItem = "Restore Backup…";

// The columns of a list of differing parameters.
inline constexpr const char *kParameterColumn = "Parameter";
inline constexpr const char *kUnitColumn = "Unit";
inline constexpr const char *kWindowValueColumn = "Window";
inline constexpr const char *kControllerValueColumn = "Controller";
inline constexpr const char *kWrittenValueColumn = "Written";
inline constexpr const char *kHeldValueColumn = "Held by the controller";

// The comparison with the controller.
inline constexpr const char *kComparisonTitle = "Compare with Controller";
inline constexpr const char *kComparisonDiffers =
    "These parameters differ between the window and the controller:";
inline constexpr const char *kComparisonEqual = "The controller holds the window's settings.";
inline constexpr const char *kLoadControllerValuesButton = "&Load Controller's Values";
inline constexpr const char *kWriteWindowValuesButton = "&Write Window's Values";
inline constexpr const char *kCloseButton = "Close";

// Restoring a backup.
inline constexpr const char *kRestoreTitle = "Restore Backup";
inline constexpr const char *kRestoreIntroduction =
    "Choose a backup to load into the window. The controller does not change until you write "
    "the settings.";
inline constexpr const char *kBackupTimeColumn = "Taken";
inline constexpr const char *kBackupDifferencesColumn = "Parameters that differ from the window";
inline constexpr const char *kLoadBackupButton = "&Load";
inline constexpr const char *kNoBackups =
    "There are no backups yet. A backup of the controller's settings is taken before every write.";

// A text of this header as the window shows it.
[[nodiscard]] inline QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace vexlor::texts
