// Where config.ini goes on Windows (see settings_file.h).

#include "settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

namespace vexlor {
namespace {

QString knownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    QString folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path)))
        folder = QDir::cleanPath(QDir::fromNativeSeparators(QString::fromWCharArray(path)));
    ::CoTaskMemFree(path);
    return folder;
}

bool isWithin(const QString &path, const QString &folder)
{
    return folder.size() > 3 // a known folder, not a drive's root
        && (path.compare(folder, Qt::CaseInsensitive) == 0
            || path.startsWith(folder + u'/', Qt::CaseInsensitive));
}

} // namespace

// A portable copy's folder: one the user can write (tried with a file, as
// folder attributes do not tell) and that is no installed location (the
// program folders, the user's own where the setup program installs, the
// system's folder).
bool isPortableProgramFolder(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    if (!folder.isDir())
        return false;
    const QString path = QDir::cleanPath(folder.absoluteFilePath());
    // The user's program folder is %LOCALAPPDATA%\Programs where Windows
    // (or Wine) does not name it.
    const QStringList installed{knownFolder(FOLDERID_ProgramFiles), knownFolder(FOLDERID_ProgramFilesX86),
                                knownFolder(FOLDERID_UserProgramFiles),
                                knownFolder(FOLDERID_LocalAppData) + QStringLiteral("/Programs"),
                                knownFolder(FOLDERID_Windows)};
    for (const QString &location : installed) {
        if (isWithin(path, location))
            return false;
    }
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral("vexlor-write-check-XXXXXX")));
    return probe.open();
}

// Beside the executable for a portable copy, else the user's roaming
// application-data folder, which follows the user from one computer to the
// next.
QString settingsFolderFor(const QString &programFolder)
{
    if (isPortableProgramFolder(programFolder))
        return QFileInfo(programFolder).absoluteFilePath();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace vexlor
