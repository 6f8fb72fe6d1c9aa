// The setup assistant's arithmetic: what it proposes for a bike's parts, and
// that what it proposes keeps to the road class it was made for.

#include "params/parameter_codec.h"
#include "road/plausibility_check.h"
#include "setup/setup_proposal.h"

#include <QtTest>

using namespace vexlor;

namespace {

const NumberFormat kPoint{};

BikeParts parts(const char *battery, double bms, const char *tire, const char *classId)
{
    BikeParts p;
    p.battery = parseBattery(QString::fromLatin1(battery)).value_or(Battery{});
    p.bmsCurrent = bms;
    p.tire = parseTireSize(QString::fromLatin1(tire)).value_or(TireSize{});
    p.roadClass = findRoadClass(QString::fromLatin1(classId));
    p.pasLevels = 5;
    return p;
}

// The initial state with the proposal applied.
ParameterSnapshot proposed(const BikeParts &p, NumberFormat format = kPoint,
                           ParameterSnapshot now = ParameterSnapshot::initial())
{
    applyProposal(now, proposeSetup(p, now, format).values);
    return now;
}

} // namespace

class TestSetupProposal : public QObject {
    Q_OBJECT

private slots:
    // The battery as printed: a nominal voltage or its cells in series.
    void batteries()
    {
        const auto cells = [](const char *text) { return parseBattery(QString::fromLatin1(text)).value_or(Battery{}).cells; };
        QCOMPARE(cells("36"), 10);
        QCOMPARE(cells("48V"), 13);
        QCOMPARE(cells("52 v"), 14);
        QCOMPARE(cells("24"), 7);
        QCOMPARE(cells("13S"), 13);
        QCOMPARE(parseBattery(QStringLiteral("48"))->nominalVoltage, 48);
        QCOMPARE(parseBattery(QStringLiteral("13s"))->nominalVoltage, 47);
        for (const char *none : {"47", "4s", "21s", "13s5", ""})
            QVERIFY2(!parseBattery(QString::fromLatin1(none)), none);
        for (int cells = kLeastCells; cells <= kMostCells; ++cells)
            QCOMPARE(cellsOfNominalVoltage(nominalVoltageOfCells(cells)), cells);
    }

    void arithmetic_data()
    {
        QTest::addColumn<QString>("battery");
        QTest::addColumn<double>("bms");
        QTest::addColumn<QString>("lowVoltage");
        QTest::addColumn<QString>("batteryCurrent");
        QTest::addColumn<QString>("ratedVoltage");
        QTest::newRow("36 V, 40 A BMS") << "36" << 40.0 << "31.5" << "30.0" << "36";
        QTest::newRow("48 V, 25 A BMS") << "48" << 25.0 << "41.0" << "25.0" << "48";
        QTest::newRow("52 V, 30 A BMS") << "52" << 30.0 << "44.1" << "30.0" << "52";
        QTest::newRow("13 cells, 17.5 A") << "13s" << 17.5 << "41.0" << "17.5" << "47";
    }

    void arithmetic()
    {
        QFETCH(QString, battery);
        QFETCH(double, bms);
        BikeParts p = parts(battery.toLatin1().constData(), bms, "57-584", "eu-epac");
        const ParameterSnapshot s = proposed(p);
        QTEST(s[2].text, "lowVoltage");
        QTEST(s[1].text, "batteryCurrent");
        QCOMPARE(s[5].text, QStringLiteral("25.0"));
        QVERIFY(s.limitMaxSpeed);
        QCOMPARE(s[kWheelPerimeterIndex].text, QStringLiteral("2193"));
        QTEST(s[42].text, "ratedVoltage");
        // The motor's own rated voltage wins over the battery's.
        p.motorVoltage = 48;
        QCOMPARE(proposed(p)[42].text, QStringLiteral("48"));
    }

