#pragma once

#include "event_wait.h"

#include <QProcess>
#include <QStringList>
#include <QtTest>

#include <functional>

// Runs vexlor-controller-sim for one test and collects what it prints.
class SimProcess {
public:
    ~SimProcess()
    {
        onUnanswered = nullptr;
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(kHangMs);
        }
    }

    // Called with N for each "unanswered N" the emulator prints; set before
    // start(), which then asks the emulator for them (--tell-unanswered).
    std::function<void(int sent)> onUnanswered;

    // Starts the emulator and returns its device path (empty on failure).
    QString start(QStringList arguments)
    {
        if (onUnanswered)
            arguments << QStringLiteral("--tell-unanswered");
        process.setProgram(QStringLiteral(VEXLOR_SIM_PATH));
        process.setArguments(arguments);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start();
        if (!process.waitForStarted(kHangMs))
            return {};
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(kHangMs))
                return {};
        }
        const QString path = QString::fromLocal8Bit(process.readLine()).trimmed();
        QObject::connect(&process, &QProcess::readyReadStandardOutput, &process, [this] { collect(); });
        collect();
        return path;
    }

    // Every line printed after the device path so far ("write 5 250",
    // "store"; not the "unanswered" ones). The emulator prints a command's
    // line before it answers it, so every command answered so far is here.
    QStringList lines()
    {
        while (process.waitForReadyRead(0)) {
        }
        collect();
        return collected;
    }

    // Ends the emulator and returns every line it printed after the path.
    QStringList stop()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(kHangMs);
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
            take(QString::fromLocal8Bit(process.readLine()).trimmed());
        if (process.state() == QProcess::NotRunning) {
            const QByteArray rest = process.readAll().trimmed();
            if (!rest.isEmpty())
                take(QString::fromLocal8Bit(rest));
        }
    }

    void take(const QString &line)
    {
        static const QString kUnanswered = QStringLiteral("unanswered ");
        if (line.startsWith(kUnanswered)) {
            if (onUnanswered)
                onUnanswered(line.mid(kUnanswered.size()).toInt());
            return;
        }
        collected << line;
    }
};
