#include "params/field_limits.h"
#include "params/parameter_snapshot.h"
#include "params/parameter_table.h"

#include <QtTest>

using namespace vexlor;

class TestParameterTable : public QObject {
    Q_OBJECT
private slots:
    // Guards the file layout: exactly the 43 keys 1..33, 40..43, 45..50 in this order.
    void storedKeysAreTheFileOrder()
    {
        QList<int> keys;
        for (const auto *d : storedParameters())
            keys << d->index;
        QList<int> expected;
        for (int k = 1; k <= 33; ++k) expected << k;
        for (int k = 40; k <= 43; ++k) expected << k;
        for (int k = 45; k <= 50; ++k) expected << k;
        QCOMPARE(keys, expected);
    }

    // Guards the fixed items the controller expects: version 256, item 44 = 1, reserved 0.
    void fixedItemsCarryTheirConstants()
    {
        QCOMPARE(parameterAt(0).fixedValue, quint16(256));
        QCOMPARE(parameterAt(44).fixedValue, quint16(1));
        for (int i : {34, 35, 36, 37, 38, 39, 51, 55, 59}) {
            QCOMPARE(parameterAt(i).kind, ParameterKind::Fixed);
            QCOMPARE(parameterAt(i).fixedValue, quint16(0));
        }
        QVERIFY(storedParameter(44) == nullptr);
        QVERIFY(storedParameter(-1) == nullptr);
        QVERIFY(storedParameter(99) == nullptr);
    }

    // Every control name is unique, so tests and screen readers tell the
    // window's controls apart, and every parameter is found by its name.
    void controlNamesAreUnique()
    {
        QSet<QString> seen;
        for (const auto *d : storedParameters()) {
            for (const char *name : {d->control, d->secondControl}) {
                if (*name == '\0')
                    continue;
                QVERIFY2(!seen.contains(QString::fromLatin1(name)), name);
                seen.insert(QString::fromLatin1(name));
            }
            QCOMPARE(parameterByName(d->name), d);
        }
        QCOMPARE(seen.size(), 43 + 2); // two radio pairs contribute a second button each
        QVERIFY(parameterByName("LabeledEdit16") == nullptr); // a control is no parameter
    }

    void initialSnapshotHoldsTheWindowDefaults()
    {
        const auto s = ParameterSnapshot::initial();
        QCOMPARE(s[1].text, QStringLiteral("14.0"));
        QCOMPARE(s[3].number, 5);
        QCOMPARE(s[8].number, 1);
        QCOMPARE(s[20].text, QStringLiteral("9"));
        QCOMPARE(s[49].text, QStringLiteral("0.3"));
        QVERIFY(s.limitMaxSpeed);
    }

    void fieldLimitsFollowTheTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text"); // an edit's text; else the number
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("listed"); // the check's line, empty for none
        QTest::newRow("level count above") << 20 << "10" << 0 << "PAS levels (1~9): 10 (allowed: 1 to 9)";
        QTest::newRow("level count below") << 20 << "0" << 0 << "PAS levels (1~9): 0 (allowed: 1 to 9)";
        QTest::newRow("level count at an end") << 20 << "1" << 0 << QString();
        QTest::newRow("track bar above") << 3 << QString() << 11 << "Acceleration: 11 (allowed: 0 to 10)";
        QTest::newRow("track bar below") << 13 << QString() << 0 << "PAS ratio: 0 (allowed: 1 to 9)";
        QTest::newRow("track bar at an end") << 3 << QString() << 10 << QString();
        QTest::newRow("radio group past its last item") << 40 << QString() << 3 << "Hall sensor: 3 (allowed: 0 to 2)";
        QTest::newRow("radio group, nothing selected") << 40 << QString() << -1 << QString(); // encoding refuses it
        QTest::newRow("stop delay below") << 12 << "100" << 0
                                          << "Stop after: 100 ms stop pedaling (allowed: 200 ms or more)";
        QTest::newRow("full voltage below the start voltage")
            << 18 << "1.1" << 0 << "Full: 1.1 V (allowed: from the start voltage, 1.2 V, to 4.2 V)";
        QTest::newRow("full voltage equal to the start voltage") << 18 << "1.2" << 0 << QString();
    }
    // Guards the one check of the values a window field would refuse: every
    // control's limits come from its row, the stepping controls' too, and
    // each line reads as a rider would say it.
    void fieldLimitsFollowTheTable()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(int, number);
        QFETCH(QString, listed);
        ParameterSnapshot s = ParameterSnapshot::initial(); // start voltage 1.2
        s[index].text = text;
        s[index].number = number;
        QCOMPARE(limitBreachLines(valuesBeyondFieldLimits(s, NumberFormat::point())), listed);
    }
};

QTEST_GUILESS_MAIN(TestParameterTable)
#include "test_parameter_table.moc"
