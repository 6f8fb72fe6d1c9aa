// The Windows build under Wine against the controller emulator: its serial
// port, and vexlor-cli.exe doing what the Linux CLI does, frame for frame.

#include "sim_process.h"
#include "wine_run.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kWinePort = QStringLiteral("COM9");

// One run of a CLI against a fresh emulator: what it printed, what the
// emulator received and noted, and the file it wrote.
struct Observed {
    CliRun run;
    QByteArray frames;
    QStringList notes;
    QByteArray file;
};

// What differs between the two platforms by nature: the port's name, the
// backups' times and the folders files sit in.
QByteArray normalized(QByteArray text, const QString &port, const QString &folder)
{
    QString t = QString::fromUtf8(text);
    t.replace(port, QStringLiteral("PORT"));
    t.replace(QStringLiteral("Z:") + folder, folder);
    t.replace(folder, QStringLiteral("FOLDER"));
    t.replace(QRegularExpression(QStringLiteral("\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d")),
              QStringLiteral("TIME"));
    t.replace(QRegularExpression(QStringLiteral("\\S*ST-LINK_Installation_EN.pdf")),
              QStringLiteral("GUIDE"));
    return t.toUtf8();
}

} // namespace

class TestWindowsLink : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(QFile::exists(windowsProgram(QStringLiteral("vexlor-cli.exe")))); }

    // The port's own contract, checked by the Windows program
    // test_windows_serial_port against the emulator on a mapped port.
    void serialPortUnderWine()
    {
        SimProcess sim;
        const QString device = sim.start({});
        QVERIFY(!device.isEmpty());
        QVERIFY(mapWinePort(kWinePort, device));
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("log.txt"));
        const CliRun run = runUnderWine(QStringLiteral("test_windows_serial_port.exe"),
                                        {QStringLiteral("-o"), log + QStringLiteral(",txt")},
                                        {QStringLiteral("VEXLOR_TEST_PORT=") + kWinePort});
        QFile file(log);
        (void)file.open(QIODevice::ReadOnly);
        QVERIFY2(run.exitCode == 0, file.readAll().constData());
    }

    void cliMatchesLinux_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QStringList>("cliArgs"); // FILE: a file of the run's folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("says"); // on stdout or stderr
        const QStringList noGuard{"--no-backup", "--no-verify"};
        QTest::newRow("test") << QStringList{"--version", "2-9"} << QStringList{"test"} << 0
                              << QByteArray("Controller software version: v2-9");
        QTest::newRow("test, no reply") << QStringList{"--fault", "no-reply", "--always"}
                                        << QStringList{"test"} << 1
                                        << QByteArray("Connection to controller is not detected!");
        QTest::newRow("read to stdout") << QStringList{"--set", "1=315", "--set", "20=3"}
                                        << QStringList{"read"} << 0 << QByteArray("1\r\n15.0\r\n");
        QTest::newRow("read into a file") << QStringList{"--set", "7=2074"}
                                          << QStringList{"read", "FILE"} << 0
                                          << QByteArray("was read successfully");
        QTest::newRow("write, backed up and verified")
            << QStringList{} << QStringList{"write", "--backup-dir", "FOLDER", "FILE"} << 0
            << QByteArray("was written successfully");
        QTest::newRow("compare") << QStringList{"--set", "1=300"} << QStringList{"compare", "FILE"} << 3
                                 << QByteArray("Max battery current\t15.0\t14.3");
        QTest::newRow("no reply mid-write")
            << QStringList{"--fault", "no-reply", "--at-frame", "7"} << QStringList{"write"} + noGuard + QStringList{"FILE"}
            << 1 << QByteArray("Communication with controller interrupted!");
        QTest::newRow("store refused") << QStringList{"--fault", "no-store-reply"}
                                       << QStringList{"write"} + noGuard + QStringList{"FILE"} << 1
                                       << QByteArray("flash write protection");
        QTest::newRow("cable pulled mid-write")
            << QStringList{"--fault", "cable-pulled", "--at-frame", "12"}
            << QStringList{"write"} + noGuard + QStringList{"FILE"} << 1
            << QByteArray("Communication with controller interrupted!");
    }
    // The same emulator, the same command: the same exit code, output,
    // messages and file, and the same bytes on the wire.
    void cliMatchesLinux()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QStringList, cliArgs);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, says);
        const Observed linux = observe(simArgs, cliArgs, false);
        const Observed windows = observe(simArgs, cliArgs, true);
        QCOMPARE(linux.run.exitCode, exitCode);
        QVERIFY2((linux.run.out + linux.run.err).contains(says), linux.run.err.constData());
        QCOMPARE(windows.run.exitCode, linux.run.exitCode);
        QCOMPARE(windows.run.out, linux.run.out);
        QCOMPARE(windows.run.err, linux.run.err);
        QCOMPARE(windows.file, linux.file);
        QCOMPARE(windows.notes, linux.notes);
        QVERIFY(!linux.frames.isEmpty());
        QCOMPARE(windows.frames.toHex(' '), linux.frames.toHex(' '));
    }

private:
    // Runs the CLI (Linux's, or Windows' under Wine on a mapped port) against
    // a fresh emulator; FILE in `cliArgs` is a file holding one changed value,
    // FOLDER a folder, both the run's own.
    Observed observe(const QStringList &simArgs, QStringList cliArgs, bool underWine)
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("bike.vxc"));
        QFile vxc(file);
        if (vxc.open(QIODevice::WriteOnly))
            vxc.write("1\r\n15.0\r\n7\r\n2100\r\n");
        vxc.close();
        if (cliArgs.first() == QLatin1String("read"))
            QFile::remove(file);
        cliArgs.replaceInStrings(QStringLiteral("FILE"), file);
        cliArgs.replaceInStrings(QStringLiteral("FOLDER"), dir.filePath(QStringLiteral("backups")));

        Observed seen;
        const QString record = dir.filePath(QStringLiteral("frames.bin"));
        SimProcess sim;
        const QString device = sim.start(simArgs + QStringList{QStringLiteral("--record"), record});
        if (device.isEmpty())
            return seen;
        QString port = device;
        if (underWine) {
            port = kWinePort;
            if (!mapWinePort(port, device))
                return seen;
            seen.run = runUnderWine(QStringLiteral("vexlor-cli.exe"), QStringList{"--port", port} + cliArgs);
        } else {
            seen.run = runCli(QStringList{"--port", port} + cliArgs);
        }
        seen.notes = sim.stop();
        seen.run.out = normalized(seen.run.out, port, dir.path());
        seen.run.err = normalized(seen.run.err, port, dir.path());
        QFile frames(record);
        if (frames.open(QIODevice::ReadOnly))
            seen.frames = frames.readAll();
        QFile written(file);
        if (written.open(QIODevice::ReadOnly))
            seen.file = written.readAll();
        return seen;
    }
};

QTEST_GUILESS_MAIN(TestWindowsLink)
#include "test_windows_link.moc"
