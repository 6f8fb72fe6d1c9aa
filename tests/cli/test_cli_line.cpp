// The production line, vexlor-cli write FILE --each, against the emulator:
// bikes come and go (controller off and on, the cable pulled from the
// computer and plugged in again), one fails, Ctrl+C ends it; each bike's
// line and record, the summary and the exit code.

#include "event_wait.h"
#include "file_bytes.h"
#include "sim_process.h"

#include "cli_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <csignal>

namespace {

// The line running as a shop runs it, with a data folder of its own.
class LineProcess {
public:
    LineProcess(const QString &dataHome, const QString &port, const QStringList &args)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        environment.insert(QStringLiteral("VEXLOR_PORT"), port);
        environment.insert(QStringLiteral("VEXLOR_REPLY_WINDOW_MS"), QString::number(kTestReplyWindowMs));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VEXLOR_CLI_PATH), args);
    }
    ~LineProcess()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(kHangMs);
        }
    }

    // All it said on stderr so far.
    QString err()
    {
        m_err += process.readAllStandardError();
        return QString::fromLocal8Bit(m_err);
    }
    // Sends `signal` and waits for the end; the exit code, -1 for none.
    int end(int signal)
    {
        ::kill(pid_t(process.processId()), signal);
        return finished();
    }
    int finished()
    {
        if (!process.waitForFinished(kHangMs) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        return process.exitCode();
    }
    // The lines on stdout: one per bike, then the summary.
    QStringList lines() { return QString::fromLocal8Bit(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts); }

    QProcess process;

private:
    QByteArray m_err;
};

void tell(SimProcess &sim, const char *command)
{
    sim.process.write(QByteArray(command) + '\n');
    QVERIFY(sim.process.waitForBytesWritten(kHangMs));
}

// The connection test frames the tool sent so far (read index 0, 256).
qsizetype asksIn(const QString &sentBytes)
{
    QFile file(sentBytes);
    return file.open(QIODevice::ReadOnly) ? file.readAll().count(QByteArray::fromHex("50520f0001000c0d0a")) : 0;
}

QJsonArray historyIn(const QString &dataHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    const CliRun run = runWithEnvironment(QStringLiteral(VEXLOR_CLI_PATH), {"history", "--json"}, environment);
    return QJsonDocument::fromJson(run.out).array();
}

QString field(const QJsonValue &record, const char *name)
{
    return record.toObject().value(QLatin1String(name)).toString();
}

} // namespace

class TestCliLine : public QObject {
    Q_OBJECT
private slots:
    // Three bikes: the first switched off, the second unplugged from the
    // computer, each replaced by the next; the second keeps an old value,
    // so its read-back fails; Ctrl+C once the third is written. Three
    // lines and records with the list's labels (its header and blank line
    // skipped, a quoted label whole, its doubled quotes single), each
    // bike's own values backed up, the summary, exit 1.
    void threeBikesOneFailingEndedByCtrlC()
    {
        QTemporaryDir home;
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ttyCable"));
        SimProcess sim;
        QVERIFY(!sim.start({"--commands", "--link", link, "--fault", "keeps-old-value",
                            "--at-frame", "1", "--passes", "1"})
                     .isEmpty());
        const QString file = writeFile(dir, "f.vxc", "1\r\n15.0\r\n");
        const QString labels = writeFile(dir, "bikes.csv", "Label,Customer\r\nWBX-1,Ode\r\n\r\n\"WBX-2, \"\"red\"\"\",Lu\r\nWBX-3\r\nWBX-4\r\n");
        const QString starting = QString::fromLocal8Bit(runCli({"fingerprint"}, link).out).trimmed();
        const QString wanted = QString::fromLocal8Bit(runCli({"fingerprint", file}).out).trimmed();
        QVERIFY(!starting.isEmpty() && starting != wanted);

        LineProcess line(home.path(), link, {"write", file, "--each", "--bike-from", labels});
        TRY_VERIFY(line.err().contains("Bike WBX-1: disconnect its controller."));
        tell(sim, "off");
        TRY_VERIFY(line.err().contains("Bike WBX-2, \"red\": connect its controller"));
        tell(sim, "on");
        TRY_VERIFY(line.err().contains("Bike WBX-2, \"red\": disconnect its controller."));
        tell(sim, "unplug");
        TRY_VERIFY(line.err().contains("Bike WBX-3: connect its controller"));
        tell(sim, "plug");
        TRY_VERIFY(line.err().contains("Bike WBX-3: disconnect its controller."));
        QCOMPARE(line.end(SIGINT), 1);

        const QStringList lines = line.lines();
        QVERIFY2(lines.size() == 4, qPrintable(lines.join(u'\n')));
        const QStringList outcomes{"done", "failed", "done"};
        const QStringList bikes{"WBX-1", "WBX-2, \"red\"", "WBX-3"};
        for (int i = 0; i < 3; ++i) {
            const QStringList columns = lines[i].split(u'\t');
            QCOMPARE(columns.size(), 5);
            QVERIFY(QDateTime::fromString(columns[0], Qt::ISODate).isValid());
            QCOMPARE(columns[1], bikes[i]);
            QCOMPARE(columns[3], outcomes[i]);
            QCOMPARE(columns[2] == wanted, i != 1);
        }
        QVERIFY(lines[1].endsWith("than were written: Max battery current: written 15.0 A, holds 14.0 A"));
        QCOMPARE(lines[3], QStringLiteral("Written: 2, failed: 1"));
        QVERIFY(!line.err().contains("WBX-4"));

        const QJsonArray records = historyIn(home.path());
        QCOMPARE(records.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QJsonValue record = records[2 - i]; // newest first
            QCOMPARE(field(record, "operation"), QStringLiteral("write"));
            QCOMPARE(field(record, "bike"), bikes[i]);
            QCOMPARE(field(record, "outcome"), outcomes[i]);
            QCOMPARE(field(record, "fingerprint_before"), starting); // each a bike of its own
            QCOMPARE(field(record, "document_path"), file);
            QVERIFY(QFile::exists(field(record, "backup_path")));
        }
        QCOMPARE(sim.lines().count(QStringLiteral("store")), 3);
    }

