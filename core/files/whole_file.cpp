#include "whole_file.h"

#include "params/message_input.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vexlor {
namespace {

// The bytes stored on the disk, not only handed to the system: a device that
// cannot store them reports it here (QSaveFile syncs too, but ignores the
// answer). A file that cannot be synced at all (EINVAL, EROFS) is no failure.
bool syncedToDisk(const QSaveFile &file)
{
    const int fd = file.handle();
    if (fd < 0)
        return false;
#ifdef Q_OS_WIN
    const auto fsync = ::_commit; // FlushFileBuffers on the file's handle
#endif
    while (fsync(fd) != 0) {
        if (errno != EINTR)
            return errno == EINVAL || errno == EROFS;
    }
    return true;
}

} // namespace

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
    if (file.write(bytes) != bytes.size() || !file.flush() || !syncedToDisk(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString cannotCreateFileMessage(const QString &path)
{
    //: %1 the file's path
    return QCoreApplication::translate("Files", "Cannot create file %1").arg(inputForMessage(path));
}

} // namespace vexlor
