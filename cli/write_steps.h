#pragma once

#include "cli_context.h"

#include "backups/backup_store.h"
#include "register/register_record.h"
#include "session/guarded_write.h"
#include "settings/write_safety_settings.h"

#include <QStringList>

#include <optional>

// What a single write and the production line share: their options, the
// check of the values before anything is sent and the record of a write.
namespace vexlor::cli {

struct SafetyOptions {
    WriteSafety safety;
    bool force = false; // write values beyond the window's limits
    bool each = false;  // the production line: one bike after another
    QString bikeFrom;   // the production line's labels, one a line; empty: numbered
    QString backupFolder = BackupStore::defaultFolder();
    QStringList files;
};

// The options after the command's name: write's with `writeOptions`, else
// the backup folder alone. nullopt, the parser's message on stderr, for a
// bad option.
[[nodiscard]] std::optional<SafetyOptions> parseSafetyOptions(CliContext &context, const QStringList &args,
                                                              bool writeOptions);

// Values the window would not let through its fields are written only with
// --force; without it they are named on stderr and false returned.
[[nodiscard]] bool withinLimitsOrForced(CliContext &context, const ParameterSnapshot &file, bool force);

// `record` completed with what the guarded write of `file` left: the
// controller's version, the fingerprints, the backup, outcome and message.
[[nodiscard]] RegisterRecord completedWrite(RegisterRecord record, const EncodedState &file,
                                            const GuardedWriteOutcome &result);

// The production line (production_line.cpp): `file` written to one bike after
// another until Ctrl+C.
int runLine(CliContext &context, const SafetyOptions &options, const EncodedState &file);

} // namespace vexlor::cli