    // A list of two: the line ends by itself after the second bike, exit 0.
    // Numbered after --bike: a bike left connected is asked again and again
    // but not written twice; SIGTERM while the line waits for the next bike
    // ends it at once, exit 0; so does Ctrl+C on a line no bike came to.
    void cleanLinesExitZero()
    {
        QTemporaryDir home;
        QTemporaryDir dir;
        SimProcess sim;
        const QString sent = dir.filePath(QStringLiteral("sent.bin"));
        const QString port = sim.start({"--commands", "--record", sent});
        const QString file = writeFile(dir, "f.vxc", "1\r\n15.0\r\n");
        const QString labels = writeFile(dir, "two.csv", "A\nB");
        {
            LineProcess line(home.path(), port, {"write", file, "--each", "--bike-from", labels});
            TRY_VERIFY(line.err().contains("Bike A: disconnect"));
            tell(sim, "off");
            TRY_VERIFY(line.err().contains("Bike B: connect"));
            tell(sim, "on");
            QCOMPARE(line.finished(), 0);
            QVERIFY(line.err().contains("Every label of the list has its bike: the line ends."));
            const QStringList lines = line.lines();
            QCOMPARE(lines.size(), 3);
            QCOMPARE(lines[2], QStringLiteral("Written: 2, failed: 0"));
        }
        {
            LineProcess line(home.path(), port, {"--bike", "S-", "write", file, "--each"});
            TRY_VERIFY(line.err().contains("Bike S-1: disconnect"));
            // A bike left connected is asked again and again, never written twice.
            const qsizetype asked = asksIn(sent);
            TRY_VERIFY(asksIn(sent) > asked + 10);
            QCOMPARE(sim.lines().count(QStringLiteral("store")), 3);
            tell(sim, "off");
            TRY_VERIFY(line.err().contains("Bike S-2: connect"));
            QCOMPARE(line.end(SIGTERM), 0);
            const QStringList lines = line.lines();
            QCOMPARE(lines.size(), 2);
            QVERIFY(lines[0].contains("\tS-1\t"));
            QCOMPARE(lines[1], QStringLiteral("Written: 1, failed: 0"));
        }
        {
            LineProcess line(home.path(), port, {"write", file, "--each"});
            TRY_VERIFY(line.err().contains("Bike 1: connect"));
            QCOMPARE(line.end(SIGINT), 0);
            QCOMPARE(line.lines(), QStringList{"Written: 0, failed: 0"});
        }
        QCOMPARE(historyIn(home.path()).size(), 3);
        QCOMPARE(sim.lines().count(QStringLiteral("store")), 3);
    }

    // Ctrl+C while a bike is written (at the wire's pace, so the request
    // comes between its frames): the write goes on to its store and
    // read-back, is recorded, and the line ends after it.
    void ctrlCLetsTheWriteFinish()
    {
        QTemporaryDir home;
        QTemporaryDir dir;
        SimProcess sim;
        const QString port = sim.start({"--paced"});
        const QString file = writeFile(dir, "f.vxc", "1\r\n15.0\r\n");
        LineProcess line(home.path(), port, {"write", file, "--each"});
        TRY_VERIFY(sim.lines().contains(QStringLiteral("write 1 315")));
        ::kill(pid_t(line.process.processId()), SIGINT);
        QCOMPARE(line.finished(), 0);
        QCOMPARE(sim.lines().count(QStringLiteral("store")), 1);
        const QStringList lines = line.lines();
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].contains("\t1\t") && lines[0].contains("\tdone\t"));
        QCOMPARE(lines[1], QStringLiteral("Written: 1, failed: 0"));
        QCOMPARE(historyIn(home.path()).size(), 1);
    }

    // A list that cannot be read or holds no label, or --bike-from without
    // --each: nothing is written, exit 2.
    void badLabelListsAreRefused()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, "f.vxc", "1\r\n15.0\r\n");
        const QString empty = writeFile(dir, "empty.csv", "label\r\n\r\n");
        const CliRun none = runCli({"write", file, "--each", "--bike-from", empty});
        QCOMPARE(none.exitCode, 2);
        QVERIFY2(none.err.contains("holds no bike label"), none.err.constData());
        QCOMPARE(runCli({"write", file, "--each", "--bike-from", dir.filePath("missing.csv")}).exitCode, 2);
        QCOMPARE(runCli({"write", file, "--bike-from", empty}).exitCode, 2);
        // The values are checked once, before the line starts.
        const CliRun beyond = runCli({"write", writeFile(dir, "b.vxc", "1\r\n999\r\n"), "--each"});
        QCOMPARE(beyond.exitCode, 2);
        QVERIFY(beyond.err.contains("--force"));
    }
};

QTEST_GUILESS_MAIN(TestCliLine)
#include "test_cli_line.moc"
