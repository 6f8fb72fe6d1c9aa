#include "reopen_caption.h"

#include <QFontMetrics>

namespace vexlor {

QString reopenCaption(const QString &path, const QFontMetrics &metrics, int room)
{
    QString shown = path;
    if (metrics.horizontalAdvance(path) > room) {
        // The folders up to and with the last separator; the name after it.
        const qsizetype cut = path.lastIndexOf(u'/') + 1;
        const QString folders = path.left(cut);
        const QString name = path.mid(cut);
        // Middle elision keeps both ends: where the path starts and the
        // folder the file lies in, down to its first letter and separator.
        const int folderRoom = room - metrics.horizontalAdvance(name);
        QString elided = metrics.elidedText(folders, Qt::ElideMiddle, folderRoom);
        if (!folders.isEmpty() && (elided.size() < 3 || !elided.endsWith(u'/')))
            elided = folders.left(1) + u'…' + u'/';
        shown = elided + name;
    }
    return shown.replace(u'&', QStringLiteral("&&"));
}

} // namespace vexlor
