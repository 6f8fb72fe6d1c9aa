#include "road_options.h"

#include "cli_texts.h"

#include "params/message_input.h"
#include "road/road_texts.h"

#include <QCommandLineParser>

namespace vexlor::cli {

std::optional<RoadOptions> parseRoadOptions(CliContext &context, const QStringList &args,
                                            RoadExtra extra)
{
    QCommandLineParser parser;
    const QCommandLineOption roadClass(QStringLiteral("class"), QString(), QStringLiteral("ID"));
    const QCommandLineOption tire(QStringLiteral("tire"), QString(), QStringLiteral("ETRTO"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QString(),
                                    QStringLiteral("FILE"));
    const QCommandLineOption strict(QStringLiteral("strict"));
    parser.addOptions({roadClass, tire});
    if (extra == RoadExtra::Output)
        parser.addOption(output);
    if (extra == RoadExtra::Strict)
        parser.addOption(strict);
    if (!parser.parse(QStringList{QStringLiteral("vexlor-cli")} + args)) {
        context.err() << inputForMessage(parser.errorText()) << Qt::endl; // it quotes the bad option
        return std::nullopt;
    }
    // The last of two would be taken silently: a slip, not a choice.
    for (const QCommandLineOption *once : {&roadClass, &tire}) {
        if (parser.values(*once).size() > 1) {
            //: %1 the option given more than once, "--class"
            context.err() << CliText::tr("%1 may be given only once.")
                                 .arg(QStringLiteral("--") + once->names().first())
                          << Qt::endl;
            return std::nullopt;
        }
    }
    RoadOptions options;
    if (parser.isSet(roadClass)) {
        options.roadClass = findRoadClass(parser.value(roadClass).trimmed().toLower());
        if (!options.roadClass) {
            //: %1 what was given after --class; keep "vexlor-cli classes" as it is
            context.err() << CliText::tr("'%1' is no road class. vexlor-cli classes lists them.")
                                 .arg(inputForMessage(parser.value(roadClass)))
                          << Qt::endl;
            return std::nullopt;
        }
    }
    if (parser.isSet(tire)) {
        options.tire = parseTireSize(parser.value(tire), context.numberFormat());
        if (!options.tire) {
            context.err() << roadText(vexlor::texts::kNoTireSize).arg(inputForMessage(parser.value(tire)))
                          << Qt::endl;
            return std::nullopt;
        }
    }
    if (extra == RoadExtra::Output)
        options.output = parser.value(output);
    options.strict = extra == RoadExtra::Strict && parser.isSet(strict);
    options.files = parser.positionalArguments();
    return options;
}

} // namespace vexlor::cli
