#pragma once

#include "write_record.h"

#include "params/parameter_snapshot.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace vexlor {

// One automatic backup.
struct BackupFile {
    QString path;
    QDateTime time; // when it was taken, to the second (from its name)
    WriteRecord record; // how the write that followed it ended
    int sequence = 1; // its place among the backups of that second: 1, then 2, 3 ... ("-2" in its name)
};

// The automatic backups taken before writes: .vxc files written like Save
// writes (atomically), in one folder, named by the local date and time so
// that names sort by age: "2026-12-07_14-03-22.vxc", and
// "2026-12-07_14-03-22-2.vxc", "-3" ... for more in the same second. Beside
// each, its write record (write_record.h), so the .vxc stays what Save
// writes. Only the newest kKeptBackups stay, with their records; files of
// other names in the folder are never listed or removed.
class BackupStore {
public:
    static constexpr int kKeptBackups = 100;

    explicit BackupStore(QString folder);

    // The user's data folder of the window, shared by the CLI:
    // QStandardPaths::AppDataLocation of vexlor-adjustor + "/backups"
    // (~/.local/share/vexlor-adjustor/backups).
    [[nodiscard]] static QString defaultFolder();
    [[nodiscard]] const QString &folder() const { return m_folder; }

    struct SaveResult {
        QString path;  // the backup written
        QString error; // "Cannot create file %s": nothing was kept
        WriteRecord record; // as recorded beside it
        [[nodiscard]] bool ok() const { return error.isEmpty(); }
    };
    // Writes `snapshot` as a new backup taken at `now` (creating the folder)
    // with its record: the write that follows has not ended yet, and the
    // controller may be mid-write when the newest earlier backup's write left
    // it so. Then removes all but the newest kKeptBackups. A record that
    // cannot be written takes its backup with it: nothing is kept.
    [[nodiscard]] SaveResult save(const ParameterSnapshot &snapshot,
                                  const QDateTime &now = QDateTime::currentDateTime());
    // Records how the write that followed the backup at `path` ended.
    [[nodiscard]] bool recordWriteEnd(const QString &path, const WriteRecord &record) const;

    // The backups, newest first.
    [[nodiscard]] QList<BackupFile> list() const;

private:
    [[nodiscard]] QString freePath(const QDateTime &now) const;
    void removeOldest() const;

    QString m_folder;
};

} // namespace vexlor
