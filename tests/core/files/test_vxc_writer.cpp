#include "file_bytes.h"
#include "files/data_files.h"
#include "files/vxc_reader.h"
#include "files/vxc_writer.h"

#include <QtTest>

using namespace vexlor;

namespace {

// A snapshot far from the defaults: odd texts, no selection, extreme positions.
ParameterSnapshot unusualSnapshot(NumberFormat format)
{
    // Texts in the user's notation: the reader turns the other separator into it.
    ParameterSnapshot s = ParameterSnapshot::initial();
    if (format.decimalComma) {
        for (auto &item : s.items)
            item.text.replace(u'.', u',');
    }
    s[1].text = format.decimalComma ? QStringLiteral("18,5") : QStringLiteral("18.5");
    s[5].text = QString();                      // empty edit
    s[7].text = QStringLiteral(" not a number ");
    s[10].text = QStringLiteral("caf\u00E9");   // a Latin-1 character
    s[3].number = 0;
    s[13].number = 9;
    s[8].number = 0;
    s[9].number = 1;
    s[19].number = -1;                          // radio group with nothing selected
    s[20].text = QStringLiteral("12");          // a level count beyond the up-down's range
    s[40].number = 2;
    return s;
}

} // namespace

class TestVxcWriter : public QObject {
    Q_OBJECT
private slots:
    // Guards the layout: 86 lines in table order, CR LF after each, the initial values.
    void initialStateIsTheWorkedExample()
    {
        const QByteArray bytes = configurationFileBytes(ParameterSnapshot::initial());
        QVERIFY(bytes.startsWith("1\r\n14.0\r\n2\r\n31.5\r\n3\r\n5\r\n4\r\n0\r\n"));
        QVERIFY(bytes.endsWith("49\r\n0.3\r\n50\r\n30\r\n"));
        QCOMPARE(bytes.count("\r\n"), 86);
        QCOMPARE(bytes.count('\n'), 86);
        QCOMPARE(bytes.count('\r'), 86);
        QVERIFY(bytes.contains("\r\n40\r\n0\r\n41\r\n0\r\n42\r\n36\r\n43\r\n250\r\n45\r\n10\r\n"));
    }

    // Guards the shipped data file: it must stay exactly the writer's output for
    // the built-in defaults, so New and the table can never drift apart.
    void shippedDefaultFileMatchesTheTable()
    {
        const QByteArray expected = configurationFileBytes(ParameterSnapshot::initial());
        QCOMPARE(fileBytes(QStringLiteral(VEXLOR_SOURCE_DATA_DIR "/default.vxc")), expected);
        QCOMPARE(fileBytes(locateDataFile(QStringLiteral("default.vxc"))), expected);
        // And New's read of it gives the initial window.
        const ConfigurationRead read = parseConfiguration(expected, NumberFormat::point());
        ParameterSnapshot s = ParameterSnapshot::initial();
        for (auto &item : s.items)
            item = ControlValue{QStringLiteral("stale"), 7};
        applyToSnapshot(s, read.entries, {});
        s.limitMaxSpeed = true;
        for (int index = 0; index < kProtocolItemCount; ++index) {
            if (parameterAt(index).isStored())
                QCOMPARE(s[index], ParameterSnapshot::initial()[index]);
        }
    }

    void roundTripIsByteIdentical_data()
    {
        QTest::addColumn<bool>("comma");
        QTest::newRow("decimal point") << false;
        QTest::newRow("decimal comma") << true;
    }

    // Guards write-read-write: every form survives a round trip unchanged.
    void roundTripIsByteIdentical()
    {
        QFETCH(bool, comma);
        const NumberFormat format = comma ? NumberFormat::comma() : NumberFormat::point();
        const ParameterSnapshot original = unusualSnapshot(format);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("round.vxc"));
        QVERIFY(writeConfigurationFile(path, original).ok());
        const QByteArray first = fileBytes(path);
        QCOMPARE(first, configurationFileBytes(original));

        const ConfigurationRead read = readConfigurationFile(path, format);
        QVERIFY2(read.ok(), qPrintable(read.error));
        ParameterSnapshot reread = ParameterSnapshot::initial();
        applyToSnapshot(reread, read.entries, {});
        QCOMPARE(reread, original);
        QVERIFY(writeConfigurationFile(path, reread).ok());
        QCOMPARE(fileBytes(path), first);
    }

    // Guards saving over an existing file: the whole content is replaced, and a
    // save that cannot happen reports "Cannot create file" and leaves it intact.
    void savingReplacesOrRefuses()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.vxc"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(5000, 'z'));
        }
        QVERIFY(writeConfigurationFile(path, ParameterSnapshot::initial()).ok());
        QCOMPARE(fileBytes(path), configurationFileBytes(ParameterSnapshot::initial()));

        const QString noFolder = dir.filePath(QStringLiteral("missing/x.vxc"));
        QCOMPARE(writeConfigurationFile(noFolder, ParameterSnapshot::initial()).error,
                 "Cannot create file " + noFolder);
        QCOMPARE(writeConfigurationFile(dir.path(), ParameterSnapshot::initial()).error,
                 "Cannot create file " + dir.path());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.vxc"}); // no stray temporary
    }

    // Guards the data-file lookup order: VEXLOR_DATA_DIR, then beside the
    // executable, then the data folder of the prefix the program was
    // installed to (bin/../share/vexlor-adjustor, as with --prefix /opt/...);
    // a file found nowhere is named beside the executable.
    void dataFilesAreLocated()
    {
        QTemporaryDir dir;
        QFile marker(dir.filePath(QStringLiteral("default.vxc")));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        const QByteArray saved = qgetenv("VEXLOR_DATA_DIR");
        qputenv("VEXLOR_DATA_DIR", QFile::encodeName(dir.path()));
        QCOMPARE(locateDataFile(QStringLiteral("default.vxc")), dir.filePath(QStringLiteral("default.vxc")));
        const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("nowhere.pdf"));
        QCOMPARE(locateDataFile(QStringLiteral("nowhere.pdf")), beside);
        qunsetenv("VEXLOR_DATA_DIR");
        // The tests run from the build's program folder, where the build puts default.vxc.
        QCOMPARE(locateDataFile(QStringLiteral("default.vxc")),
                 QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("default.vxc")));

        const QDir prefixData(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vexlor-adjustor"));
        const bool madeFolder = !prefixData.exists() && QDir().mkpath(prefixData.path());
        QFile installed(prefixData.filePath(QStringLiteral("prefix-probe.pdf")));
        QVERIFY(installed.open(QIODevice::WriteOnly));
        installed.close();
        const QString foundIn = QFileInfo(locateDataFile(QStringLiteral("prefix-probe.pdf"))).canonicalPath();
        const QString expected = QFileInfo(prefixData.path()).canonicalFilePath();
        installed.remove();
        if (madeFolder)
            QDir().rmpath(prefixData.path());
        QCOMPARE(foundIn, expected);
        qputenv("VEXLOR_DATA_DIR", saved);
    }
};

QTEST_GUILESS_MAIN(TestVxcWriter)
#include "test_vxc_writer.moc"
