#include "translators.h"

#include "language_choice.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vexlor {

UiTranslators::UiTranslators(const QString &code)
{
    if (code == u"en" || !isUiLanguage(code))
        return;
    if (!m_tool.load(QStringLiteral(":/i18n/vexlor_%1.qm").arg(code)))
        return;
    m_language = code;
    m_toolInstalled = QCoreApplication::installTranslator(&m_tool);
    if (m_qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_qtInstalled = QCoreApplication::installTranslator(&m_qt);
}

UiTranslators::~UiTranslators()
{
    if (m_qtInstalled)
        QCoreApplication::removeTranslator(&m_qt);
    if (m_toolInstalled)
        QCoreApplication::removeTranslator(&m_tool);
}

} // namespace vexlor
