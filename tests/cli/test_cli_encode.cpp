#include "cli_run.h"
#include "file_bytes.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

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
        // Before the controller is asked: the option a user meant is not a file's name.
        QTest::newRow("option after read") << QByteArray() << QStringList{"read", "--force"}
                                           << QByteArray("Usage: vexlor-cli read [FILE]");
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

    void unusableFileIsRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("refused"); // the path the message names
        QTest::addColumn<QString>("message"); // %1: that path
        const QString notRegular = QStringLiteral("Cannot open file %1: it is not a regular file.");
        QTest::newRow("encode a named pipe") << QStringList{"encode", "@"} << "@" << notRegular;
        QTest::newRow("diff, pipe first") << QStringList{"diff", "@", "/dev/null"} << "@" << notRegular;
        QTest::newRow("diff, pipe second") << QStringList{"diff", "%", "@"} << "@" << notRegular;
        QTest::newRow("write a named pipe") << QStringList{"write", "@"} << "@" << notRegular;
        // read's target: refused before any controller is looked for (there
        // is none here: a read that went on would fail with exit 1).
        const QString notRegularTarget = QStringLiteral("Cannot create file %1: it is not a regular file.");
        QTest::newRow("read into a named pipe") << QStringList{"read", "@"} << "@" << notRegularTarget;
        QTest::newRow("read into a device") << QStringList{"read", "/dev/null"} << "/dev/null"
                                            << notRegularTarget;
        QTest::newRow("encode a device") << QStringList{"encode", "/dev/null"} << "/dev/null" << notRegular;
        const QString noSettings = QStringLiteral("The file %1 contains no settings.");
        QTest::newRow("encode an empty file") << QStringList{"encode", "0"} << "0" << noSettings;
        QTest::newRow("encode blank lines") << QStringList{"encode", "_"} << "_" << noSettings;
        QTest::newRow("write an empty file") << QStringList{"write", "0"} << "0" << noSettings;
        QTest::newRow("compare an empty file") << QStringList{"compare", "_"} << "_" << noSettings;
        QTest::newRow("diff, empty first") << QStringList{"diff", "0", "%"} << "0" << noSettings;
        QTest::newRow("diff, empty second") << QStringList{"diff", "%", "_"} << "_" << noSettings;
    }
    // Guards the commands that read a .vxc: a FIFO or a device is refused at
    // once, not waited on for a writer (a regression ends at the short
    // deadline with exit -1), and a file without settings (empty, or blank
    // lines only) is refused rather than taken for the initial state; exit 2
    // before any controller is looked for.
    void unusableFileIsRefused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, refused);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("pipe.vxc"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QMap<QString, QString> files{
            {QStringLiteral("@"), fifo},
            {QStringLiteral("%"), writeFile(dir, "good.vxc", "6\r\n4\r\n")},
            {QStringLiteral("0"), writeFile(dir, "empty.vxc", "")},
            {QStringLiteral("_"), writeFile(dir, "blank.vxc", "\r\n\r\n")},
        };
        for (QString &arg : args)
            arg = files.value(arg, arg);
        refused = files.value(refused, refused);
        const CliRun run = runCli(args, {}, kShortDeadlineMs);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err, (message.arg(refused) + u'\n').toUtf8());
    }

    // "vexlor-cli COMMAND --help" is a question, not a call: the command's
    // usage and summary on stdout, exit 0, and nothing run.
    void commandHelpPrintsItsUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("read --help") << QStringList{"read", "--help"}
                                     << QByteArray("Usage: vexlor-cli read [FILE]\n  read the controller's "
                                                   "configuration into FILE (or stdout) as a .vxc file\n");
        QTest::newRow("encode -h") << QStringList{"encode", "-h"}
                                   << QByteArray("Usage: vexlor-cli encode FILE\n  apply FILE over the initial "
                                                 "state and print the sixty values a write would send\n");
        QTest::newRow("after other arguments") << QStringList{"write", "--force", "f.vxc", "--help"}
                                               << QByteArray("Usage: vexlor-cli write [--force] [--no-backup] "
                                                             "[--no-verify] [--backup-dir DIR] FILE [--each "
                                                             "[--bike-from FILE.csv]]\n");
    }
    void commandHelpPrintsItsUsage()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, out);
        const CliRun run = runCli(args, {}, kShortDeadlineMs);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.startsWith(out), run.out.constData());
        QVERIFY(run.err.isEmpty());
    }

    // A UTF-16 file (Notepad's "Unicode") reads as the same file in plain text.
    void utf16FileEncodesAsItsText()
    {
        QTemporaryDir dir;
        const QByteArray plain("1\r\n15.0\r\n20\r\n5\r\n");
        QByteArray marked("\xFF\xFE");
        for (const char c : plain)
            marked.append(c).append('\0');
        const CliRun run = runCli({QStringLiteral("encode"), writeFile(dir, "unicode.vxc", marked)});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, runCli({QStringLiteral("encode"), writeFile(dir, "plain.vxc", plain)}).out);
        QVERIFY(run.out.contains("1 315\n"));
    }

    // Guards the quoting: a message quotes a value as the file holds it, not
    // as the decimal-separator fix-up turned it for the user's locale.
    void messagesQuoteTheFilesText()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, "comma.vxc", "1\r\n14.0\r\n7\r\n2.154\r\n");
        const CliRun run = runCliInLocale({"LC_NUMERIC=de_DE.UTF-8"}, {"encode", file});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QByteArray("'2.154' is not a valid integer value\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliEncode)
#include "test_cli_encode.moc"
