// The register's records: history.

#include "cli_texts.h"
#include "commands.h"

#include "params/message_input.h"
#include "register/register_export.h"
#include "register/register_filter.h"

#include <QCommandLineParser>

namespace vexlor::cli {
namespace {

constexpr const char *kHistorySynopsis = "history [--bike LABEL] [--since DATE] [--csv | --json]";

enum class HistoryForm { Lines, Csv, Json };

struct HistoryOptions {
    RegisterFilter filter;
    HistoryForm form = HistoryForm::Lines;
};

std::optional<HistoryOptions> parseHistoryOptions(CliContext &context, const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption since(QStringLiteral("since"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption csv(QStringLiteral("csv"));
    const QCommandLineOption json(QStringLiteral("json"));
    parser.addOptions({since, csv, json});
    if (!parser.parse(QStringList{QStringLiteral("vexlor-cli")} + args)) {
        context.err() << inputForMessage(parser.errorText()) << Qt::endl; // it quotes the bad option
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty() || (parser.isSet(csv) && parser.isSet(json)))
        return std::nullopt;
    HistoryOptions options;
    options.filter.bike = context.bike();
    if (parser.isSet(since)) {
        options.filter.since = QDate::fromString(parser.value(since), Qt::ISODate);
        if (!options.filter.since.isValid()) {
            //: %1 the date given; keep --since and YYYY-MM-DD as they are
            context.err() << CliText::tr("--since wants a date as YYYY-MM-DD, not %1.")
                                 .arg(inputForMessage(parser.value(since)))
                          << Qt::endl;
            return std::nullopt;
        }
    }
    options.form = parser.isSet(csv) ? HistoryForm::Csv : parser.isSet(json) ? HistoryForm::Json
                                                                               : HistoryForm::Lines;
    return options;
}

// One line per record, newest first: every column, tab-separated, with a
// header line naming them.
void printLines(CliContext &context, const QList<RegisterRecord> &records)
{
    context.out() << registerColumnNames().join(u'\t') << '\n';
    for (const RegisterRecord &record : records) {
        QStringList values = registerRowValues(record);
        for (QString &value : values)
            value.replace(u'\t', u' ').replace(u'\n', u' ');
        context.out() << values.join(u'\t') << '\n';
    }
    context.out().flush();
}

} // namespace

int runHistory(CliContext &context, const QStringList &args)
{
    const auto options = parseHistoryOptions(context, args);
    if (!options)
        return context.usage(kHistorySynopsis);
    QString error;
    const QList<RegisterRecord> all = context.records().records(error);
    if (!error.isEmpty())
        return context.fail(kExitLinkFailure, error);
    // Where they come from goes to stderr, so the CSV and JSON stay whole.
    if (const QString note = context.records().readNote(); !note.isEmpty())
        context.err() << note << Qt::endl;
    const QList<RegisterRecord> records = filteredRecords(all, options->filter);
    switch (options->form) {
    case HistoryForm::Csv:
        return context.writeStdout(registerCsv(records)) ? kExitDone : kExitBadInput;
    case HistoryForm::Json:
        return context.writeStdout(registerJson(records)) ? kExitDone : kExitBadInput;
    case HistoryForm::Lines:
        printLines(context, records);
        return kExitDone;
    }
    return kExitDone;
}

} // namespace vexlor::cli
