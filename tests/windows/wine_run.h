#pragma once

// Runs the Windows build's programs under Wine, in the stage's own prefix
// (WINEPREFIX, set by CTest), in the C locale, and maps a Wine COM port onto
// a pseudo-terminal. VEXLOR_WINDOWS_BIN is the cross build's program folder.

#include "cli_run.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

// How long one program may take under Wine: Wine starts slowly on a busy
// machine, and only a hang takes this long.
inline constexpr int kWineRunDeadlineMs = 5 * kHangMs;

inline QString windowsProgram(const QString &name)
{
    return QDir(qEnvironmentVariable("VEXLOR_WINDOWS_BIN")).filePath(name);
}

inline QProcessEnvironment wineEnvironment(const QStringList &settings = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.remove(QStringLiteral("VEXLOR_PORT"));
    for (const QString &setting : settings)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    return environment;
}

// `program` (a file of the Windows build) with `args`, under Wine.
inline CliRun runUnderWine(const QString &program, const QStringList &args,
                           const QStringList &settings = {})
{
    return runWithEnvironment(QStringLiteral("wine"), QStringList{windowsProgram(program)} + args,
                              wineEnvironment(settings), kWineRunDeadlineMs);
}

// Makes Wine's `port` ("COM9") the device at `devicePath`.
inline bool mapWinePort(const QString &port, const QString &devicePath)
{
    const QString link = qEnvironmentVariable("WINEPREFIX") + QStringLiteral("/dosdevices/")
        + port.toLower();
    QFile::remove(link);
    return QFile::link(devicePath, link);
}
