#include "recent_files.h"

namespace vexlor {

QString recentFileKey(int entry)
{
    return QStringLiteral("File%1").arg(entry);
}

QList<RecentFileWrite> recentFileWrites(const RecentFiles &current, const QString &path)
{
    QList<RecentFileWrite> writes;
    for (int found = 1; found <= kRecentFileCount; ++found) {
        if (current[found - 1] != path)
            continue;
        // Entry `found` goes to the top; those above it move down one place,
        // the lowest first.
        for (int entry = found; entry >= 2; --entry)
            writes.append({entry, current[entry - 2]});
        if (found != 1)
            writes.append({1, path});
        return writes;
    }
    writes.append({1, path});
    for (int entry = 2; entry <= kRecentFileCount; ++entry)
        writes.append({entry, current[entry - 2]});
    return writes;
}

bool mayEnterRecentFiles(const QString &path)
{
    return !path.toLower().contains(QLatin1String("default.vxc"));
}

RecentFiles readRecentFiles(const SettingsFile &settings)
{
    RecentFiles files;
    const QString section = QString::fromLatin1(kRecentFilesSection);
    for (int entry = 1; entry <= kRecentFileCount; ++entry)
        files[entry - 1] = settings.readString(section, recentFileKey(entry));
    return files;
}

SettingsWriteResult addRecentFile(SettingsFile &settings, const QString &path)
{
    QList<SettingsEntry> entries;
    for (const RecentFileWrite &write : recentFileWrites(readRecentFiles(settings), path))
        entries.append({recentFileKey(write.entry), write.path});
    if (entries.isEmpty())
        return {}; // already entry 1: nothing is written
    return settings.writeStrings(QString::fromLatin1(kRecentFilesSection), entries);
}

} // namespace vexlor
