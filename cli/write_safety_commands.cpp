// The commands that make a write safe to undo and its result certain:
// compare, write (backup before, verify after) and backups.

#include "cli_texts.h"
#include "commands.h"
#include "controller_run.h"

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

#include <QCommandLineParser>

#include <optional>

namespace vexlor::cli {
namespace {

constexpr const char *kWriteSynopsis =
    "write [--force] [--no-backup] [--no-verify] [--backup-dir DIR] FILE";
constexpr const char *kBackupsSynopsis = "backups [--backup-dir DIR]";

// A command's own options, after its name.
struct SafetyOptions {
    WriteSafety safety;
    bool force = false; // write values beyond the window's limits
    QString backupFolder = BackupStore::defaultFolder();
    QStringList files;
};

std::optional<SafetyOptions> parseSafetyOptions(CliContext &context, const QStringList &args,
                                                bool writeOptions)
{
    QCommandLineParser parser;
    const QCommandLineOption noBackup(QStringLiteral("no-backup"));
    const QCommandLineOption noVerify(QStringLiteral("no-verify"));
    const QCommandLineOption force(QStringLiteral("force"));
    const QCommandLineOption folder(QStringLiteral("backup-dir"), QString(), QStringLiteral("DIR"));
    parser.addOption(folder);
    if (writeOptions)
        parser.addOptions({noBackup, noVerify, force});
    if (!parser.parse(QStringList{QStringLiteral("vexlor-cli")} + args)) {
        context.err() << inputForMessage(parser.errorText()) << Qt::endl; // it quotes the bad option
        return std::nullopt;
    }
    SafetyOptions options;
    if (writeOptions) {
        options.safety = {!parser.isSet(noBackup), !parser.isSet(noVerify)};
        options.force = parser.isSet(force);
    }
    if (parser.isSet(folder))
        options.backupFolder = parser.value(folder);
    options.files = parser.positionalArguments();
    return options;
}

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

// Values the window would not let through its fields are written only with
// --force; without it they are named and nothing is sent.
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

} // namespace

int runCompare(CliContext &context, const QStringList &args)
{
    if (args.size() != 1)
        return context.usage("compare FILE");
    const auto file = context.encodedStateWithFile(args.first());
    if (!file)
        return kExitBadInput;
    ControllerRun run(context, transactionText(vexlor::texts::kCommunicationFailed));
    ControllerComparison comparison(context.session(), context.numberFormat());
    QObject::connect(&comparison, &ControllerComparison::finished, &run,
                     [&](const ComparisonOutcome &outcome) {
                         if (!outcome.outcome.passed) {
                             reportFailure(context, outcome.outcome);
                             run.finish(kExitLinkFailure);
                             return;
                         }
                         printDifferences(context, outcome.differences);
                         run.finish(outcome.differences.isEmpty() ? kExitDone : kExitSomeDiffer);
                     });
    return run.run([&] {
        if (comparison.start(file->values) != ExchangeStart::Started)
            run.finish(kExitLinkFailure);
    });
}

int runWrite(CliContext &context, const QStringList &args)
{
    const auto options = parseSafetyOptions(context, args, true);
    if (!options || options->files.size() != 1)
        return context.usage(kWriteSynopsis);
    const auto file = context.encodedStateWithFile(options->files.first());
    if (!file || !withinLimitsOrForced(context, file->snapshot, options->force))
        return kExitBadInput;
    BackupStore backups(options->backupFolder);
    ControllerRun run(context, transactionText(vexlor::texts::kCommunicationFailed));
    GuardedWrite write(context.session(), backups, context.numberFormat());
    QObject::connect(&write, &GuardedWrite::backupSaved, &run, [&](const QString &path) {
        context.err() << CliText::tr(texts::kBackupKept).arg(path) << Qt::endl;
    });
    QObject::connect(&write, &GuardedWrite::finished, &run, [&](const GuardedWriteOutcome &outcome) {
        run.finish(writeExitCode(context, outcome));
    });
    return run.run([&] {
        if (write.start(file->snapshot, file->values, options->safety) != ExchangeStart::Started)
            run.finish(kExitLinkFailure);
    });
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
