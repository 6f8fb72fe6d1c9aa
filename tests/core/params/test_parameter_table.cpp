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
};

QTEST_GUILESS_MAIN(TestParameterTable)
#include "test_parameter_table.moc"
