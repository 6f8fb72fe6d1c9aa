// vexlor-cli's compare, its guarded write and the list of backups, against
// the emulator.

#include "event_wait.h"
#include "file_bytes.h"
#include "sim_process.h"

#include "cli_run.h"

#include <QtTest>

namespace {

// The emulator printed a write or a store ("write 5 250", "kept 29 100", "store").
bool wroteAnything(SimProcess &sim)
{
    return !sim.lines().isEmpty();
}

} // namespace

class TestCliSafety : public QObject {
    Q_OBJECT
private slots:
    // compare: one tab-separated line per parameter the controller holds
    // otherwise, in the window's order, and nothing else; exit 0, 3, 1 or 2.
    void compare_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("holds the file's values") << QStringList{} << QByteArray("1\r\n14.0\r\n") << 0 << QByteArray();
        QTest::newRow("window order; reserved items never")
            << QStringList{"--set", "40=2", "--set", "8=0", "--set", "36=5", "--set", "1=300"}
            << QByteArray("1\r\n14.0\r\n") << 3
            << QByteArray("1\tMax battery current\t14.0\t14.3\n8\tUse pedal speed sensor\tOn\tOff\n"
                          "40\tHall sensor\t120\xC2\xB0 Sensors\tSensorless\n");
        QTest::newRow("the file over the initial state")
            << QStringList{} << QByteArray("29\r\n150\r\n12\r\n500\r\n") << 3 << QByteArray("29\tLevel 9\t150\t100\n");
        QTest::newRow("no controller")
            << QStringList{"--fault", "no-reply", "--always"} << QByteArray("1\r\n14.0\r\n") << 1 << QByteArray();
        QTest::newRow("a file that cannot be sent") << QStringList{} << QByteArray("1\r\nabc\r\n") << 2 << QByteArray();
    }
    void compare()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QByteArray, file);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QTemporaryDir dir;
        SimProcess sim;
        const QString port = sim.start(simArgs);
        QVERIFY(!port.isEmpty());
        const CliRun run = runCli({QStringLiteral("compare"), writeFile(dir, "f.vxc", file)}, port);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        if (exitCode == 1)
            QCOMPARE(run.err, QByteArray("Communication with controller failed!\n"));
        QVERIFY(!wroteAnything(sim));
    }

    // compare --units imperial: speeds in mph with their unit, each naming
    // the one tenth of km/h it is; everything else as in metric.
    void compareInImperial()
    {
        QTemporaryDir dir;
        SimProcess sim;
        const QString port = sim.start({"--set", "5=321", "--set", "1=300"});
        QVERIFY(!port.isEmpty());
        const QString file = writeFile(dir, "f.vxc", "1\r\n14.0\r\n5\r\n25.0\r\n");
        const CliRun run = runCli({"compare", file, "--units", "imperial"}, port);
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.out, QByteArray("1\tMax battery current\t14.0\t14.3\n5\tSpeed limit\t15.53 mph\t19.95 mph\n"));
        QVERIFY(!wroteAnything(sim));
    }

    // write: the backup (path on stderr) is what read prints for the
    // controller's settings before the write; the write is read back;
    // backups lists it.
    void writeKeepsABackupAndChecksTheResult()
    {
        QTemporaryDir dir;
        const QString backups = dir.filePath(QStringLiteral("kept"));
        SimProcess sim;
        const QString port = sim.start({"--set", "1=300", "--set", "40=2", "--set", "13=900"});
        const CliRun before = runCli({QStringLiteral("read")}, port);
        QCOMPARE(before.exitCode, 0);
        const QString file = writeFile(dir, "f.vxc", "1\r\n15.0\r\n");
        CliRun run = runCli({QStringLiteral("write"), QStringLiteral("--backup-dir"), backups, file}, port);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("Configuration of the controller was written successfully.\n"));
        const QList<QByteArray> err = run.err.split('\n');
        QVERIFY2(err.value(0).startsWith(("Backup: " + backups + '/').toLocal8Bit()), run.err.constData());
        QCOMPARE(err.value(1), QByteArray("Read back: the controller holds every value written."));
        const QString first = QString::fromLocal8Bit(err.value(0).mid(8));
        QCOMPARE(fileBytes(first), before.out);
        TRY_VERIFY(sim.lines().contains(QStringLiteral("write 1 315")));

        run = runCli({QStringLiteral("backups"), QStringLiteral("--backup-dir=") + backups});
        QCOMPARE(run.out, (first + "\tWritten, stored and checked\t\n").toLocal8Bit());
    }

    // After a write interrupted at frame 30, the next write's backup holds the
    // thirty values it wrote: backups says how each write ended and marks
    // that backup, so the undo is the newest one without the mark.
    void backupsSayHowEachWriteEnded()
    {
        QTemporaryDir dir;
        const QString backups = dir.filePath(QStringLiteral("kept"));
        SimProcess sim;
        const QString port = sim.start({"--set", "1=300", "--fault", "no-reply", "--at-frame", "30",
                                        "--passes", "1"});
        const QString file = writeFile(dir, "f.vxc", "1\r\n15.0\r\n46\r\n3000\r\n");
        const QStringList write{QStringLiteral("write"), QStringLiteral("--backup-dir"), backups, file};
        CliRun run = runCli(write, port);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.endsWith("Communication with controller interrupted!\n"));
        QCOMPARE(runCli(write, port).exitCode, 0);

        run = runCli({QStringLiteral("backups"), QStringLiteral("--backup-dir"), backups});
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.split('\n');
        QCOMPARE(lines.size(), 3);
        const QList<QByteArray> newer = lines[0].split('\t');
        const QList<QByteArray> older = lines[1].split('\t');
        QCOMPARE(newer.mid(1),
                 (QList<QByteArray>{"Written, stored and checked", "Taken after an interrupted write"}));
        QCOMPARE(older.mid(1), (QList<QByteArray>{"Interrupted at frame 30 of 60", ""}));
        QVERIFY(fileBytes(QString::fromLocal8Bit(newer[0])).startsWith("1\r\n15.0\r\n"));
        QVERIFY(fileBytes(QString::fromLocal8Bit(older[0])).startsWith("1\r\n14.3\r\n"));
    }

    // A controller that keeps another value: the read-back prints it as
    // compare would, and the write exits 1; with --no-verify nobody looks;
    // with --no-backup nothing is kept.
    void writeOptions_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<bool>("backedUp");
        const QByteArray done("Configuration of the controller was written successfully.\n");
        QTest::newRow("both") << QStringList{} << 1 << QByteArray("29\tLevel 9\t90\t100\n") << true;
        QTest::newRow("no verify") << QStringList{"--no-verify"} << 0 << done << true;
        QTest::newRow("neither") << QStringList{"--no-backup", "--no-verify"} << 0 << done << false;
    }
    void writeOptions()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(bool, backedUp);
        QTemporaryDir dir;
        SimProcess sim;
        const QString port = sim.start({"--fault", "keeps-old-value", "--at-frame", "29"});
        const QString file = writeFile(dir, "f.vxc", "29\r\n90\r\n");
        const CliRun run = runCli(QStringList{"write", "--backup-dir", dir.filePath("kept")} + options + QStringList{file},
                                  port);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err.startsWith("Backup: "), backedUp);
        QCOMPARE(QDir(dir.filePath("kept")).entryList({"*.vxc"}, QDir::Files).size(), backedUp ? 1 : 0);
        if (exitCode == 1)
            QVERIFY(run.err.endsWith("the controller holds other values than were written:\n"));
        TRY_VERIFY(sim.lines().contains(QStringLiteral("kept 29 100")));
        QVERIFY(sim.lines().contains(QStringLiteral("store")));
    }

    // Values the window would never let through its fields (its input
    // rules bound typing only): write names each with its allowed range and
    // sends nothing, no backup either; --force writes them.
    void writeRefusesValuesBeyondTheWindowsLimits_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("listed");
        QTest::addColumn<QString>("written"); // what the emulator reports with --force
        QTest::newRow("battery current") << QByteArray("1\r\n100.0\r\n")
                                         << QByteArray("Max battery current: 100.0 A (allowed: at most 30.0 A)\n")
                                         << "write 1 2100";
        QTest::newRow("level 1, phase current, stop delay")
            << QByteArray("50\r\n200\r\n21\r\n250\r\n12\r\n100\r\n")
            << QByteArray("Stop after: 100 ms stop pedaling (allowed: 200 ms or more)\n"
                          "Level 1: 250 % (allowed: at most 100 %)\n"
                          "Max phase current: 200 A (allowed: at most 70 A)\n")
            << "write 21 250";
        QTest::newRow("start voltage above the full voltage")
            << QByteArray("17\r\n3.0\r\n18\r\n2.5\r\n")
            << QByteArray("Full: 2.5 V (allowed: from the start voltage, 3.0 V, to 4.2 V)\n")
            << "write 18 34500";
        QTest::newRow("full voltage just below the start voltage")
            << QByteArray("17\r\n1.2\r\n18\r\n1.1\r\n")
            << QByteArray("Full: 1.1 V (allowed: from the start voltage, 1.2 V, to 4.2 V)\n")
            << "write 18 15180";
        // The level count's field takes no typing; its up-down steps 1 to 9.
        QTest::newRow("twelve PAS levels") << QByteArray("20\r\n12\r\n")
                                           << QByteArray("PAS levels (1~9): 12 (allowed: 1 to 9)\n")
                                           << "write 20 12";
        QTest::newRow("no PAS level") << QByteArray("20\r\n0\r\n")
                                      << QByteArray("PAS levels (1~9): 0 (allowed: 1 to 9)\n") << "write 20 0";
        QTest::newRow("start voltage too low") << QByteArray("17\r\n0.5\r\n")
                                               << QByteArray("Start voltage: 0.5 V (allowed: 0.9 V to 3.0 V)\n")
                                               << "write 17 6900";
    }
    void writeRefusesValuesBeyondTheWindowsLimits()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, listed);
        QFETCH(QString, written);
        QTemporaryDir dir;
        const QString backups = dir.filePath(QStringLiteral("kept"));
        SimProcess sim;
        const QString port = sim.start({});
        const QString path = writeFile(dir, "f.vxc", file);
        CliRun run = runCli({QStringLiteral("write"), QStringLiteral("--backup-dir"), backups, path}, port);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, "These values are outside the limits the window allows:\n" + listed
                     + "Nothing was written. Give --force to write them all the same.\n");
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFileInfo::exists(backups));

        run = runCli({QStringLiteral("write"), QStringLiteral("--force"), QStringLiteral("--backup-dir"),
                      backups, path},
                     port);
        QCOMPARE(run.exitCode, 0);
        TRY_VERIFY(sim.lines().contains(written));
        QCOMPARE(runCli({QStringLiteral("compare"), path}, port).exitCode, 0);
        QCOMPARE(runCli({QStringLiteral("encode"), path}, port).exitCode, 0);
    }

    // The full voltage may equal the start voltage: written without --force.
    void fullVoltageEqualToTheStartVoltageIsWritten()
    {
        QTemporaryDir dir;
        SimProcess sim;
        const QString port = sim.start({});
        const QString path = writeFile(dir, "f.vxc", "17\r\n1.2\r\n18\r\n1.2\r\n");
        const CliRun run = runCli({QStringLiteral("write"), QStringLiteral("--backup-dir"),
                                   dir.filePath(QStringLiteral("kept")), path},
                                  port);
        QCOMPARE(run.exitCode, 0);
        QTRY_VERIFY(sim.lines().contains(QStringLiteral("write 18 16560")));
    }

    // A backup read that stops or never starts: the read's own failure, and
    // that nothing was written and no backup kept.
    void backupReadThatStopsWritesNothing_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QByteArray>("failure");
        QTest::newRow("no answer at all") << "0" << QByteArray("Communication with controller failed!");
        QTest::newRow("no answer at 30") << "30" << QByteArray("Communication with controller interrupted!");
    }
    void backupReadThatStopsWritesNothing()
    {
        QFETCH(QString, frame);
        QFETCH(QByteArray, failure);
        QTemporaryDir dir;
        const QString backups = dir.filePath(QStringLiteral("kept"));
        SimProcess sim;
        const QString port = sim.start({"--fault", "no-reply", "--at-frame", frame});
        const CliRun run = runCli({QStringLiteral("write"), QStringLiteral("--backup-dir"), backups,
                                   writeFile(dir, "f.vxc", "1\r\n15.0\r\n")},
                                  port);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, failure
                     + "\nThe controller's settings could not be read for a backup, so nothing was "
                       "written and no backup was kept.\n");
        QVERIFY(run.out.isEmpty());
        QVERIFY(QDir(backups).entryList({QStringLiteral("*.vxc")}, QDir::Files).isEmpty());
        QVERIFY(!wroteAnything(sim));
    }

    // Nothing is written when the backup cannot be kept, nor on a bad call.
    void writeThatDoesNotStart_data()
    {
        QTest::addColumn<QStringList>("args"); // "FILE" and "BLOCKED" stand for paths
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("backup folder is a file")
            << QStringList{"write", "--backup-dir", "BLOCKED", "FILE"} << QByteArray("could not be kept as a backup, so nothing was written.\n\nCannot create file ");
        QTest::newRow("unknown option") << QStringList{"write", "--no-such", "FILE"} << QByteArray("Unknown option 'no-such'.");
        QTest::newRow("two files") << QStringList{"write", "FILE", "FILE"} << QByteArray("Usage: vexlor-cli write [--force] [--no-backup]");
        QTest::newRow("backups takes no file") << QStringList{"backups", "FILE"} << QByteArray("Usage: vexlor-cli backups [--backup-dir DIR]");
    }
    void writeThatDoesNotStart()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, err);
        QTemporaryDir dir;
        const QString blocked = writeFile(dir, "blocked", "x");
        args.replaceInStrings(QStringLiteral("BLOCKED"), blocked);
        args.replaceInStrings(QStringLiteral("FILE"), writeFile(dir, "f.vxc", "1\r\n15.0\r\n"));
        SimProcess sim;
        const CliRun run = runCli(args, sim.start({}));
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(err), run.err.constData());
        QVERIFY(!wroteAnything(sim));
        QCOMPARE(fileBytes(blocked), QByteArray("x"));
    }

    // Without --backup-dir: the window's data folder; the help names it and
    // the exit codes.
    void defaultFolderAndHelp()
    {
        const QString folder = cliDataHome() + QStringLiteral("/vexlor-adjustor/backups");
        QVERIFY(QDir().mkpath(folder));
        for (const char *name : {"2026-01-02_03-04-05.vxc", "2026-01-02_03-04-05-2.vxc", "notes.vxc"}) {
            QFile file(folder + u'/' + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        CliRun run = runCli({QStringLiteral("backups")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, (folder + "/2026-01-02_03-04-05-2.vxc\tNot recorded\t\n" + folder
                           + "/2026-01-02_03-04-05.vxc\tNot recorded\t\n")
                              .toLocal8Bit());

        run = runCli({QStringLiteral("--help")});
        QVERIFY(run.out.contains(("Backups go to " + folder + " unless --backup-dir").toLocal8Bit()));
        QVERIFY(run.out.contains("\ncompare exits 0 when the controller holds the file's values, 3 when "
                                 "some differ, 1 on a controller or link failure, 2 on bad input or usage.\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliSafety)
#include "test_cli_safety.moc"
