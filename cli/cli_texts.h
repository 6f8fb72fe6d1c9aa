#pragma once

#include <QCoreApplication>

// Texts only the command line shows; translation context "Cli". Command
// names, option names and file names stay as they are.
namespace vexlor::cli {

// The context of the CLI's messages written where they are used: CliText::tr("...").
class CliText {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

} // namespace vexlor::cli

namespace vexlor::cli::texts {

// On stderr once the backup is kept.
//: %1 the backup file's path
inline constexpr const char *kBackupKept = QT_TRANSLATE_NOOP("Cli", "Backup: %1");
// On stderr after the values beyond the window's limits that stopped a write.
//: keep --force as it is
inline constexpr const char *kNothingWrittenUseForce =
    QT_TRANSLATE_NOOP("Cli", "Nothing was written. Give --force to write them all the same.");
// On stderr after a read-back that found every value as written.
inline constexpr const char *kVerified =
    QT_TRANSLATE_NOOP("Cli", "Read back: the controller holds every value written.");

} // namespace vexlor::cli::texts
