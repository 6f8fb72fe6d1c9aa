// Speeds in km/h or mph: what is shown always converts back to the tenth of
// km/h the controller holds, and typed mph land on the nearest such tenth.

#include "params/parameter_table.h"
#include "params/speed_units.h"

#include <QtTest>

using namespace vexlor;

class TestSpeedUnits : public QObject {
    Q_OBJECT
private slots:
    // Every value the speed field can send, 0.0 km/h to its limit, shows an
    // mph text that converts back to itself, in at most two decimals; one
    // decimal where that is enough.
    void everyStepShowsMphThatConvertsBack()
    {
        int finer = 0;
        for (int tenths = 0; tenths <= kLargestSpeedTenths; ++tenths) {
            const QString shown = mphText(tenths, NumberFormat::point());
            const qsizetype decimals = shown.size() - shown.indexOf(u'.') - 1;
            QVERIFY2(decimals == 1 || decimals == 2, qPrintable(shown));
            finer += decimals == 2 ? 1 : 0;
            if (tenthsFromMphText(shown, NumberFormat::point()) != tenths)
                QFAIL(qPrintable(QStringLiteral("%1 tenths show %2 mph").arg(tenths).arg(shown)));
        }
        // 0.1 mph is 0.161 km/h: about three steps in eight need the hundredth.
        QVERIFY(finer > kLargestSpeedTenths / 4 && finer < kLargestSpeedTenths / 2);
    }

    // The field's limits and the road classes' figures, both ways.
    void limitsAndKnownSpeeds_data()
    {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("mph");
        QTest::newRow("nothing") << 0 << "0.0";
        QTest::newRow("one step") << 1 << "0.06";
        QTest::newRow("EU pedelec") << 250 << "15.53";
        QTest::newRow("US class 1, rounded down") << 321 << "19.95";
        QTest::newRow("20 mph's nearest") << 322 << "20.0";
        QTest::newRow("US class 3") << 450 << "27.96";
        QTest::newRow("no speed limit") << int(kUnlimitedSpeedValue) << "559.23";
        QTest::newRow("the largest") << kLargestSpeedTenths << "4072.16";
    }
    void limitsAndKnownSpeeds()
    {
        QFETCH(int, tenths);
        QFETCH(QString, mph);
        QCOMPARE(mphText(tenths, NumberFormat::point()), mph);
        QCOMPARE(tenthsFromMphText(mph, NumberFormat::point()), tenths);
        QCOMPARE(mphText(tenths, NumberFormat::comma()), QString(mph).replace(u'.', u','));
        QCOMPARE(tenthsFromMphText(QString(mph).replace(u'.', u','), NumberFormat::comma()), tenths);
    }

    // Typed mph store the nearest tenth the controller holds, and nothing
    // beyond what it holds; a text that is no number stays for the write to refuse.
    void typedMphStoreTheNearestTenth()
    {
        const NumberFormat point = NumberFormat::point();
        QCOMPARE(tenthsFromMphText(u"20", point), 322);     // 32.187 km/h
        QCOMPARE(tenthsFromMphText(u" 28 ", point), 451);   // 45.062 km/h
        QCOMPARE(tenthsFromMphText(u"15.5", point), 249);   // 24.945 km/h
        QCOMPARE(tenthsFromMphText(u"4072.2", point), kLargestSpeedTenths); // 65536 would not fit
        QCOMPARE(tenthsFromMphText(u"1e9", point), kLargestSpeedTenths);
        QCOMPARE(tenthsFromMphText(u"-3", point), 0);
        QCOMPARE(tenthsFromMphText(u"fast", point), std::nullopt);
        QCOMPARE(tenthsFromMphText(u"", point), std::nullopt);
        QCOMPARE(tenthsFromMphText(u"20,5", point), std::nullopt);
    }

    // The speed parameters are found by their unit; values read in the
    // chosen units, every other value as before.
    void valuesReadInTheChosenUnits()
    {
        QList<int> speeds;
        for (const ParameterDescriptor &d : parameterTable()) {
            if (measuresSpeed(d))
                speeds << d.index;
        }
        QCOMPARE(speeds, QList<int>{kSpeedLimitIndex});
        const NumberFormat point = NumberFormat::point();
        QCOMPARE(valueInUnits(kSpeedLimitIndex, 250, point, SpeedUnits::Metric), u"25.0 km/h");
        QCOMPARE(valueInUnits(kSpeedLimitIndex, 250, point, SpeedUnits::Imperial), u"15.53 mph");
        QCOMPARE(valueInUnits(1, 294, point, SpeedUnits::Imperial), u"14.0 A");
        QCOMPARE(valueInUnits(kWheelPerimeterIndex, 2074, point, SpeedUnits::Imperial), u"2074 mm");
        QCOMPARE(speedUnitsFromId(u" Imperial"), SpeedUnits::Imperial);
        QCOMPARE(speedUnitsFromId(u"metric"), SpeedUnits::Metric);
        QCOMPARE(speedUnitsFromId(u"furlongs"), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestSpeedUnits)
#include "test_speed_units.moc"
