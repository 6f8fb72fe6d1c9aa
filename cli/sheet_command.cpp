// The settings sheet of a file as a one-page PDF.

#include "cli_texts.h"
#include "commands.h"
#include "road_options.h"

#include "params/message_input.h"
#include "sheet_pdf.h"

#include <QFileInfo>

namespace vexlor::cli {

int runSheet(CliContext &context, const QStringList &args)
{
    constexpr const char *kSynopsis = "sheet FILE -o OUT.pdf [--class ID] [--tire ETRTO]";
    const auto options = parseRoadOptions(context, args, RoadExtra::Output);
    if (!options)
        return kExitBadInput;
    if (options->files.size() != 1 || options->output.isEmpty())
        return context.usage(kSynopsis);
    const QString path = options->files.first();
    const QString canonical = QFileInfo(options->output).canonicalFilePath();
    if (!canonical.isEmpty() && canonical == QFileInfo(path).canonicalFilePath()) {
        //: %1 the configuration file's path; keep -o as it is
        return context.fail(kExitBadInput, CliText::tr("The settings sheet would replace %1, the file it is "
                                                       "made of. Name another file with -o.")
                                               .arg(inputForMessage(path)));
    }
    const auto file = context.encodedStateWithFile(path);
    if (!file)
        return kExitBadInput;
    SheetFacts facts{file->values, file->snapshot.limitMaxSpeed, QFileInfo(path).fileName(),
                     QString(), options->roadClass, options->tire, QDate::currentDate(),
                     QLocale(context.language()), context.numberFormat()};
    facts.speedUnits = context.speedUnits();
    const FileWriteResult written = writeSettingsSheet(options->output, settingsSheetContent(facts));
    return written.ok() ? kExitDone : context.fail(kExitBadInput, written.error);
}

} // namespace vexlor::cli
