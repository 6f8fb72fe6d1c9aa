// Comparing sixteen-bit values as the window shows them: which parameters
// count, in which order they are listed, and how each value reads.

#include "params/parameter_codec.h"
#include "params/parameter_comparison.h"
#include "params/parameter_order.h"

#include <QtTest>

using namespace vexlor;

using Changes = QList<QPair<int, int>>; // index, value the controller holds instead

namespace {

ParameterValues initialValues()
{
    return encodeAll(ParameterSnapshot::initial(), NumberFormat::point()).values;
}

} // namespace

class TestParameterComparison : public QObject {
    Q_OBJECT
private slots:
    // The window's order names every stored parameter exactly once.
    void windowOrderHoldsEveryStoredParameterOnce()
    {
        QList<int> ordered(parametersInWindowOrder().begin(), parametersInWindowOrder().end());
        QList<int> stored;
        for (const ParameterDescriptor *d : storedParameters())
            stored << d->index;
        std::sort(ordered.begin(), ordered.end());
        QCOMPARE(ordered, stored);
    }

    // Each kind of control reads as the window shows it.
    void valuesReadAsTheWindowShowsThem_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimal") << 1 << 294 << false << "14.0";
        QTest::newRow("decimal, comma locale") << 1 << 294 << true << "14,0";
        QTest::newRow("three places") << 49 << 300 << false << "0.300";
        QTest::newRow("whole, times five") << 12 << 100 << false << "500";
        QTest::newRow("check box ticked") << 8 << 7 << false << "On";
        QTest::newRow("check box clear") << 14 << 0 << false << "Off";
        QTest::newRow("radio pair") << 4 << 1 << false << "High";
        QTest::newRow("radio pair, any non-zero") << 9 << 300 << false << "> 50%";
        QTest::newRow("radio group") << 41 << 1 << false << "Without clutch";
        QTest::newRow("radio group, past the last") << 40 << 5 << false << "Sensorless";
        QTest::newRow("track bar position") << 3 << 100 << false << "5";
        QTest::newRow("track bar, clamped") << 13 << 100 << false << "1";
        QTest::newRow("unlimited speed") << 5 << 9000 << false << "900.0";
        QTest::newRow("fixed item") << 0 << 256 << false << "256";
    }
    void valuesReadAsTheWindowShowsThem()
    {
        QFETCH(int, index);
        QFETCH(int, value);
        QFETCH(bool, comma);
        QFETCH(QString, text);
        QCOMPARE(shownValueText(index, quint16(value), comma ? NumberFormat::comma() : NumberFormat::point()),
                 text);
    }

    // Exactly the stored parameters whose values differ, in the window's
    // order, both values as shown; a difference no text can show carries
    // its values.
    void differencesInTheWindowsOrder_data()
    {
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<QStringList>("listed"); // "index:expected:actual"
        QTest::newRow("none") << Changes{} << QStringList{};
        QTest::newRow("fixed and reserved items never count")
            << Changes{{0, 263}, {34, 9}, {44, 0}, {59, 1}} << QStringList{};
        QTest::newRow("window order, not index order")
            << Changes{{40, 2}, {5, 200}, {8, 0}, {32, 30}, {1, 315}}
            << QStringList{"1:14.0:15.0", "8:On:Off", "5:25.0:20.0", "32:20:30",
                           "40:120\u00B0 Sensors:Sensorless"};
        QTest::newRow("level limit kept lower") << Changes{{29, 90}} << QStringList{"29:100:90"};
        QTest::newRow("same text, other value")
            << Changes{{1, 295}, {3, 101}} << QStringList{"1:14.0 (294):14.0 (295)", "3:5 (100):5 (101)"};
    }
    void differencesInTheWindowsOrder()
    {
        QFETCH(Changes, changes);
        QFETCH(QStringList, listed);
        const ParameterValues expected = initialValues();
        ParameterValues actual = expected;
        for (const auto &[index, value] : changes)
            actual[index] = quint16(value);
        QStringList found;
        for (const ParameterDifference &d : differingParameters(expected, actual, NumberFormat::point())) {
            QCOMPARE(d.descriptor, &parameterAt(d.index));
            QCOMPARE(d.expectedValue, expected[d.index]);
            QCOMPARE(d.actualValue, actual[d.index]);
            found << QStringLiteral("%1:%2:%3").arg(d.index).arg(d.expectedText, d.actualText);
        }
        QCOMPARE(found, listed);
    }

    void unitsReadAfterAValue()
    {
        QCOMPARE(shownUnit(parameterAt(17)), QStringLiteral("V")); // "V," in the window
        QCOMPARE(shownUnit(parameterAt(47)), QStringLiteral(":1"));
        QCOMPARE(shownUnit(parameterAt(10)), QStringLiteral("magnets a circle"));
        QCOMPARE(shownUnit(parameterAt(8)), QString());
    }
};

QTEST_GUILESS_MAIN(TestParameterComparison)
#include "test_parameter_comparison.moc"
