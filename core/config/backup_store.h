#pragma once

#include "params/parameter_snapshot.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace vexlor {

// One automatic backup.
struct BackupFile {
    QString path;
    QDateTime time; // when it was taken, to the second (from its name)
};

// The automatic backups taken before writes: .vxc files written like Save
// writes (atomically), in one folder, named by the local date and time so
// that names sort by age: "2026-12-07_14-03-22.vxc", and
// "2026-12-07_14-03-22-2.vxc", "-3" ... for more in the same second. Only the
// newest kKeptBackups stay; files of other names in the folder are never
// listed or removed.
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
        [[nodiscard]] bool ok() const { return error.isEmpty(); }
    };
    // Writes `snapshot` as a new backup taken at `now` (creating the folder),
    // then removes all but the newest kKeptBackups.
    [[nodiscard]] SaveResult save(const ParameterSnapshot &snapshot,
                                  const QDateTime &now = QDateTime::currentDateTime());

    // The backups, newest first.
    [[nodiscard]] QList<BackupFile> list() const;

private:
    [[nodiscard]] QString freePath(const QDateTime &now) const;
    void removeOldest() const;

    QString m_folder;
};

} // namespace vexlor
