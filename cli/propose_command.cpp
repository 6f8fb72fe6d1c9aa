// The setup assistant on the command line: values proposed for a bike's
// parts, written to a new configuration file.

#include "cli_texts.h"
#include "commands.h"

#include "files/vxc_reader.h"
#include "files/vxc_writer.h"
#include "params/message_input.h"
#include "road/road_texts.h"
#include "setup/setup_proposal.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace vexlor::cli {
namespace {

constexpr const char *kSynopsis = "propose --battery V --bms A --tire SIZE --class ID [--motor-voltage V] "
                                  "[--motor-power W] [--levels N] [FILE] -o OUT.vxc";

// The command's options.
struct ProposeOptions {
    QCommandLineOption battery{QStringLiteral("battery"), QString(), QStringLiteral("V")};
    QCommandLineOption bms{QStringLiteral("bms"), QString(), QStringLiteral("A")};
    QCommandLineOption tire{QStringLiteral("tire"), QString(), QStringLiteral("SIZE")};
    QCommandLineOption roadClass{QStringLiteral("class"), QString(), QStringLiteral("ID")};
    QCommandLineOption motorVoltage{QStringLiteral("motor-voltage"), QString(), QStringLiteral("V")};
    QCommandLineOption motorPower{QStringLiteral("motor-power"), QString(), QStringLiteral("W")};
    QCommandLineOption levels{QStringLiteral("levels"), QString(), QStringLiteral("N")};
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("FILE")};

    [[nodiscard]] QList<QCommandLineOption> all() const
    {
        return {battery, bms, tire, roadClass, motorVoltage, motorPower, levels, output};
    }
    [[nodiscard]] QList<QCommandLineOption> required() const { return {battery, bms, tire, roadClass, output}; }
};

// A number an option takes, within its bounds; nullopt (the reason on stderr) otherwise.
std::optional<double> optionNumber(CliContext &context, const QCommandLineParser &parser,
                                   const QCommandLineOption &option, double least, double most)
{
    const QString text = parser.value(option);
    const std::optional<double> value = textToReal(text, context.numberFormat());
    if (value && *value >= least && *value <= most)
        return value;
    //: %1 the option ("--bms"), %2 and %3 its least and largest value, %4 what was given
    context.err() << CliText::tr("%1 takes a number from %2 to %3, not '%4'.")
                         .arg(QStringLiteral("--") + option.names().first(), generalNumberText(least, context.numberFormat()),
                              generalNumberText(most, context.numberFormat()), inputForMessage(text))
                  << Qt::endl;
    return std::nullopt;
}

// Why the proposal may not go to `output`: it is the file it starts from, or
// a file there is no configuration. Empty when it may.
QString outputRefusal(const QString &output, const QString &start, NumberFormat format)
{
    const QFileInfo info(output);
    if (!start.isEmpty() && info.exists() && info.canonicalFilePath() == QFileInfo(start).canonicalFilePath())
        //: %1 the configuration file's path; keep -o as it is
        return CliText::tr("The proposal would replace %1, the file it starts from. Name another file "
                           "with -o.").arg(inputForMessage(start));
    // A folder or a pipe gets the writer's own refusal.
    if (!info.isFile() || readConfigurationFile(output, format).ok())
        return {};
    //: %1 the path given with -o; keep -o as it is
    return CliText::tr("%1 is no configuration file, so the proposal does not replace it. Name "
                       "another file with -o.").arg(inputForMessage(output));
}

// The parts as the options give them; nullopt (the reason on stderr) for a
// missing or bad one. The level count defaults to the one `start` holds.
std::optional<BikeParts> bikeParts(CliContext &context, const QCommandLineParser &parser,
                                   const ProposeOptions &o, const ParameterSnapshot &start)
{
    BikeParts parts;
    const std::optional<Battery> battery = parseBattery(parser.value(o.battery));
    if (!battery) {
        //: %1 what was given after --battery; keep 13s as it is
        context.err() << CliText::tr("'%1' is no battery: give its nominal voltage (24, 36, 48 or 52) or "
                                     "its cells in series (13s).").arg(inputForMessage(parser.value(o.battery)))
                      << Qt::endl;
        return std::nullopt;
    }
    parts.battery = *battery;
    const auto bms = optionNumber(context, parser, o.bms, 1, 200);
    const auto tire = parseTireSize(parser.value(o.tire), context.numberFormat());
    if (!tire)
        context.err() << roadText(vexlor::texts::kNoTireSize).arg(inputForMessage(parser.value(o.tire)))
                      << Qt::endl;
    parts.roadClass = findRoadClass(parser.value(o.roadClass).trimmed().toLower());
    if (!parts.roadClass)
        context.err() << CliText::tr("'%1' is no road class. vexlor-cli classes lists them.")
                             .arg(inputForMessage(parser.value(o.roadClass)))
                      << Qt::endl;
    const int levels = textToInteger(start[kPasLevelCountIndex].text).value_or(kLevelLimitCount);
    std::optional<double> voltage = 0, power = 0;
    std::optional<double> count = std::clamp(levels, 1, kLevelLimitCount);
    if (parser.isSet(o.motorVoltage))
        voltage = optionNumber(context, parser, o.motorVoltage, 12, 100);
    if (parser.isSet(o.motorPower))
        power = optionNumber(context, parser, o.motorPower, 50, 5000);
    if (parser.isSet(o.levels))
        count = optionNumber(context, parser, o.levels, 1, kLevelLimitCount);
    if (!bms || !tire || !parts.roadClass || !voltage || !power || !count)
        return std::nullopt;
    parts.bmsCurrent = *bms;
    parts.tire = *tire;
    parts.motorVoltage = int(*voltage);
    parts.motorPower = int(*power);
    parts.pasLevels = int(*count);
    return parts;
}

} // namespace

int runPropose(CliContext &context, const QStringList &args)
{
    QCommandLineParser parser;
    const ProposeOptions options;
    parser.addOptions(options.all());
    if (!parser.parse(QStringList{QStringLiteral("vexlor-cli")} + args)) {
        context.err() << inputForMessage(parser.errorText()) << Qt::endl;
        return kExitBadInput;
    }
    const QStringList files = parser.positionalArguments();
    const QString output = parser.value(options.output);
    for (const QCommandLineOption &required : options.required()) {
        if (!parser.isSet(required))
            return context.usage(kSynopsis);
    }
    if (files.size() > 1 || output.isEmpty() || output == QLatin1String("-"))
        return context.usage(kSynopsis);
    const QString start = files.value(0);
    if (const QString refusal = outputRefusal(output, start, context.numberFormat()); !refusal.isEmpty())
        return context.fail(kExitBadInput, refusal);
    const auto now = start.isEmpty() ? context.initialState() : context.stateWithFile(start);
    if (!now)
        return kExitBadInput;
    const auto parts = bikeParts(context, parser, options, *now);
    if (!parts)
        return kExitBadInput;
    const SetupProposal proposal = proposeSetup(*parts, *now, context.numberFormat());
    ParameterSnapshot result = *now;
    applyProposal(result, proposal.values);
    if (const FileWriteResult written = writeConfigurationFile(output, result); !written.ok())
        return context.fail(kExitBadInput, written.error);
    // CAPTION, NOW, PROPOSED, WHY, tab-separated, one line per value.
    for (const ProposalRow &row : proposalRows(proposal, *now, context.numberFormat(), context.speedUnits()))
        context.out() << row.caption << '\t' << row.now << '\t' << row.proposed << '\t' << row.why << '\n';
    context.out().flush();
    return kExitDone;
}

} // namespace vexlor::cli
