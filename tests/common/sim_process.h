#pragma once

#include <QProcess>
#include <QStringList>
#include <QtTest>

// Runs vexlor-controller-sim for one test and collects what it prints.
class SimProcess {
public:
    ~SimProcess()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(2000);
        }
    }

    // Starts the emulator and returns its device path (empty on failure).
    QString start(const QStringList &arguments)
    {
        process.setProgram(QStringLiteral(VEXLOR_SIM_PATH));
        process.setArguments(arguments);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start();
        if (!process.waitForStarted(5000))
            return {};
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(5000))
                return {};
        }
        return QString::fromLocal8Bit(process.readLine()).trimmed();
    }

    // Every line printed after the device path so far ("write 5 250", "store").
    QStringList lines()
    {
        process.waitForReadyRead(50);
        collect();
        return collected;
    }

    // Ends the emulator and returns every line it printed after the path.
    QStringList stop()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
        collect();
        return collected;
    }

    QProcess process;
    QStringList collected;

private:
    void collect()
    {
        while (process.canReadLine())
            collected << QString::fromLocal8Bit(process.readLine()).trimmed();
        const QByteArray rest = process.readAll().trimmed();
        if (!rest.isEmpty())
            collected << QString::fromLocal8Bit(rest);
    }
};
