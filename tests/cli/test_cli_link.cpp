#include "event_wait.h"
#include "sim_process.h"

#include "cli_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <unistd.h>

// vexlor-cli's link commands against the emulator.
class TestCliLink : public QObject {
    Q_OBJECT
private slots:
    // test: the version on success, the failure text and exit 1 otherwise; a
    // short reply that starts with 0x59 still counts.
    void testCommand_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("ok") << QStringList{"--version", "2-9"} << 0
                            << QByteArray("Connection to controller is OK!\nController software version: v2-9\n");
        QTest::newRow("short reply") << QStringList{"--fault", "short-reply"} << 0
                                     << QByteArray("Controller software version: v1-35\n");
        QTest::newRow("no reply") << QStringList{"--fault", "no-reply"} << 1
                                  << QByteArray("Connection to controller is not detected!\n");
    }
    void testCommand()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, expected);
        SimProcess sim;
        const QString path = sim.start(simArgs);
        QVERIFY(!path.isEmpty());
        const CliRun run = runCli({QStringLiteral("test")}, path);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((exitCode == 0 ? run.out : run.err).contains(expected), run.err.constData());
    }

    // --port wins over VEXLOR_PORT; a path that does not exist is "no port".
    void portOptionOverridesEnvironment()
    {
        SimProcess sim;
        const QString path = sim.start({});
        QVERIFY(!path.isEmpty());
        CliRun run = runCli({QStringLiteral("--port"), path, QStringLiteral("test")},
                         QStringLiteral("/dev/does-not-exist"));
        QCOMPARE(run.exitCode, 0);
        run = runCli({QStringLiteral("--port"), QStringLiteral("/dev/does-not-exist"), QStringLiteral("test")},
                     path);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("/dev/does-not-exist"));
        QVERIFY(run.err.contains("Connection to controller is not detected!"));
    }

    // Guards the terminal against the port's text: a path with control
    // characters, from --port or VEXLOR_PORT, is quoted escaped.
    void missingPortIsQuotedEscaped()
    {
        const QString port = QStringLiteral("/x\x1B]0;owned\x07");
        for (const bool fromEnvironment : {false, true}) {
            const CliRun run = fromEnvironment ? runCli({QStringLiteral("test")}, port)
                                               : runCli({QStringLiteral("--port"), port, QStringLiteral("test")});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.startsWith("No serial device at /x\\x1B]0;owned\\x07.\n"), run.err.constData());
            QVERIFY(!run.err.contains('\x1B'));
        }
    }

    // A port the user may not open: the fix that works (the cable rule the
    // package installs, the dialout group) and exit 1, at once. The
    // emulator's pseudo-terminal is made its owner's only; as root (who opens
    // anything) the tool runs as nobody.
    void permissionRefusedNamesTheFix()
    {
        SimProcess sim;
        const QString path = sim.start({});
        QVERIFY(!path.isEmpty());
        QString program = QStringLiteral(VEXLOR_CLI_PATH);
        QStringList args{QStringLiteral("test")};
        if (::geteuid() == 0) {
            program = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (program.isEmpty())
                QSKIP("setpriv (util-linux) is needed to run the tool without root");
            args = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", VEXLOR_CLI_PATH} + args;
            if (runProgram(program, args.mid(0, 4) + QStringList{"--version"}).exitCode != 0)
                QSKIP("nobody cannot run the tool from this build folder");
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        } else {
            QVERIFY(QFile::setPermissions(path, {}));
        }
        const CliRun run = runProgram(program, args, path);
        QCOMPARE(run.exitCode, 1);
        for (const char *part : {"permission denied", "packaging/70-vexlor-cable.rules",
                                 "unplug the cable and plug it in again", "usermod -aG dialout",
                                 "Connection to controller is not detected!"})
            QVERIFY2(run.err.contains(part), run.err.constData());
    }

    // ports marks the device the commands would use.
    void portsMarksThePick()
    {
        SimProcess sim;
        const QString path = sim.start({});
        const CliRun run = runCli({QStringLiteral("ports")}, path);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(("* " + path).toLocal8Bit()));
    }

    // read: the controller's values as a .vxc file, decoded in the file's
    // format; the success text on stderr so stdout stays the file.
    void readWritesTheControllersValues()
    {
        SimProcess sim;
        const QString path = sim.start({"--set", "1=315", "--set", "6=3"});
        const CliRun run = runCli({QStringLiteral("read")}, path);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("1\r\n15.0\r\n2\r\n31.5\r\n"));
        QVERIFY(run.out.contains("\r\n6\r\n3\r\n"));
        QCOMPARE(run.err, QByteArray("Configuration of the controller was read successfully.\n"));

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("read.vxc"));
        QCOMPARE(runCli({QStringLiteral("read"), file}, path).exitCode, 0);
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), run.out);
    }

    // read into a path that cannot be written: exit 2 with "Cannot create
    // file", and no word of success, so a script never believes a backup was
    // saved. The paths fail for root too (the tests run as root in CI): a
    // file name under a regular file, a folder's name, and a read-only file
    // in /proc, where nothing can be created either.
    void readIntoUnwritablePathFails_data()
    {
        QTest::addColumn<QString>("target"); // relative to a fresh folder unless absolute
        QTest::newRow("under a regular file") << QStringLiteral("file.vxc/read.vxc");
        QTest::newRow("a folder name") << QStringLiteral("folder");
        QTest::newRow("read-only file in /proc") << QStringLiteral("/proc/version");
    }
    void readIntoUnwritablePathFails()
    {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QFile regular(dir.filePath(QStringLiteral("file.vxc")));
        QVERIFY(regular.open(QIODevice::WriteOnly));
        regular.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const QString path = QDir::isAbsolutePath(target) ? target : dir.filePath(target);

        SimProcess sim;
        const QString port = sim.start({});
        QVERIFY(!port.isEmpty());
        const CliRun run = runCli({QStringLiteral("read"), path}, port);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, ("Cannot create file " + path + '\n').toLocal8Bit());
        QVERIFY(run.out.isEmpty());
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
        QCOMPARE(QFileInfo(regular.fileName()).size(), 0);
    }

    // write: the file's values reach the controller and are stored; a failed
    // store gives the notice and exit 1; a bad file sends nothing, exit 2.
    void writeCommand()
    {
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("good.vxc"));
        QFile file(good);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1\r\n15.0\r\n");
        file.close();

        SimProcess sim;
        QString path = sim.start({});
        CliRun run = runCli({QStringLiteral("write"), good}, path);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("Configuration of the controller was written successfully.\n"));
        TRY_VERIFY(sim.lines().contains(QStringLiteral("write 1 315")));
        QVERIFY(sim.lines().contains(QStringLiteral("store")));

        SimProcess noStore;
        path = noStore.start({"--fault", "no-store-reply"});
        run = runCli({QStringLiteral("write"), good}, path);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("flash write protection"));
        QVERIFY(run.err.contains("ST-LINK_Installation_EN.pdf"));

        const QString bad = dir.filePath(QStringLiteral("bad.vxc"));
        QFile badFile(bad);
        QVERIFY(badFile.open(QIODevice::WriteOnly));
        badFile.write("1\r\nabc\r\n");
        badFile.close();
        SimProcess untouched;
        path = untouched.start({});
        run = runCli({QStringLiteral("write"), bad}, path);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(untouched.lines().isEmpty());
    }

    // A failure mid-write reports the transaction's message, exit 1, no store.
    void interruptedWriteExitsWith1()
    {
        SimProcess sim;
        const QString path = sim.start({"--fault", "bad-status", "--at-frame", "7"});
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("good.vxc"));
        QFile file(good);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1\r\n15.0\r\n");
        file.close();
        const CliRun run = runCli({QStringLiteral("write"), good}, path);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("Communication with controller interrupted!"));
        QVERIFY(!sim.lines().contains(QStringLiteral("store")));
    }

    // doctor on the real system, through the emulator's pseudo-terminal named
    // before or after the command, or in VEXLOR_PORT: nine lines in order
    // (the cable checks skipped, no USB port), the controller's verdict
    // deciding the exit code; --json the same with English keys; anything
    // else is bad usage.
    void doctorCommand_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QString>("portAt"); // "before", "after", "environment"
        QTest::addColumn<bool>("json");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("controller"); // the controller line's start
        const QString ok = QStringLiteral("ok\tcontroller\tThe controller answers: software version v2-9.");
        const QString silent = QStringLiteral("fail\tcontroller\tThe cable answers but the controller does not");
        QTest::newRow("answers, port after") << QStringList{"--version", "2-9"} << "after" << false << 0 << ok;
        QTest::newRow("answers, port before") << QStringList{"--version", "2-9"} << "before" << false << 0 << ok;
        QTest::newRow("answers, json") << QStringList{"--version", "2-9"} << "environment" << true << 0 << ok;
        QTest::newRow("silent") << QStringList{"--fault", "no-reply", "--always"} << "after" << false << 1 << silent;
        QTest::newRow("silent, json") << QStringList{"--fault", "no-reply", "--always"} << "after" << true << 1 << silent;
    }
    void doctorCommand()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QString, portAt);
        QFETCH(bool, json);
        QFETCH(int, exitCode);
        QFETCH(QString, controller);
        SimProcess sim;
        const QString path = sim.start(simArgs);
        QVERIFY(!path.isEmpty());
        QStringList args{QStringLiteral("doctor")};
        if (json)
            args << QStringLiteral("--json");
        if (portAt == u"after")
            args << QStringLiteral("--port") << path;
        else if (portAt == u"before")
            args = QStringList{QStringLiteral("--port=") + path} + args;
        const CliRun run = runCli(args, portAt == u"environment" ? path : QString());
        QCOMPARE(run.exitCode, exitCode);

        QStringList lines;
        if (json) {
            const QJsonArray array = QJsonDocument::fromJson(run.out).array();
            for (const QJsonValue &value : array) {
                const QJsonObject o = value.toObject();
                QCOMPARE(o.keys(), QStringList({"check", "detail", "fix", "status"}));
                lines << o.value(QStringLiteral("status")).toString() + u'\t' + o.value(QStringLiteral("check")).toString()
                        + u'\t' + o.value(QStringLiteral("detail")).toString();
            }
        } else {
            lines = QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
        }
        QStringList checks;
        for (const QString &line : std::as_const(lines))
            checks << line.section(u'\t', 1, 1);
        QCOMPARE(checks, QStringList({"cable", "driver", "access", "busy", "modemmanager", "brltty",
                                      "latency", "sandbox", "controller"}));
        QVERIFY2(lines[0].startsWith(QStringLiteral("skip\tcable\t") + path), qPrintable(lines[0]));
        QVERIFY2(lines[2].startsWith(QStringLiteral("ok\taccess\t")), qPrintable(lines[2]));
        QVERIFY2(lines[3].startsWith(QStringLiteral("skip\tbusy\t")), qPrintable(lines[3]));
        QVERIFY2(lines[8].startsWith(controller), qPrintable(lines[8]));
    }

    void doctorBadUsage()
    {
        for (const QStringList &args : {QStringList{"doctor", "--yaml"}, QStringList{"doctor", "--port"}}) {
            const CliRun run = runCli(args);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains("Usage: vexlor-cli doctor [--port DEVICE] [--json]"), run.err.constData());
            QVERIFY(run.out.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestCliLink)
#include "test_cli_link.moc"
