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

struct CliRun {
    int exitCode = -1; // -1: it did not finish normally
    QByteArray out;
    QByteArray err;
};

// Runs `program` with `args` (a wrapper such as setpriv, followed by the CLI
// and its arguments, or the CLI itself).
inline CliRun runProgram(const QString &program, const QStringList &args,
                         const QString &environmentPort = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.remove(QStringLiteral("VEXLOR_PORT"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), cliDataHome());
    if (!environmentPort.isEmpty())
        environment.insert(QStringLiteral("VEXLOR_PORT"), environmentPort);
    process.setProcessEnvironment(environment);
    process.start(program, args);
    CliRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

inline CliRun runCli(const QStringList &args, const QString &environmentPort = {})
{
    return runProgram(QStringLiteral(VEXLOR_CLI_PATH), args, environmentPort);
}
