#pragma once

#include <QString>
#include <QList>
#include <QStringList>

namespace vexlor {

// The settings file's name; it holds the reopen list only.
inline constexpr const char *kSettingsFileName = "config.ini";

// One key and the value it gets.
struct SettingsEntry {
    QString key;
    QString value;
};

// The outcome of one write: empty when the file was written.
struct SettingsWriteResult {
    QString error;

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// A plain INI file ("[Section]" lines and "key=value" lines), read and written
// the way a private-profile store does: every read looks at the file afresh,
// every write goes to the file at once, and lines it does not touch stay as
// they were. Section and key names match without regard to letter case.
//
// QSettings is not used: its INI format writes a group name with a blank as
// "[Recent%20Files]", which another INI reader takes for a different section.
class SettingsFile {
public:
    explicit SettingsFile(const QString &path);

    // The full path, as the error message names it.
    [[nodiscard]] const QString &path() const { return m_path; }

    // The value of `key` in `section`, without surrounding blanks; empty when
    // the file, the section or the key is missing.
    [[nodiscard]] QString readString(const QString &section, const QString &key) const;

    // Sets `key` in `section` to `value` (adding the section or the key when
    // missing) and writes the file at once, creating its folder if needed.
    // The file holds its old content or the new one, never a part: a full
    // disk or a refused write leaves it as it was. Error: "Unable to write to
    // %s" with the full path.
    [[nodiscard]] SettingsWriteResult writeString(const QString &section, const QString &key,
                                                  const QString &value);
    // The same for several keys of one section, in one write of the file, so
    // that either all of them change or none does.
    [[nodiscard]] SettingsWriteResult writeStrings(const QString &section,
                                                   const QList<SettingsEntry> &entries);

private:
    QString m_path;
};

// Whether the executable's folder is a portable copy's, which keeps the
// tool's files beside itself: a folder that whoever runs the program owns and
// can write, and that is no installed location (/usr, /usr/local, /opt, ...,
// ~/.local/bin). On Windows: a folder the user can write that is not under
// the program folders (Program Files) or the system's folder.
[[nodiscard]] bool isPortableProgramFolder(const QString &programFolder);

// The folder for config.ini: the executable's folder for a portable copy,
// otherwise the user's configuration folder for this application (on
// Windows the roaming application-data folder).
[[nodiscard]] QString settingsFolderFor(const QString &programFolder);

} // namespace vexlor
