#pragma once

#include "params/parameter_snapshot.h"

#include <QList>
#include <QString>

#include <optional>

namespace vexlor {

// A named configuration a shop keeps for a battery, a bike or a customer.
struct Profile {
    QString name; // as the user gave it, also the file's name
    QString note; // a line or two on what it is for; may be empty
    QString path; // the .vxc file
};

// The profiles: in one folder beside the backups, each a .vxc file written as
// Save writes it ("City 36V.vxc") and its note beside it in UTF-8
// ("City 36V.note"). A profile's name is its file's name, so it must be one
// on every system the tool runs on.
class ProfileStore {
public:
    static constexpr int kMaxNameLength = 64;

    explicit ProfileStore(QString folder);

    // QStandardPaths' data folder + "/vexlor-adjustor/profiles"
    // (~/.local/share/vexlor-adjustor/profiles), beside the backups.
    [[nodiscard]] static QString defaultFolder();
    // The profiles' folder beside a backups folder: ".../backups" gives ".../profiles".
    [[nodiscard]] static QString folderBeside(const QString &backupFolder);
    [[nodiscard]] const QString &folder() const { return m_folder; }

    // Why `name` cannot name a profile (empty, too long, a path separator or
    // another character a file name cannot hold, a leading dot or blank, a
    // device name of Windows); empty when it can.
    [[nodiscard]] static QString nameError(const QString &name);

    // Every profile, by name (letter case aside).
    [[nodiscard]] QList<Profile> list() const;
    // The profile called `name`, or nullopt.
    [[nodiscard]] std::optional<Profile> find(const QString &name) const;
    // "No profile is named %1."
    [[nodiscard]] static QString notFoundMessage(const QString &name);

    // Keeps `snapshot` as the profile `name` with its note, replacing one of
    // that name, each file whole (an old profile stays whole when the disk is
    // full). The error, or empty when it was kept.
    [[nodiscard]] QString save(const QString &name, const QString &note,
                               const ParameterSnapshot &snapshot) const;

private:
    [[nodiscard]] QString filePath(const QString &name, const char *suffix) const;

    QString m_folder;
};

} // namespace vexlor
