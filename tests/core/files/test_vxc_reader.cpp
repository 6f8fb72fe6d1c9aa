#include "files/vxc_reader.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

using namespace vexlor;

namespace {

ConfigurationRead parsePoint(const QByteArray &bytes)
{
    return parseConfiguration(bytes, NumberFormat::point());
}

// The initial state with a file's pairs applied; the question answers `yes`.
ParameterSnapshot applied(const ConfigurationRead &read, bool yes = true)
{
    ParameterSnapshot s = ParameterSnapshot::initial();
    applyToSnapshot(s, read.entries, [yes] { return yes; });
    return s;
}

// `text` as UTF-16 with its byte-order mark, as Notepad saves "Unicode".
QByteArray utf16(const QString &text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const QChar c : text) {
        const char low = char(c.unicode() & 0xFF);
        const char high = char(c.unicode() >> 8);
        bytes.append(littleEndian ? low : high).append(littleEndian ? high : low);
    }
    return bytes;
}

// Opening a FIFO for reading blocks until a writer comes. Should the reader
// under test get stuck there, this opens the writing end after a short
// deadline, so the test fails on the reader's result within seconds instead
// of hanging until the test's own time runs out.
void releaseFifoLater(const QString &fifo)
{
    std::thread([path = QFile::encodeName(fifo)] {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }).detach();
}

} // namespace

