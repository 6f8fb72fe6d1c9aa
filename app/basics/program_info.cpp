#include "program_info.h"

#include <QCoreApplication>

namespace vexlor {

QString helpDocumentName(const QString &language, const std::function<bool(const QString &)> &isThere)
{
    if (!language.isEmpty() && language != u"en") {
        const QString translated = QStringLiteral("help.%1.pdf").arg(language);
        if (isThere(translated))
            return translated;
    }
    return QString::fromLatin1(kHelpDocumentName);
}

QString executableFolder()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

} // namespace vexlor
