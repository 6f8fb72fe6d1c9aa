#include "support_link.h"

#include "support_url.h" // written by CMake
#include "basics/program_info.h"

#include "files/data_files.h"

#include <QFileInfo>

namespace vexlor {

QString builtInSupportUrl()
{
    return QStringLiteral(VEXLOR_SUPPORT_URL);
}

QUrl supportTarget(const QString &supportUrl, const QString &language)
{
    if (!supportUrl.isEmpty())
        return QUrl(supportUrl);
    // The guide is a PDF made from Markdown without named destinations, and
    // xdg-open drops a URL's fragment anyway: it opens at its first page,
    // whose contents list "Getting help".
    const QString name = helpDocumentName(
        language, [](const QString &file) { return QFileInfo(locateDataFile(file)).isFile(); });
    return QUrl::fromLocalFile(locateDataFile(name));
}

} // namespace vexlor
