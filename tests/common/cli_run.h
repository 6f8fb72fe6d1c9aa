#pragma once

// Runs the real vexlor-cli (VEXLOR_CLI_PATH, set by the test's CMake) the way
// a script would, in the C locale and with no VEXLOR_PORT unless one is given.
// Its data folder (where writes keep their backups) is one of the test's own,
// never the user's.

#include "event_wait.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// XDG_DATA_HOME of every run of this test program.
inline QString cliDataHome()
{
    static const QTemporaryDir home;
    return home.path();
}

// How long a run may take before it is killed and counts as not finished:
// only a hang takes that long, however busy the machine.
inline constexpr int kRunDeadlineMs = kHangMs;
// For runs that must end at once (a file refused unopened), so a run stuck
// on a FIFO fails sooner than at the usual deadline; still far beyond what a
// busy machine takes to start the program.
inline constexpr int kShortDeadlineMs = 20000;

struct CliRun {
    int exitCode = -1; // -1: it did not finish normally
    QByteArray out;
    QByteArray err;
};

// The reply window of the programs a test runs (VEXLOR_REPLY_WINDOW_MS):
// fifty times the controller's 100 ms, so that on a busy machine no reply of
// the emulator is judged missing because it was scheduled late. A command the
// emulator leaves unanswered costs its five seconds.
inline constexpr int kTestReplyWindowMs = 5000;

// Runs `program` with `args` in `environment`, to its end.
inline CliRun runWithEnvironment(const QString &program, const QStringList &args,
                                 QProcessEnvironment environment, int deadlineMs = kRunDeadlineMs)
{
    if (!environment.contains(QStringLiteral("VEXLOR_REPLY_WINDOW_MS")))
        environment.insert(QStringLiteral("VEXLOR_REPLY_WINDOW_MS"), QString::number(kTestReplyWindowMs));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    CliRun run;
    if (!process.waitForFinished(deadlineMs)) {
        process.kill();
        process.waitForFinished(kHangMs);
        return run;
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Runs `program` with `args` (a wrapper such as setpriv, followed by the CLI
// and its arguments, or the CLI itself).
inline CliRun runProgram(const QString &program, const QStringList &args,
                         const QString &environmentPort = {}, int deadlineMs = kRunDeadlineMs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.remove(QStringLiteral("VEXLOR_PORT"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), cliDataHome());
    if (!environmentPort.isEmpty())
        environment.insert(QStringLiteral("VEXLOR_PORT"), environmentPort);
    return runWithEnvironment(program, args, environment, deadlineMs);
}

inline CliRun runCli(const QStringList &args, const QString &environmentPort = {},
                     int deadlineMs = kRunDeadlineMs)
{
    return runProgram(QStringLiteral(VEXLOR_CLI_PATH), args, environmentPort, deadlineMs);
}

// Runs the CLI with no locale variables but those in `locale`
// ("LANG=de_DE.UTF-8", "LANGUAGE=pl").
inline CliRun runCliInLocale(const QStringList &locale, const QStringList &args)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "VEXLOR_PORT"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), cliDataHome());
    for (const QString &setting : locale)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    return runWithEnvironment(QStringLiteral(VEXLOR_CLI_PATH), args, environment);
}
