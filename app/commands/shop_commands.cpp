#include "shop_commands.h"

#include "controller_commands.h"
#include "document_commands.h"
#include "road_class_options.h"
#include "shell_opener.h"
#include "dialogs/file_dialogs.h"
#include "dialogs/message_boxes.h"
#include "dialogs/safety_dialogs.h"
#include "pages/parameter_binding.h"
#include "rules/input_rules.h"

#include "params/parameter_codec.h"

#include "sheet_pdf.h"

#include <QFileInfo>
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
        window->values, m_numberFormat, {options.current(), options.tireText()});
    options.adopt(left.roadClass, left.tire);
}

void ShopCommands::exportSettingsSheet()
{
    const auto window = windowValues();
    if (!window)
        return;
    const QString document = m_sources.documents.documentPath();
    const QString path = m_desktop.fileDialogs.chooseSheetFile(
        document.isEmpty() ? QStringLiteral("settings-sheet.pdf")
                           : QFileInfo(document).completeBaseName() + QStringLiteral(".pdf"));
    if (path.isEmpty())
        return;
    const RoadClassOptions &options = m_sources.roadClass;
    const SheetFacts facts{window->values,
                           window->snapshot.limitMaxSpeed,
                           QFileInfo(document).fileName(),
                           m_sources.controller.controllerVersion(),
                           options.current(),
                           options.tire(m_numberFormat),
                           QDate::currentDate(),
                           QLocale(m_language),
                           m_numberFormat};
    const FileWriteResult written = writeSettingsSheet(path, settingsSheetContent(facts));
    if (!written.ok()) {
        m_desktop.boxes.standardError(written.error);
        return;
    }
    m_desktop.shell.open(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())); // to print it
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
