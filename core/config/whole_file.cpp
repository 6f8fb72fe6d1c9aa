#include "whole_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace vexlor {

bool writeWholeFile(const QString &path, const QByteArray &bytes, InPlaceWrite inPlace)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QSaveFile file(path);
    if (inPlace == InPlaceWrite::Allowed) {
        // Without room for every byte, an in-place rewrite would leave a cut file.
        const QStorageInfo volume(info.absolutePath());
        const bool roomForAll = !volume.isValid() || volume.bytesAvailable() > bytes.size();
        file.setDirectWriteFallback(roomForAll);
    }
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace vexlor
