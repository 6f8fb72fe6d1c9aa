#include "backup_store.h"

#include "files/vxc_writer.h"
#include "files/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace vexlor {
namespace {

const QString kStampFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");

std::optional<BackupFile> parseBackupName(const QFileInfo &info)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2})(?:-([1-9]\\d{0,8}))?\\.vxc$"));
    const QRegularExpressionMatch match = pattern.match(info.fileName());
    if (!match.hasMatch() || !info.isFile())
        return std::nullopt;
    const QDateTime time = QDateTime::fromString(match.captured(1), kStampFormat);
    if (!time.isValid())
        return std::nullopt;
    // Its place among those of its second: 1 for the plain name, then 2, 3 ...
    const int sequence = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
    return BackupFile{info.absoluteFilePath(), time, {}, sequence};
}

QList<BackupFile> namedBackups(const QString &folder)
{
    QList<BackupFile> backups;
    const QFileInfoList entries =
        QDir(folder).entryInfoList({QStringLiteral("*.vxc")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &info : entries) {
        if (const auto backup = parseBackupName(info))
            backups.append(*backup);
    }
    std::sort(backups.begin(), backups.end(), [](const BackupFile &a, const BackupFile &b) {
        if (a.time != b.time)
            return a.time > b.time;
        return a.sequence > b.sequence;
    });
    return backups;
}

} // namespace

BackupStore::BackupStore(QString folder) : m_folder(std::move(folder)) {}

QString BackupStore::defaultFolder()
{
    // Named here rather than taken from the running program, so that the CLI
    // (another application name) finds the window's backups.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/vexlor-adjustor/backups");
}

QString BackupStore::freePath(const QDateTime &now) const
{
    const QDir dir(m_folder);
    const QString stamp = now.toString(kStampFormat);
    QString path = dir.filePath(stamp + QStringLiteral(".vxc"));
    for (int sequence = 2; QFileInfo::exists(path); ++sequence)
        path = dir.filePath(QStringLiteral("%1-%2.vxc").arg(stamp).arg(sequence));
    return path;
}

BackupStore::SaveResult BackupStore::save(const ParameterSnapshot &snapshot, const QDateTime &now)
{
    if (!QDir().mkpath(m_folder)) {
        const QString path = QDir(m_folder).filePath(now.toString(kStampFormat) + QStringLiteral(".vxc"));
        return {{}, cannotCreateFileMessage(path), {}};
    }
    const QList<BackupFile> earlier = namedBackups(m_folder);
    WriteRecord record{WriteEnd::Unfinished, 0, false};
    if (!earlier.isEmpty())
        record.afterInterruptedWrite = readWriteRecord(earlier.first().path).leftMidWrite();
    const QString path = freePath(now);
    const FileWriteResult written = writeConfigurationFile(path, snapshot);
    if (!written.ok())
        return {{}, written.error, {}};
    if (!writeWriteRecord(path, record)) {
        QFile::remove(path);
        return {{}, cannotCreateFileMessage(writeRecordPath(path)), {}};
    }
    removeOldest();
    return {path, {}, record};
}

bool BackupStore::recordWriteEnd(const QString &path, const WriteRecord &record) const
{
    return writeWriteRecord(path, record);
}

QList<BackupFile> BackupStore::list() const
{
    QList<BackupFile> files;
    for (const BackupFile &backup : namedBackups(m_folder)) {
        files.append(backup);
        files.last().record = readWriteRecord(backup.path);
    }
    return files;
}

void BackupStore::removeOldest() const
{
    const QList<BackupFile> backups = namedBackups(m_folder);
    // A backup that cannot be removed stays; the new one is kept all the same.
    for (qsizetype i = kKeptBackups; i < backups.size(); ++i) {
        QFile::remove(backups[i].path);
        QFile::remove(writeRecordPath(backups[i].path));
    }
}

} // namespace vexlor