    // Rising levels ending at 100 %, the ones beyond the count as they were;
    // decimals with the user's separator; the battery current never above
    // the motor's phase current.
    void levelsCommaAndPhaseCurrent()
    {
        BikeParts p = parts("36", 40, "28x1.75", "us-class2");
        p.pasLevels = 3;
        p.maxPhaseCurrent = 22;
        p.reductionRatio = 4.4;
        const ParameterSnapshot s = proposed(p, NumberFormat::comma());
        QCOMPARE(s[kPasLevelCountIndex].text, QStringLiteral("3"));
        QCOMPARE((QStringList{s[21].text, s[22].text, s[23].text}), (QStringList{"40", "70", "100"}));
        QCOMPARE(s[24].text, QString::fromLatin1(parameterAt(24).defaultText));
        QCOMPARE(s[2].text, QStringLiteral("31,5"));
        QCOMPARE(s[1].text, QStringLiteral("22,0"));
        QCOMPARE(s[47].text, QStringLiteral("4,4"));
        QCOMPARE(s[50].text, QStringLiteral("22"));
        QCOMPARE(s[5].text, QStringLiteral("32,1"));
        QCOMPARE(s[kWorkingStyleIndex].number, 0); // class 2 allows the throttle alone
        for (int count = 1; count <= kLevelLimitCount; ++count) {
            p.pasLevels = count;
            const ParameterSnapshot levels = proposed(p);
            for (int level = 1; level < count; ++level)
                QVERIFY(levels[20 + level].text.toInt() < levels[21 + level].text.toInt());
            QCOMPARE(levels[20 + count].text, QStringLiteral("100"));
        }
    }

    // A motor rated above the class's power stays as rated, and the proposal
    // says it does not fit; so does a power already set and not given.
    void motorAboveTheClassStays()
    {
        BikeParts p = parts("48", 20, "57-584", "eu-epac");
        p.motorPower = 500;
        SetupProposal proposal = proposeSetup(p, ParameterSnapshot::initial(), kPoint);
        QVERIFY(!proposal.fitsClass);
        const QList<ProposalRow> rows = proposalRows(proposal, ParameterSnapshot::initial(), kPoint, SpeedUnits::Metric);
        const auto power = std::find_if(rows.begin(), rows.end(),
                                        [](const ProposalRow &r) { return r.caption == "Rated power"; });
        QVERIFY(power != rows.end());
        QCOMPARE(power->now, QStringLiteral("250 W"));
        QCOMPARE(power->proposed, QStringLiteral("500 W"));
        QVERIFY2(power->why.contains("does not fit"), qPrintable(power->why));
        p.motorPower = 0;
        ParameterSnapshot set = ParameterSnapshot::initial();
        set[kRatedPowerIndex].text = QStringLiteral("350");
        proposal = proposeSetup(p, set, kPoint);
        QVERIFY(!proposal.fitsClass);
        applyProposal(set, proposal.values);
        QCOMPARE(set[kRatedPowerIndex].text, QStringLiteral("350"));
    }

    // What the assistant proposes keeps to its class with the tire it was
    // given and holds nothing implausible, with nothing even worth a note:
    // for every class, three tires, and a start whose counts and throttle
    // voltages would not work.
    void keepsEveryClass()
    {
        ParameterSnapshot odd = ParameterSnapshot::initial();
        for (int count : {6, 10, 45}) // the magnets and the pole pairs
            odd[count].text = QStringLiteral("0");
        odd[50].text = QStringLiteral("20"); // a phase current below the BMS's
        odd[kThrottleStartVoltageIndex].text = QStringLiteral("3.0");
        odd[kWorkingStyleIndex].number = 0;
        odd.limitMaxSpeed = false;
        for (const RoadClass &c : roadClasses()) {
            for (const char *tire : {"47-406", "57-584", "700x38c"}) {
                BikeParts p = parts("48", 25, tire, c.id);
                p.motorPower = c.ratedPowerLimit > 500 ? 500 : c.ratedPowerLimit;
                const ParameterSnapshot s = proposed(p, kPoint, odd);
                const EncodedSet set = encodeAll(s, kPoint);
                QVERIFY2(set.ok(), qPrintable(set.error));
                const QList<RoadFinding> findings = checkEveryRule(set.values, &c, p.tire, kPoint);
                QVERIFY2(findings.isEmpty(), qPrintable(QStringLiteral("%1 %2: %3").arg(
                                                 c.id, tire, roadFindingLines(findings))));
                QCOMPARE(s[6].text, QStringLiteral("1"));
                QVERIFY(s[kThrottleStartVoltageIndex].text.toDouble() < s[18].text.toDouble());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSetupProposal)
#include "test_setup_proposal.moc"
