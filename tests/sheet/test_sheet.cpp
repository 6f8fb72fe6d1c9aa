// The settings sheet's content (the assist levels' chart, the line naming the
// document) and its refusal to replace a file that is no PDF.

#include "sheet_content.h"
#include "file_bytes.h"
#include "sheet_pdf.h"

#include "params/parameter_codec.h"
#include "road/road_class.h"

#include <QFile>
#include <QtTest>

#include <sys/stat.h>

using namespace vexlor;

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SheetFacts initialFacts()
{
    SheetFacts facts;
    facts.values = encodeAll(ParameterSnapshot::initial(), NumberFormat{}).values;
    facts.date = QDate(2026, 5, 4);
    return facts;
}

} // namespace

class TestSheet : public QObject {
    Q_OBJECT
private slots:
    // The chart draws the levels within the level count in the colour of
    // levels in use, the highest of them included, and the rest as unused.
    void levelChartShowsLevelsInUse_data()
    {
        QTest::addColumn<int>("count");
        for (const int count : {1, 5, 9})
            QTest::addRow("%d levels", count) << count;
    }
    void levelChartShowsLevelsInUse()
    {
        QFETCH(int, count);
        SheetFacts facts = initialFacts();
        facts.values[kPasLevelCountIndex] = quint16(count);
        for (int level = 1; level <= kLevelLimitCount; ++level)
            facts.values[kFirstLevelLimitIndex + level - 1] = quint16(10 * level);
        const QList<SheetLevel> levels = settingsSheetContent(facts).levels;
        QCOMPARE(levels.size(), kLevelLimitCount);
        for (int level = 1; level <= kLevelLimitCount; ++level) {
            QCOMPARE(levels[level - 1].percent, 10 * level);
            QVERIFY2(levels[level - 1].inUse == (level <= count), qPrintable(QString::number(level)));
        }
    }

    // The document is named only when the values are its own; values that
    // differ from it are said to be the window's, not saved.
    void documentLineSaysWhoseValues()
    {
        SheetFacts facts = initialFacts();
        facts.documentName = QStringLiteral("fast.vxc");
        QCOMPARE(settingsSheetContent(facts).facts.value(0), QStringLiteral("Document: fast.vxc"));
        facts.documentName.clear();
        QCOMPARE(settingsSheetContent(facts).facts.value(0), QStringLiteral("Document: not saved to a file"));
        facts.documentChanged = true;
        const QString line = settingsSheetContent(facts).facts.value(0);
        QCOMPARE(line, QStringLiteral("Values: the window's, not saved to a file"));
    }

    // The sheet names its units and shows speeds in them, in the list and in
    // the road check; every other value stays as the controller holds it.
    void speedsInTheUnitsChosen()
    {
        SheetFacts facts = initialFacts();
        facts.values[kSpeedLimitIndex] = 322; // 20 mph typed: a tenth above US class 1
        facts.roadClass = findRoadClass(u"us-class1");
        const auto rowOf = [](const SheetContent &sheet, const QString &caption) {
            for (const SheetGroup &group : sheet.leftColumn) {
                for (const SheetRow &row : group.rows) {
                    if (row.caption == caption)
                        return row.value;
                }
            }
            return QString();
        };
        const SheetContent metric = settingsSheetContent(facts);
        QVERIFY(metric.facts.contains(QStringLiteral("Units: Metric (km/h)")));
        QCOMPARE(rowOf(metric, QStringLiteral("Speed limit")), QStringLiteral("32.2 km/h"));
        QVERIFY(metric.checkLines.contains(
            QStringLiteral("• Speed limit: 32.2 km/h (allowed: at most 32.1 km/h (20 mph))")));

        facts.speedUnits = SpeedUnits::Imperial;
        const SheetContent imperial = settingsSheetContent(facts);
        QVERIFY(imperial.facts.contains(QStringLiteral("Units: Imperial (mph)")));
        QCOMPARE(rowOf(imperial, QStringLiteral("Speed limit")), QStringLiteral("20.0 mph"));
        QCOMPARE(rowOf(imperial, QStringLiteral("Max battery current")), QStringLiteral("14.0 A"));
        QVERIFY2(imperial.checkLines.contains(
                     QStringLiteral("• Speed limit: 20.0 mph (allowed: at most 19.95 mph (20 mph))")),
                 qPrintable(imperial.checkLines.join(u'\n')));
        facts.roadClass = findRoadClass(u"eu-epac");
        QVERIFY(settingsSheetContent(facts).checkLines.contains(
            QStringLiteral("• Speed limit: 20.0 mph (allowed: at most 15.53 mph (25 km/h))")));
    }

    // A sheet replaces nothing but a PDF: a configuration, through a link
    // too, an empty file or any other file is refused with its name and kept
    // as it was; a new file or an earlier PDF is written.
    void replacesOnlyPdfFiles()
    {
        QTemporaryDir dir;
        const QByteArray configuration("1\r\n14.0\r\n43\r\n600\r\n");
        const QString vxc = writeFile(dir, "bike.vxc", configuration);
        const QString link = dir.filePath(QStringLiteral("link.pdf"));
        QVERIFY(QFile::link(vxc, link));
        const QString empty = writeFile(dir, "empty.pdf", {});
        const QString text = writeFile(dir, "notes.pdf", "PDF- is not enough\n");
        const QString fifo = dir.filePath(QStringLiteral("pipe.pdf"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const QString &path : {vxc, link, empty, text, fifo}) {
            const QString refusal = sheetReplacementRefusal(path);
            QVERIFY2(refusal.contains(path), qPrintable(path + QStringLiteral(": ") + refusal));
            QVERIFY(refusal.contains(QStringLiteral("not a PDF file")));
            QCOMPARE(writeSettingsSheet(path, settingsSheetContent(initialFacts())).error, refusal);
        }
        QCOMPARE(contentOf(vxc), configuration);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(contentOf(empty), QByteArray());

        const QString fresh = dir.filePath(QStringLiteral("fresh.pdf"));
        const QString earlier = writeFile(dir, "earlier.pdf", "%PDF-1.4\n%old sheet\n");
        for (const QString &path : {fresh, earlier}) {
            QCOMPARE(sheetReplacementRefusal(path), QString());
            QVERIFY(writeSettingsSheet(path, settingsSheetContent(initialFacts())).ok());
            QVERIFY(contentOf(path).startsWith("%PDF-"));
            QVERIFY(!contentOf(path).contains("%old sheet"));
        }
    }
};

QTEST_MAIN(TestSheet)
#include "test_sheet.moc"