class TestVxcReader : public QObject {
    Q_OBJECT
private slots:
    void lineSplitting_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("CR LF") << QByteArray("1\r\n2\r\n") << QStringList{"1", "2"};
        QTest::newRow("LF") << QByteArray("1\n2\n") << QStringList{"1", "2"};
        QTest::newRow("CR") << QByteArray("1\r2\r") << QStringList{"1", "2"};
        QTest::newRow("no final line end") << QByteArray("1\r\n2") << QStringList{"1", "2"};
        QTest::newRow("mixed, blank line counts") << QByteArray("1\n\r\n\r3") << QStringList{"1", "", "", "3"};
        QTest::newRow("LF CR is two ends") << QByteArray("1\n\r2") << QStringList{"1", "", "2"};
    }

    // Guards the pairing: a wrong line count shifts every key onto a value.
    void lineSplitting()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(splitConfigurationLines(bytes), lines);
    }

    // Guards partial files: only the keys present change, nothing gets a default.
    void partialFileChangesOnlyItsKeys()
    {
        const ConfigurationRead read = parsePoint("3\r\n15\r\n");
        QVERIFY(read.ok());
        ParameterSnapshot expected = ParameterSnapshot::initial();
        expected[3].number = 10; // clamped into the track bar's range
        QCOMPARE(applied(read), expected);
        QVERIFY(parsePoint("").ok());
        QCOMPARE(applied(parsePoint("")), ParameterSnapshot::initial());
    }

    void paddedFilesReadAsTheirPairs_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("plain"); // the same pairs without the padding
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" "1\r\n20.0\r\n") << QByteArray("1\r\n20.0\r\n");
        QTest::newRow("blank line at the end, CR LF") << QByteArray("1\r\n20.0\r\n\r\n") << QByteArray("1\r\n20.0\r\n");
        QTest::newRow("blank lines at the end, LF") << QByteArray("1\n20.0\n\n\n\n") << QByteArray("1\n20.0\n");
        QTest::newRow("blanks and spaces at the end") << QByteArray("1\r\n20.0\r\n \r\n\t\r\n\r\n")
                                                      << QByteArray("1\r\n20.0\r\n");
        QTest::newRow("mark and blank lines") << QByteArray("\xEF\xBB\xBF" "8\r\n0\r\n\r\n") << QByteArray("8\r\n0\r\n");
        const QString pairs = QStringLiteral("1\r\n20.0\r\n20\r\n5\r\n8\r\n0\r\n");
        QTest::newRow("UTF-16, little-endian") << utf16(pairs, true) << pairs.toLatin1();
        QTest::newRow("UTF-16, big-endian") << utf16(pairs, false) << pairs.toLatin1();
        // A blank line right after a key is that key's empty value.
        QTest::newRow("empty last value") << QByteArray("1\r\n\r\n\r\n") << QByteArray("1\r\n\r\n");
    }
    // Guards files from other editors: a UTF-8 byte-order mark before the
    // first line and blank lines after the last pair change nothing; UTF-16
    // text, told by its mark, reads as the same pairs.
    void paddedFilesReadAsTheirPairs()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, plain);
        const ConfigurationRead read = parsePoint(bytes);
        QVERIFY2(read.ok(), qPrintable(read.error));
        const ConfigurationRead expected = parsePoint(plain);
        QCOMPARE(read.entries.size(), expected.entries.size());
        QCOMPARE(applied(read), applied(expected));
    }

    // Guards repetition and order: both pairs are applied, the later one wins.
    void repeatedKeyIsAppliedTwice()
    {
        const ConfigurationRead read = parsePoint("8\r\n1\r\n8\r\n0\r\n");
        QCOMPARE(read.entries.size(), 2);
        QCOMPARE(read.entries[0].assignment.value.number, 1);
        QCOMPARE(applied(read)[8].number, 0);
    }

    void malformedFilesGiveNothingToApply_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("odd line count") << QByteArray("1\r\n20.0\r\n2") << "List index out of bounds (3)";
        QTest::newRow("bad key") << QByteArray("1\r\n20.0\r\nabc\r\n5\r\n3\r\n1\r\n")
                                 << "'abc' is not a valid integer value";
        QTest::newRow("flag not an integer") << QByteArray("1\r\n20.0\r\n8\r\nyes\r\n")
                                             << "'yes' is not a valid integer value";
        // The message quotes the value as the file holds it, not as the
        // separator fix-up turned it.
        QTest::newRow("slider, foreign separator") << QByteArray("3\r\n1,0\r\n") << "'1,0' is not a valid integer value";
        QTest::newRow("level count") << QByteArray("20\r\nnine\r\n") << "'nine' is not a valid integer value";
        QTest::newRow("choice other than 40") << QByteArray("19\r\n\r\n") << "'' is not a valid integer value";
        QTest::newRow("control characters escaped") << QByteArray("\x1B[31m\r\n1\r\n")
                                                    << "'\\x1B[31m' is not a valid integer value";
        QTest::newRow("blank key before a pair") << QByteArray("1\r\n20.0\r\n\r\n5\r\n")
                                                 << "'' is not a valid integer value";
        QTest::newRow("mark inside a line") << QByteArray("1\r\n20.0\r\n\xEF\xBB\xBF" "8\r\n1\r\n")
                                            << "'\u00EF\u00BB\u00BF" "8' is not a valid integer value";
        QTest::newRow("UTF-16 cut inside a character")
            << utf16(QStringLiteral("1\r\n20.0\r\n"), true).chopped(1)
            << "The file is marked as UTF-16 text, but it is damaged: it cannot be read as text.";
        QTest::newRow("first error in file order")
            << QByteArray("x\r\n1\r\n8\r\ny\r\n9") << "'x' is not a valid integer value";
    }

    // Guards the mended partial apply: a malformed file changes nothing at all.
    void malformedFilesGiveNothingToApply()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const ConfigurationRead read = parsePoint(bytes);
        QCOMPARE(read.error, error);
        QVERIFY(read.entries.isEmpty());
    }

    // Guards the keys without a row: reserved, fixed, unknown and negative.
    void keysWithoutARowAreSkipped()
    {
        const ConfigurationRead read = parsePoint("34\r\nx\r\n44\r\n1\r\n99\r\n1\r\n0\r\n1\r\n-1\r\n1\r\n6\r\n4\r\n");
        QVERIFY(read.ok());
        QCOMPARE(read.entries.size(), 1);
        QCOMPARE(read.entries[0].assignment.index, 6);
    }

    void valueForms_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("text verbatim, not checked") << QByteArray("7\r\n 12ab\r\n") << 7 << " 12ab" << 0;
        QTest::newRow("empty text") << QByteArray("1\r\n\r\n") << 1 << "" << 0;
        QTest::newRow("flag 7 ticks") << QByteArray("14\r\n7\r\n") << 14 << "" << 1;
        QTest::newRow("two-way nonzero") << QByteArray("4\r\n-2\r\n") << 4 << "" << 1;
        QTest::newRow("choice past last") << QByteArray("19\r\n7\r\n") << 19 << "" << 2;
        QTest::newRow("choice below -1 selects none") << QByteArray("19\r\n-5\r\n") << 19 << "" << -1;
        QTest::newRow("slider below range") << QByteArray("13\r\n0\r\n") << 13 << "" << 1;
        QTest::newRow("level count text") << QByteArray("20\r\n5\r\n") << 20 << "5" << 0;
        QTest::newRow("byte above 127 kept") << QByteArray("10\r\n1\xE9\r\n") << 10 << "1\u00E9" << 0;
    }

    // Guards how each value form lands in its control.
    void valueForms()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(int, number);
        const ConfigurationRead read = parsePoint(bytes);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.entries.size(), 1);
        QCOMPARE(read.entries[0].assignment.index, index);
        QCOMPARE(read.entries[0].assignment.value.text, text);
        QCOMPARE(read.entries[0].assignment.value.number, number);
    }

    void separatorFixUp_data()
    {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("comma: point becomes comma") << true << "3.4" << "3,4";
        QTest::newRow("comma: first point only") << true << "1.234.5" << "1,234.5";
        QTest::newRow("comma: own separator kept") << true << "3,4" << "3,4";
        QTest::newRow("point: comma becomes point") << false << "3,4" << "3.4";
        QTest::newRow("point: first comma only") << false << "1,234,5" << "1.234,5";
        QTest::newRow("comma: whole number unchanged") << true << "100" << "100";
        QTest::newRow("point: whole number unchanged") << false << "100" << "100";
    }

    // Guards files exchanged between locales: the first foreign separator turns into ours.
    void separatorFixUp()
    {
        QFETCH(bool, comma);
        QFETCH(QString, value);
        QFETCH(QString, text);
        const QByteArray bytes = "18\r\n" + value.toLatin1() + "\r\n";
        const ConfigurationRead read =
            parseConfiguration(bytes, comma ? NumberFormat::comma() : NumberFormat::point());
        QVERIFY(read.ok());
        QCOMPARE(read.entries[0].assignment.value.text, text);
    }

    // Guards the old-version repair: the question is the caller's, asked once per
    // such pair at apply time, and the pairs after it still apply.
    void key40WithoutIntegerAsksTheQuestion()
    {
        const ConfigurationRead read = parsePoint("40\r\n\r\n41\r\n1\r\n40\r\nold\r\n");
        QVERIFY(read.ok());
        QCOMPARE(read.entries.size(), 3);
        QVERIFY(read.entries[0].asksOldVersionQuestion);
        int asked = 0;
        ParameterSnapshot s = ParameterSnapshot::initial();
        applyToSnapshot(s, read.entries.mid(0, 2), [&asked] { ++asked; return true; });
        QCOMPARE(asked, 1);
        QCOMPARE(s[40].number, 0); // Yes: "120° Sensors"
        QCOMPARE(s[41].number, 1);
        applyToSnapshot(s, read.entries, [&asked] { ++asked; return false; });
        QCOMPARE(asked, 3);
        QCOMPARE(s[40].number, 2); // No: "Sensorless"
        QVERIFY(QString::fromUtf8(kOldVersionQuestion).endsWith(u"old version. Please answer one question now.\n"
                                                               u"Does the motor have 3 hall sensors?"));
    }

    // Guards the file-level refusals: a missing file and a file too large to read.
    void fileLevelErrors()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString missing = dir.filePath(QStringLiteral("missing.vxc"));
        QCOMPARE(readConfigurationFile(missing, NumberFormat::point()).error, "Cannot open file " + missing);
        QCOMPARE(readConfigurationFile(dir.filePath(QStringLiteral("\x1B[8m.vxc")), NumberFormat::point()).error,
                 "Cannot open file " + dir.filePath(QStringLiteral("\\x1B[8m.vxc")));

        const QString large = dir.filePath(QStringLiteral("large.vxc"));
        QByteArray bytes = "7\r\n" + QByteArray(kMaxConfigurationFileSize - 5, 'x') + "\r\n";
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), kMaxConfigurationFileSize);
        file.flush();
        QVERIFY(readConfigurationFile(large, NumberFormat::point()).ok()); // exactly 1 MiB is fine
        QCOMPARE(file.write("x"), 1);
        file.close();
        QCOMPARE(readConfigurationFile(large, NumberFormat::point()).error,
                 "File " + large + " is too large to be a configuration file (more than 1 MiB).");
    }

    void filesWithoutSettingsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("refused");
        QTest::newRow("0 bytes") << QByteArray() << true;
        QTest::newRow("blank lines, CR LF") << QByteArray("\r\n\r\n\r\n") << true;
        QTest::newRow("blank lines, LF") << QByteArray("\n\n") << true;
        QTest::newRow("byte-order mark only") << QByteArray("\xEF\xBB\xBF") << true;
        QTest::newRow("only items without a setting") << QByteArray("44\r\n1\r\n34\r\n0\r\n") << true;
        QTest::newRow("one setting is enough") << QByteArray("6\r\n4\r\n") << false;
        QTest::newRow("the old-version question") << QByteArray("40\r\n\r\n") << false;
    }
    // Guards against taking an empty file for a configuration: it would put
    // nothing into the window, and a write would send whatever the window
    // holds. Refused with the file's name; any subset of settings is fine.
    void filesWithoutSettingsAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("empty \x1B.vxc"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const ConfigurationRead read = readConfigurationFile(path, NumberFormat::point());
        if (refused) {
            QCOMPARE(read.error, "The file " + dir.filePath(QStringLiteral("empty \\x1B.vxc"))
                                     + " contains no settings.");
            QVERIFY(read.entries.isEmpty());
        } else {
            QVERIFY2(read.ok(), qPrintable(read.error));
        }
    }

    void onlyRegularFilesAreOpened_data()
    {
        QTest::addColumn<QString>("target"); // in the test's folder, unless absolute
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<bool>("refused");
        QTest::newRow("named pipe") << "pipe.vxc" << false << true;
        QTest::newRow("link to a named pipe") << "pipe.vxc" << true << true;
        QTest::newRow("character device") << "/dev/null" << false << true;
        QTest::newRow("folder") << "." << false << true;
        QTest::newRow("link to a regular file") << "file.vxc" << true << false;
    }
    // Guards the reader against paths it would wait on for ever (a FIFO blocks
    // in open until a writer comes, a device may never end): refused unopened.
    void onlyRegularFilesAreOpened()
    {
        QFETCH(QString, target);
        QFETCH(bool, throughLink);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fifo = dir.filePath(QStringLiteral("pipe.vxc"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QFile regular(dir.filePath(QStringLiteral("file.vxc")));
        QVERIFY(regular.open(QIODevice::WriteOnly));
        regular.write("6\r\n4\r\n");
        regular.close();
        QString path = QDir(dir.path()).filePath(target);
        if (throughLink) {
            const QString link = dir.filePath(QStringLiteral("link.vxc"));
            QVERIFY(QFile::link(path, link));
            path = link;
        }

        releaseFifoLater(fifo);
        const ConfigurationRead read = readConfigurationFile(path, NumberFormat::point());
        if (refused) {
            QCOMPARE(read.error, "Cannot open file " + path + ": it is not a regular file.");
        } else {
            QVERIFY2(read.ok(), qPrintable(read.error));
            QCOMPARE(read.entries.size(), 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestVxcReader)
#include "test_vxc_reader.moc"
