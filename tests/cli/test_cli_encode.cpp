#include "cli_run.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

QString writeFile(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace

class TestCliEncode : public QObject {
    Q_OBJECT
private slots:
    // Guards the command a script relies on: sixty "index value" lines, exit 0.
    void encodePrintsTheSixtyValues()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, "full.vxc", "18\r\n4.2\r\n");
        const CliRun run = runCli({QStringLiteral("encode"), file});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 60);
        QCOMPARE(lines.first(), QByteArray("0 256"));
        QCOMPARE(lines[1], QByteArray("1 294"));
        QCOMPARE(lines[18], QByteArray("18 57959"));
        QCOMPARE(lines[5], QByteArray("5 250"));
        QCOMPARE(lines.last(), QByteArray("59 0"));
    }

    // Guards the global option placed before the command.
    void noSpeedLimitSends9000()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, "speed.vxc", "5\r\nfast\r\n");
        const CliRun run = runCli({QStringLiteral("--no-speed-limit"), QStringLiteral("encode"), file});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("\n5 9000\n"));
    }

    void badInputExitsWith2_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("out of range") << QByteArray("7\r\n70000\r\n") << QStringList{"encode", "@"}
                                      << QByteArray("'70000' is out of range for Wheel perimeter: the "
                                                    "controller accepts 0 to 65535.");
        QTest::newRow("not a number") << QByteArray("1\r\nabc\r\n") << QStringList{"encode", "@"}
                                      << QByteArray("'abc' is not a valid floating point value");
        QTest::newRow("malformed file") << QByteArray("1\r\n14.0\r\n2") << QStringList{"encode", "@"}
                                        << QByteArray("List index out of bounds (3)");
        QTest::newRow("old-version file") << QByteArray("40\r\n\r\n") << QStringList{"encode", "@"}
                                          << QByteArray("lacks the Hall sensor type");
        QTest::newRow("missing file") << QByteArray() << QStringList{"encode", "/nonexistent/x.vxc"}
                                      << QByteArray("Cannot open file /nonexistent/x.vxc");
        QTest::newRow("terminal escape in a value")
            << QByteArray("1\r\n\x1B]0;owned\x07\r\n") << QStringList{"encode", "@"}
            << QByteArray("'\\x1B]0;owned\\x07' is not a valid floating point value");
        QTest::newRow("terminal escape in a command") << QByteArray() << QStringList{"\x1B[2J"}
                                                      << QByteArray("Unknown command '\\x1B[2J'");
        QTest::newRow("no file") << QByteArray() << QStringList{"encode"} << QByteArray("Usage: vexlor-cli encode FILE");
        QTest::newRow("unknown command") << QByteArray() << QStringList{"frobnicate"}
                                         << QByteArray("Unknown command 'frobnicate'");
        QTest::newRow("no command") << QByteArray() << QStringList{} << QByteArray("COMMAND");
        QTest::newRow("unknown option") << QByteArray() << QStringList{"--bogus", "encode"} << QByteArray("bogus");
    }

    // Guards exit code 2 with the message on stderr (never a raw escape
    // character from the input) and nothing on stdout.
    void badInputExitsWith2()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, args);
        QFETCH(QByteArray, message);
        QTemporaryDir dir;
        const QString file = writeFile(dir, "bad.vxc", content);
        args.replaceInStrings(QStringLiteral("@"), file);
        const CliRun run = runCli(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(message), run.err.constData());
        QVERIFY(!run.err.contains('\x1B'));
    }

    void nonRegularFileIsRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("refused"); // the path the message names
        QTest::newRow("encode a named pipe") << QStringList{"encode", "@"} << "@";
        QTest::newRow("diff, pipe first") << QStringList{"diff", "@", "/dev/null"} << "@";
        QTest::newRow("diff, pipe second") << QStringList{"diff", "%", "@"} << "@";
        QTest::newRow("write a named pipe") << QStringList{"write", "@"} << "@";
        QTest::newRow("encode a device") << QStringList{"encode", "/dev/null"} << "/dev/null";
    }
    // Guards the commands that read a .vxc against a FIFO or a device: refused
    // with exit 2 at once, not stuck waiting for a writer (a regression ends at
    // runCli's deadline with exit -1).
    void nonRegularFileIsRefused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, refused);
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("pipe.vxc"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString good = writeFile(dir, "good.vxc", "6\r\n4\r\n");
        args.replaceInStrings(QStringLiteral("@"), fifo).replaceInStrings(QStringLiteral("%"), good);
        refused.replace(u'@', fifo);
        const CliRun run = runCli(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err, ("Cannot open file " + refused + ": it is not a regular file.\n").toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestCliEncode)
#include "test_cli_encode.moc"
