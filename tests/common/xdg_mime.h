#pragma once

// Asks the desktop's own `xdg-mime` what it makes of a file, the way a file
// manager would, in an environment the test controls.

#include "event_wait.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// The xdg-mime program, or empty when it or the tools it needs for a
// per-user type (update-mime-database, mimetype) are not installed.
inline QString usableXdgMime()
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("mimetype")).isEmpty())
        return {};
    return xdgMime;
}

inline constexpr const char *kXdgToolsMissing =
    "xdg-mime, update-mime-database or mimetype (libfile-mimeinfo-perl) is not installed";

// The generic desktop, with only `systemDataDir` as system-wide data, so no
// installed type can answer in place of the user's own.
inline QProcessEnvironment genericDesktopEnvironment(const QString &systemDataDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_DIRS"), systemDataDir);
    for (const char *name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                             "GNOME_DESKTOP_SESSION_ID", "XDG_SESSION_DESKTOP"})
        env.remove(QString::fromLatin1(name));
    return env;
}

// `xdg-mime query ARGS...`, its answer trimmed.
inline QString xdgMimeQuery(const QString &xdgMime, const QProcessEnvironment &env,
                            const QStringList &args)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(xdgMime, QStringList{QStringLiteral("query")} + args);
    process.waitForFinished(kHangMs);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}
