// The commands that make a write safe to undo and its result certain:
// compare, write (backup before, verify after) and backups.

#include "cli_texts.h"
#include "commands.h"
#include "controller_run.h"
#include "write_steps.h"

#include "backups/backup_store.h"
#include "params/field_limits.h"
#include "params/limit_texts.h"
#include "params/message_input.h"
#include "params/parameter_codec.h"
#include "protocol/transaction_texts.h"
#include "session/backup_record_texts.h"
#include "session/controller_comparison.h"
#include "session/guarded_write.h"
#include "session/write_safety_texts.h"
#include "params/settings_fingerprint.h"
#include "register/register_record.h"

#include <QFileInfo>

#include <QCommandLineParser>

#include <optional>

namespace vexlor::cli {
namespace {

constexpr const char *kWriteSynopsis =
    "write [--force] [--no-backup] [--no-verify] [--backup-dir DIR] FILE [--each [--bike-from FILE.csv]]";
constexpr const char *kBackupsSynopsis = "backups [--backup-dir DIR]";

// A value of a difference as printed: as the window shows it, a speed in
// imperial in mph with its unit (each mph text names one value the controller holds).
QString differenceText(CliContext &context, const ParameterDifference &d, quint16 value,
                       const QString &shown)
{
    if (context.speedUnits() == SpeedUnits::Metric || !measuresSpeed(*d.descriptor))
        return shown;
    return valueInUnits(d.index, value, context.numberFormat(), context.speedUnits());
}

// One line per difference, for scripts: KEY, CAPTION, expected, held, tab-separated.
void printDifferences(CliContext &context, const QList<ParameterDifference> &differences)
{
    for (const ParameterDifference &d : differences) {
        context.out() << d.index << '\t' << fieldLabel(*d.descriptor) << '\t'
                      << differenceText(context, d, d.expectedValue, d.expectedText) << '\t'
                      << differenceText(context, d, d.actualValue, d.actualText) << '\n';
    }
    context.out().flush();
}

int writeExitCode(CliContext &context, const GuardedWriteOutcome &result)
{
    if (!result.backupError.isEmpty())
        return context.fail(kExitBadInput, result.outcome.message.text);
    if (!result.differences.isEmpty()) {
        printDifferences(context, result.differences);
        return context.fail(kExitLinkFailure, writeSafetyText(vexlor::texts::kVerifyFoundDifferences));
    }
    if (!result.outcome.passed) {
        reportFailure(context, result.outcome);
        return kExitLinkFailure;
    }
    if (result.verified)
        context.err() << CliText::tr(texts::kVerified) << Qt::endl;
    context.out() << result.outcome.message.text << Qt::endl;
    return kExitDone;
}

// The comparison's record: the controller's fingerprint before and after
// (a compare changes nothing), and how many parameters it holds otherwise.
void keepComparison(CliContext &context, RegisterRecord record,
                    const std::optional<ComparisonOutcome> &compared)
{
    if (!compared || !compared->outcome.passed) {
        keepFailure(context, record, compared ? compared->outcome : TransactionOutcome{});
        return;
    }
    record.controllerVersion = controllerVersionText(compared->controllerValues[0]);
    record.fingerprintBefore = record.fingerprintAfter = settingsFingerprint(compared->controllerValues);
    record.outcome = QString::fromLatin1(compared->differences.isEmpty() ? outcomes::kDone
                                                                          : outcomes::kDifferent);
    //: the register's message of a comparison; %1 how many parameters the controller holds otherwise
    record.message = CliText::tr("Parameters that differ: %1").arg(compared->differences.size());
    context.keep(record);
}

// A write of a file from the backup folder puts a backup back: a restore.
const char *writeOperation(const QString &file, const QString &backupFolder)
{
    const QString folder = QFileInfo(backupFolder).canonicalFilePath();
    const QString parent = QFileInfo(QFileInfo(file).canonicalFilePath()).path();
    return !folder.isEmpty() && parent == folder ? operations::kRestore : operations::kWrite;
}

} // namespace

std::optional<SafetyOptions> parseSafetyOptions(CliContext &context, const QStringList &args, bool writeOptions)
{
    QCommandLineParser parser;
    const QCommandLineOption noBackup(QStringLiteral("no-backup"));
    const QCommandLineOption noVerify(QStringLiteral("no-verify"));
    const QCommandLineOption force(QStringLiteral("force"));
    const QCommandLineOption each(QStringLiteral("each"));
    const QCommandLineOption bikeFrom(QStringLiteral("bike-from"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption folder(QStringLiteral("backup-dir"), QString(), QStringLiteral("DIR"));
    parser.addOption(folder);
    if (writeOptions)
        parser.addOptions({noBackup, noVerify, force, each, bikeFrom});
    if (!parser.parse(QStringList{QStringLiteral("vexlor-cli")} + args)) {
        context.err() << inputForMessage(parser.errorText()) << Qt::endl; // it quotes the bad option
        return std::nullopt;
    }
    SafetyOptions options;
    if (writeOptions) {
        options.safety = {!parser.isSet(noBackup), !parser.isSet(noVerify)};
        options.force = parser.isSet(force);
        options.each = parser.isSet(each);
        options.bikeFrom = parser.value(bikeFrom);
    }
    if (parser.isSet(folder))
        options.backupFolder = parser.value(folder);
    options.files = parser.positionalArguments();
    return options;
}

bool withinLimitsOrForced(CliContext &context, const ParameterSnapshot &file, bool force)
{
    const QList<LimitBreach> breaches = valuesBeyondFieldLimits(file, context.numberFormat());
    if (force || breaches.isEmpty())
        return true;
    context.err() << limitText(vexlor::texts::kOutsideLimits) << '\n'
                  << limitBreachLines(breaches) << '\n'
                  << CliText::tr(texts::kNothingWrittenUseForce) << Qt::endl;
    return false;
}

RegisterRecord completedWrite(RegisterRecord record, const EncodedState &file, const GuardedWriteOutcome &result)
{
    record.backupPath = result.backupPath;
    const auto &held = result.heldBefore ? result.heldBefore : result.heldAfter;
    if (held)
        record.controllerVersion = controllerVersionText((*held)[0]);
    if (result.heldBefore)
        record.fingerprintBefore = settingsFingerprint(*result.heldBefore);
    if (result.heldAfter)
        record.fingerprintAfter = settingsFingerprint(*result.heldAfter);
    else if (result.outcome.passed)
        record.fingerprintAfter = settingsFingerprint(file.values);
    if (!result.outcome.passed)
        return failedRecord(record, result.outcome);
    record.outcome = QString::fromLatin1(outcomes::kDone);
    record.message = result.outcome.message.text;
    return record;
}

int runCompare(CliContext &context, const QStringList &args)
{
    if (args.size() != 1)
        return context.usage("compare FILE");
    const auto file = context.encodedStateWithFile(args.first());
    if (!file)
        return kExitBadInput;
    ControllerRun run(context, transactionText(vexlor::texts::kCommunicationFailed));
    ControllerComparison comparison(context.session(), context.numberFormat());
    RegisterRecord record = context.newRecord(operations::kCompare);
    record.documentPath = QFileInfo(args.first()).absoluteFilePath();
    std::optional<ComparisonOutcome> compared;
    QObject::connect(&comparison, &ControllerComparison::finished, &run,
                     [&](const ComparisonOutcome &outcome) {
                         compared = outcome;
                         if (!outcome.outcome.passed) {
                             reportFailure(context, outcome.outcome);
                             run.finish(kExitLinkFailure);
                             return;
                         }
                         printDifferences(context, outcome.differences);
                         run.finish(outcome.differences.isEmpty() ? kExitDone : kExitSomeDiffer);
                     });
    const int code = run.run([&] {
        if (comparison.start(file->values) != ExchangeStart::Started)
            run.finish(kExitLinkFailure);
    });
    keepComparison(context, record, compared);
    return code;
}

int runWrite(CliContext &context, const QStringList &args)
{
    const auto options = parseSafetyOptions(context, args, true);
    if (!options || options->files.size() != 1 || (!options->bikeFrom.isEmpty() && !options->each))
        return context.usage(kWriteSynopsis);
    const auto file = context.encodedStateWithFile(options->files.first());
    if (!file || !withinLimitsOrForced(context, file->snapshot, options->force))
        return kExitBadInput;
    if (options->each)
        return runLine(context, *options, *file);
    BackupStore backups(options->backupFolder);
    ControllerRun run(context, transactionText(vexlor::texts::kCommunicationFailed));
    GuardedWrite write(context.session(), backups, context.numberFormat());
    RegisterRecord record = context.newRecord(writeOperation(options->files.first(), backups.folder()));
    record.documentPath = QFileInfo(options->files.first()).absoluteFilePath();
    GuardedWriteOutcome result;
    QObject::connect(&write, &GuardedWrite::backupSaved, &run, [&](const QString &path) {
        context.err() << CliText::tr(texts::kBackupKept).arg(path) << Qt::endl;
    });
    QObject::connect(&write, &GuardedWrite::finished, &run, [&](const GuardedWriteOutcome &outcome) {
        result = outcome;
        run.finish(writeExitCode(context, outcome));
    });
    const int code = run.run([&] {
        if (write.start(file->snapshot, file->values, options->safety) != ExchangeStart::Started)
            run.finish(kExitLinkFailure);
    });
    context.keep(completedWrite(record, *file, result));
    return code;
}

int runBackups(CliContext &context, const QStringList &args)
{
    const auto options = parseSafetyOptions(context, args, false);
    if (!options || !options->files.isEmpty())
        return context.usage(kBackupsSynopsis);
    // PATH, how the write that followed ended, and the mark of a backup taken
    // after an interrupted write (empty otherwise), tab-separated.
    for (const BackupFile &backup : BackupStore(options->backupFolder).list()) {
        context.out() << backup.path << '\t' << followingWriteText(backup.record) << '\t'
                      << backupNoteText(backup.record) << '\n';
    }
    context.out().flush();
    return kExitDone;
}

} // namespace vexlor::cli
