#pragma once

#include "settings_file.h"

#include <QList>
#include <QString>

#include <array>

namespace vexlor {

// The reopen list: four paths, entry 1 the most recently read; an empty entry
// is a free place. It lives in the settings file only and is read afresh
// whenever it is needed.
inline constexpr int kRecentFileCount = 4;
inline constexpr const char *kRecentFilesSection = "Recent Files";
using RecentFiles = std::array<QString, kRecentFileCount>;

// The key of entry 1..4: "File1".."File4".
[[nodiscard]] QString recentFileKey(int entry);

// One key write of AddRecentFile: entry 1..4 gets `path`.
struct RecentFileWrite {
    int entry = 1;
    QString path;

    friend bool operator==(const RecentFileWrite &, const RecentFileWrite &) = default;
};

// The writes, in order, that put `path` at the top of `current`. Paths are
// compared as exact texts and the first equal entry decides: entry 1 needs no
// write; entry k moves up to 1 and the entries above it move down one; a path
// in no entry pushes every entry down and drops entry 4. Empty entries move
// like any other, so free places travel down the list.
[[nodiscard]] QList<RecentFileWrite> recentFileWrites(const RecentFiles &current, const QString &path);

// Whether reading `path` may put it into the list: the default file of New
// (or any path holding "default.vxc" in any letter case) stays out.
[[nodiscard]] bool mayEnterRecentFiles(const QString &path);

// The four entries of the settings file, empty where missing.
[[nodiscard]] RecentFiles readRecentFiles(const SettingsFile &settings);

// AddRecentFile: re-reads the list and makes the writes above in one write of
// the file, so a failure leaves the whole list as it was; returns its error.
[[nodiscard]] SettingsWriteResult addRecentFile(SettingsFile &settings, const QString &path);

} // namespace vexlor
