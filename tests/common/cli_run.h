#pragma once

// Runs the real vexlor-cli (VEXLOR_CLI_PATH, set by the test's CMake) the way
// a script would, in the C locale and with no VEXLOR_PORT unless one is given.
// Its data folder (where writes keep their backups) is one of the test's own,
// never the user's.

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

// How long a run may take before it is killed and counts as not finished.
inline constexpr int kRunDeadlineMs = 30000;
// For runs that must end at once (a file refused unopened), so a run stuck
// on a FIFO fails in seconds rather than at the usual deadline.
inline constexpr int kShortDeadlineMs = 5000;

struct CliRun {
    int exitCode = -1; // -1: it did not finish normally
    QByteArray out;
    QByteArray err;
};

// Runs `program` with `args` in `environment`, to its end.
inline CliRun runWithEnvironment(const QString &program, const QStringList &args,
                                 const QProcessEnvironment &environment,
                                 int deadlineMs = kRunDeadlineMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    CliRun run;
    if (!process.waitForFinished(deadlineMs)) {
        process.kill();
        process.waitForFinished(5000);
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
