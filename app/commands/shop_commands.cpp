#include "shop_commands.h"

#include "road_class_options.h"
#include "shell_opener.h"
#include "dialogs/file_dialogs.h"
#include "dialogs/message_boxes.h"
#include "dialogs/safety_dialogs.h"
#include "pages/parameter_binding.h"
#include "rules/input_rules.h"

#include "basics/shop_texts.h"
#include "basics/status_strip.h"

#include "files/data_files.h"
#include "files/vxc_reader.h"
#include "params/parameter_codec.h"

#include "sheet_pdf.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QUrl>

namespace vexlor {

ShopCommands::ShopCommands(Sources sources, Desktop desktop, NumberFormat numberFormat,
                           QString language, QObject *parent)
    : QObject(parent)
    , m_sources(sources)
    , m_desktop(desktop)
    , m_numberFormat(numberFormat)
    , m_language(std::move(language))
{
}

void ShopCommands::checkRoadClass()
{
    const auto window = windowValues();
    if (!window)
        return;
    RoadClassOptions &options = m_sources.roadClass;
    const RoadCheckSetting left = m_desktop.safetyDialogs.checkRoadClass(
        window->values, m_numberFormat,
        {options.current(), options.tireText(), m_sources.binding.speedUnits()});
    options.adopt(left.roadClass, left.tire);
}

void ShopCommands::exportSettingsSheet()
{
    const auto window = windowValues();
    if (!window)
        return;
    const QString document = m_sources.documentPath();
    const QString path = chooseSheetPath(
        document.isEmpty() ? QStringLiteral("settings-sheet.pdf")
                           : QFileInfo(document).completeBaseName() + QStringLiteral(".pdf"));
    if (path.isEmpty())
        return;
    const bool documentValues = !document.isEmpty() && holdsDocumentValues(*window, document);
    const RoadClassOptions &options = m_sources.roadClass;
    SheetFacts facts{window->values,
                     window->snapshot.limitMaxSpeed,
                     documentValues ? QFileInfo(document).fileName() : QString(),
                     m_sources.controllerVersion(),
                     options.current(),
                     options.tire(m_numberFormat),
                     QDate::currentDate(),
                     QLocale(m_language),
                     m_numberFormat};
    facts.documentChanged = !document.isEmpty() && !documentValues;
    facts.speedUnits = m_sources.binding.speedUnits();
    const FileWriteResult written = writeSettingsSheet(path, settingsSheetContent(facts));
    if (!written.ok()) {
        m_desktop.boxes.standardError(written.error);
        return;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString where = QDir::toNativeSeparators(absolute);
    const QString saved = texts::shopText(texts::kSheetSaved).arg(where);
    showStatusMessage(m_desktop.statusMessage, saved);
    // Opened to print it. The answer may come after the window, or a later
    // message, has taken the strip's place.
    QPointer<QLabel> message = m_desktop.statusMessage;
    m_desktop.shell.open(QUrl::fromLocalFile(absolute), [message, saved, where](bool opened) {
        if (!opened && message && message->text() == saved)
            showStatusMessage(message, texts::shopText(texts::kSheetSavedNoViewer).arg(where));
    });
}

QString ShopCommands::chooseSheetPath(const QString &suggestedName)
{
    for (;;) {
        const QString path = m_desktop.fileDialogs.chooseSheetFile(suggestedName);
        const QString refusal = path.isEmpty() ? QString() : sheetReplacementRefusal(path);
        if (refusal.isEmpty())
            return path;
        m_desktop.boxes.error(texts::shopText(texts::kSheetDialogTitle), refusal);
    }
}

bool ShopCommands::holdsDocumentValues(const WindowValues &window, const QString &path) const
{
    // The document as New and then Open would show it, and as vexlor-cli
    // reads it: over the default file, so a file that sets only some values
    // still gives all sixty. Changed since on the disk, it is the file as it
    // is now that the sheet would name.
    ParameterSnapshot document = ParameterSnapshot::initial();
    for (const QString &file : {locateDataFile(QStringLiteral("default.vxc")), path}) {
        const ConfigurationRead read = readConfigurationFile(file, m_numberFormat);
        if (!read.ok())
            return false;
        applyToSnapshot(document, read.entries, {}); // an old file's question unasked: No
    }
    const EncodedSet set = encodeAll(document, m_numberFormat);
    return set.ok() && set.values == window.values
        && document.limitMaxSpeed == window.snapshot.limitMaxSpeed;
}

std::optional<ShopCommands::WindowValues> ShopCommands::windowValues()
{
    // The value being edited is bounded first, as leaving its field would.
    if (!m_sources.rules.applyPendingRules())
        return std::nullopt;
    WindowValues window{m_sources.binding.snapshot(), {}};
    const EncodedSet set = encodeAll(window.snapshot, m_numberFormat);
    if (!set.ok()) {
        m_desktop.boxes.standardError(set.error);
        return std::nullopt;
    }
    window.values = set.values;
    return window;
}

} // namespace vexlor
