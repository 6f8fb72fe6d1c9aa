// The road classes, the tire a bike rolls on, the check of a configuration
// against a class, and the fingerprint of a configuration.

#include "params/parameter_codec.h"
#include "params/settings_fingerprint.h"
#include "road/plausibility_check.h"
#include "road/road_check.h"

#include <QtTest>

using namespace vexlor;

namespace {

const NumberFormat kPoint{};

// The sixty values a write of the window's initial state sends, with the
// throttle in use only while pedalling, so that only what a row changes
// breaks a class.
ParameterValues keepingValues()
{
    ParameterSnapshot snapshot = ParameterSnapshot::initial();
    snapshot[19].number = 1; // "Together with pedal sensor"
    const EncodedSet set = encodeAll(snapshot, kPoint);
    Q_ASSERT(set.ok());
    return set.values;
}

// The findings as the CLI prints them: "rule|value|limit".
QStringList findingsOf(const ParameterValues &values, const char *classId,
                       const std::optional<TireSize> &tire = std::nullopt)
{
    QStringList lines;
    for (const RoadFinding &f : checkRoadClass(values, *findRoadClass(QString::fromLatin1(classId)), tire, kPoint))
        lines << QStringLiteral("%1|%2|%3").arg(QLatin1String(roadRuleId(f.rule)), f.value, f.limit);
    return lines;
}

// The values of keepingValues() with some changed: index and sent value.
using Changes = QList<QPair<int, int>>;

ParameterValues changed(const Changes &changes)
{
    ParameterValues values = keepingValues();
    for (const auto &[index, value] : changes)
        values[index] = quint16(value);
    return values;
}

// Every rule's findings as the CLI prints them: "status|rule|caption|value|limit".
QStringList everyFinding(const ParameterValues &values, const RoadClass *roadClass)
{
    QStringList lines;
    for (const RoadFinding &f : checkEveryRule(values, roadClass, std::nullopt, kPoint)) {
        lines << QStringLiteral("%1|%2|%3|%4|%5")
                     .arg(QLatin1String(roadSeverityId(f.severity)), QLatin1String(roadRuleId(f.rule)),
                          fieldLabel(*f.descriptor), f.value, f.limit);
    }
    return lines;
}

} // namespace

class TestRoadCheck : public QObject {
    Q_OBJECT
private slots:
    // Guards the class table: each law's figures, miles per hour rounded
    // down to the speed field's tenth, so the converted limit never allows more.
    void classes_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("speedTenths");
        QTest::addColumn<int>("power");
        QTest::addColumn<bool>("throttleAlone");
        QTest::newRow("eu-epac") << "eu-epac" << "EU / UK pedelec (EN 15194)" << 250 << 250 << false;
        QTest::newRow("us-class1") << "us-class1" << "US class 1" << 321 << 750 << false;
        QTest::newRow("us-class2") << "us-class2" << "US class 2" << 321 << 750 << true;
        QTest::newRow("us-class3") << "us-class3" << "US class 3" << 450 << 750 << false;
        QTest::newRow("ca") << "ca" << "Canada" << 320 << 500 << true;
        QTest::newRow("au") << "au" << "Australia pedalec" << 250 << 250 << false;
    }
    void classes()
    {
        QFETCH(QString, id);
        QFETCH(QString, name);
        QFETCH(int, speedTenths);
        QFETCH(int, power);
        QFETCH(bool, throttleAlone);
        const RoadClass *c = findRoadClass(id);
        QVERIFY(c);
        QCOMPARE(roadClassName(*c), name);
        QCOMPARE(c->speedLimitTenths, speedTenths);
        QCOMPARE(c->ratedPowerLimit, power);
        QCOMPARE(c->throttleWithoutPedalling, throttleAlone);
        QCOMPARE(roadClasses().size(), std::size_t(6));
        QVERIFY(!findRoadClass(u"EU-EPAC") && !findRoadClass(u"") && !findRoadClass(u"us-class4"));
    }

    // mph to tenths of km/h: always down, never up (19 mph is 30.577 km/h).
    void mphRoundsTowardTheLegalSide_data()
    {
        QTest::addColumn<int>("mph");
        QTest::addColumn<int>("tenths");
        QTest::newRow("20 mph: 32.187") << 20 << 321;
        QTest::newRow("28 mph: 45.062") << 28 << 450;
        QTest::newRow("19 mph: 30.577") << 19 << 305;
        QTest::newRow("15 mph: 24.140") << 15 << 241;
        QTest::newRow("0 mph") << 0 << 0;
    }
    void mphRoundsTowardTheLegalSide()
    {
        QFETCH(int, mph);
        QFETCH(int, tenths);
        QCOMPARE(tenthsOfKmhFromMph(mph), tenths);
        QVERIFY(tenths <= mph * 16.09344);
    }

    // Guards each rule at and just past its limit, for every class: the
    // limit itself keeps to the class, one step more breaks it.
    void speedAndPowerAtTheirLimits_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("findings");
        for (const RoadClass &c : roadClasses()) {
            const QString speed = roadClassSpeedText(c, kPoint);
            const QString power = roadClassPowerText(c);
            const int s = c.speedLimitTenths;
            const int p = c.ratedPowerLimit;
            const auto kmh = [](int tenths) {
                return QStringLiteral("%1.%2 km/h").arg(tenths / 10).arg(tenths % 10);
            };
            QTest::addRow("%s speed at", c.id) << c.id << kSpeedLimitIndex << s << QStringList();
            QTest::addRow("%s speed past", c.id)
                << c.id << kSpeedLimitIndex << s + 1 << QStringList{"speed-limit|" + kmh(s + 1) + u'|' + speed};
            QTest::addRow("%s power at", c.id) << c.id << 43 << p << QStringList();
            QTest::addRow("%s power past", c.id)
                << c.id << 43 << p + 1 << QStringList{"rated-power|" + QString::number(p + 1) + " W|" + power};
        }
    }
    void speedAndPowerAtTheirLimits()
    {
        QFETCH(QString, id);
        QFETCH(int, index);
        QFETCH(int, value);
        QFETCH(QStringList, findings);
        ParameterValues values = keepingValues();
        values[index] = quint16(value);
        QCOMPARE(findingsOf(values, id.toLatin1().constData()), findings);
    }

    // The speed limit as the window's field and box send it: 25.0 keeps to
    // the EU class, 25.1 breaks it, and a clear "Limit max speed" sends
    // 900.0 km/h whatever the field holds; mph limits are shown with the law's figure.
    void speedLimitAsTheWindowSendsIt_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("limitMaxSpeed");
        QTest::addColumn<QStringList>("findings");
        QTest::newRow("25.0") << "eu-epac" << "25.0" << true << QStringList();
        QTest::newRow("25.1") << "eu-epac" << "25.1" << true
                              << QStringList{"speed-limit|25.1 km/h|at most 25.0 km/h"};
        QTest::newRow("box clear") << "eu-epac" << "20.0" << false
                                   << QStringList{"speed-limit|900.0 km/h|at most 25.0 km/h"};
        QTest::newRow("32.1 in class 1") << "us-class1" << "32.1" << true << QStringList();
        QTest::newRow("32.2 in class 1") << "us-class1" << "32.2" << true
                                         << QStringList{"speed-limit|32.2 km/h|at most 32.1 km/h (20 mph)"};
        QTest::newRow("box clear, class 3") << "us-class3" << "25.0" << false
                                            << QStringList{"speed-limit|900.0 km/h|at most 45.0 km/h (28 mph)"};
    }
    void speedLimitAsTheWindowSendsIt()
    {
        QFETCH(QString, id);
        QFETCH(QString, text);
        QFETCH(bool, limitMaxSpeed);
        QFETCH(QStringList, findings);
        ParameterSnapshot snapshot = ParameterSnapshot::initial();
        snapshot[19].number = 1;
        snapshot[kSpeedLimitIndex].text = text;
        snapshot.limitMaxSpeed = limitMaxSpeed;
        const EncodedSet set = encodeAll(snapshot, kPoint);
        QVERIFY(set.ok());
        QCOMPARE(findingsOf(set.values, id.toLatin1().constData()), findings);
    }

    // A throttle that moves the bike on its own breaks the classes that want
    // pedalling, and only those; pedalling styles and an unused throttle keep to all.
    void throttleWithoutPedalling_data()
    {
        QTest::addColumn<int>("useThrottle");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("breaksPedalClasses");
        QTest::newRow("independently") << 1 << 0 << true;
        QTest::newRow("with pedal sensor") << 1 << 1 << false;
        QTest::newRow("start by pedal sensor") << 1 << 2 << false;
        QTest::newRow("throttle not used") << 0 << 0 << false;
    }
    void throttleWithoutPedalling()
    {
        QFETCH(int, useThrottle);
        QFETCH(int, style);
        QFETCH(bool, breaksPedalClasses);
        ParameterValues values = keepingValues();
        values[14] = quint16(useThrottle);
        values[19] = quint16(style);
        for (const RoadClass &c : roadClasses()) {
            const QStringList expected = breaksPedalClasses && !c.throttleWithoutPedalling
                ? QStringList{"throttle-without-pedalling|Independently|only with pedalling: Together "
                              "with pedal sensor or Start by pedal sensor, or Use throttle cleared"}
                : QStringList();
            QCOMPARE(findingsOf(values, c.id), expected);
        }
    }

    // The tire's perimeter: ETRTO by π × (bead seat + 2 × width), common sizes
    // by their rolling circumference, anything else refused.
    void tireSizes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("perimeter"); // 0: refused
        QTest::newRow("57-584") << "57-584" << "57-584" << 2192.83;
        QTest::newRow("blanks") << " 25 - 622 " << "25-622" << 2111.15;
        QTest::newRow("narrowest") << "10-100" << "10-100" << 376.99;
        QTest::newRow("26x2.1") << "26x2.1" << "26×2.1 (54-559)" << 2068.0;
        QTest::newRow("27.5×2.4") << "27.5×2.4" << "27.5×2.4 (61-584)" << 2197.0;
        QTest::newRow("29X2.3") << "29X2.3" << "29×2.3 (58-622)" << 2326.0;
        QTest::newRow("700x35c") << "700x35c" << "700×35C (35-622)" << 2168.0;
        QTest::newRow("too wide") << "151-584" << "" << 0.0;
        QTest::newRow("too narrow") << "9-584" << "" << 0.0;
        QTest::newRow("bead seat of two digits") << "57-58" << "" << 0.0;
        QTest::newRow("no size") << "fat" << "" << 0.0;
        QTest::newRow("empty") << "" << "" << 0.0;
        QTest::newRow("unknown inch size") << "26x9" << "" << 0.0;
    }
    void tireSizes()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(double, perimeter);
        const std::optional<TireSize> tire = parseTireSize(text);
        QCOMPARE(tire.has_value(), perimeter > 0);
        if (tire) {
            QCOMPARE(tire->name, name);
            QVERIFY2(qAbs(tire->perimeter - perimeter) < 0.01, qPrintable(QString::number(tire->perimeter)));
        }
    }

    // The inch and French sizes printed on e-bike tires: the bead seat from
    // the wheel size, the width from inches (× 25.4 mm) or the "c" size's
    // millimetres, the perimeter by the ETRTO formula. Sizes of the common
    // list keep their rolling circumference; a language with a decimal comma
    // also takes the comma, the others only the point.
    void tireSizesAsPrinted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("decimalComma");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("perimeter"); // 0: refused
        QTest::newRow("20x4.0") << "20x4.0" << false << "20×4.0 (102-406)" << 1913.86;
        QTest::newRow("26x2.0") << "26x2.0" << false << "26×2.0 (51-559)" << 2075.34;
        QTest::newRow("26x2.125") << "26x2.125" << false << "26×2.125 (54-559)" << 2095.29;
        QTest::newRow("26x2.25") << "26x2.25" << false << "26×2.25 (57-559)" << 2115.23;
        QTest::newRow("26x4.0") << "26x4.0" << false << "26×4.0 (102-559)" << 2394.52;
        QTest::newRow("27.5x2.4 of the list") << "27.5x2.4" << false << "27.5×2.4 (61-584)" << 2197.0;
        QTest::newRow("27.5x2.8") << "27.5x2.8" << false << "27.5×2.8 (71-584)" << 2281.55;
        QTest::newRow("29x2.25") << "29x2.25" << false << "29×2.25 (57-622)" << 2313.15;
        QTest::newRow("29x2.4") << "29x2.4" << false << "29×2.4 (61-622)" << 2337.09;
        QTest::newRow("29x2.6") << "29X2.6" << false << "29×2.6 (66-622)" << 2369.01;
        QTest::newRow("700x38c") << "700x38c" << false << "700×38C (38-622)" << 2192.83;
        QTest::newRow("700×45C") << "700×45C" << false << "700×45C (45-622)" << 2236.81;
        QTest::newRow("650b") << "650bx2.4" << false << "650b×2.4 (61-584)" << 2217.71;
        QTest::newRow("16 inch, blanks") << " 16 x 2.0 " << false << "16×2.0 (51-305)" << 1277.37;
        QTest::newRow("comma, of the list") << "27,5x2,4" << true << "27.5×2.4 (61-584)" << 2197.0;
        QTest::newRow("comma") << "27,5x2,8" << true << "27.5×2.8 (71-584)" << 2281.55;
        QTest::newRow("point under a comma") << "29x2.6" << true << "29×2.6 (66-622)" << 2369.01;
        QTest::newRow("comma under a point") << "27,5x2,4" << false << "" << 0.0;
        QTest::newRow("no such wheel") << "30x2.0" << false << "" << 0.0;
        QTest::newRow("too narrow") << "26x0.3" << false << "" << 0.0;
        QTest::newRow("too wide") << "26x6.0" << false << "" << 0.0;
        QTest::newRow("c size in inches") << "700x2.0c" << false << "" << 0.0;
        QTest::newRow("two separators") << "27.5x2.4.1" << false << "" << 0.0;
    }
    void tireSizesAsPrinted()
    {
        QFETCH(QString, text);
        QFETCH(bool, decimalComma);
        QFETCH(QString, name);
        QFETCH(double, perimeter);
        const std::optional<TireSize> tire = parseTireSize(text, NumberFormat{decimalComma});
        QCOMPARE(tire.has_value(), perimeter > 0);
        if (tire) {
            QCOMPARE(tire->name, name);
            QVERIFY2(qAbs(tire->perimeter - perimeter) < 0.01, qPrintable(QString::number(tire->perimeter)));
        }
    }

    // The perimeter breaks a class only when the bike really assists past
    // the class's speed: the speed limit sent × the tire's rolling
    // circumference ÷ the perimeter set, at the speed field's tenth. A
    // perimeter more than 3 % off while the class holds is a note: the
    // speedometer reads wrong. Without a tire the perimeter is not judged.
    void wheelPerimeter_data()
    {
        QTest::addColumn<QString>("classId");
        QTest::addColumn<QString>("tire");
        QTest::addColumn<int>("speed"); // tenths of km/h as sent
        QTest::addColumn<int>("perimeter");
        QTest::addColumn<QStringList>("findings"); // "status|rule|value|limit"
        // 57-584 rolls 2192.8 mm: at 25.0 km/h it keeps to 25.0 from 2189 mm on.
        const QString eu57 = QStringLiteral("at least 2189 mm: the tire 57-584 rolls 2193 mm a turn");
        const QString true57 = QStringLiteral("2128 mm to 2258 mm: the tire 57-584 rolls 2193 mm a turn");
        QTest::newRow("the tire's own") << "eu-epac" << "57-584" << 250 << 2193 << QStringList();
        QTest::newRow("least that keeps") << "eu-epac" << "57-584" << 250 << 2189 << QStringList();
        QTest::newRow("one short of it")
            << "eu-epac" << "57-584" << 250 << 2188
            << QStringList{"breaks|wheel-perimeter|2188 mm, so it assists up to 25.1 km/h|" + eu57};
        QTest::newRow("past 3 %") << "eu-epac" << "57-584" << 250 << 2126
                                  << QStringList{"breaks|wheel-perimeter|2126 mm, so it assists up to 25.8 km/h|" + eu57};
        QTest::newRow("a 26-inch setting on a 29er")
            << "eu-epac" << "29x2.3" << 250 << 2074
            << QStringList{"breaks|wheel-perimeter|2074 mm, so it assists up to 28.0 km/h|"
                           "at least 2322 mm: the tire 29×2.3 (58-622) rolls 2326 mm a turn"};
        QTest::newRow("no perimeter") << "eu-epac" << "57-584" << 250 << 0
                                      << QStringList{"breaks|wheel-perimeter|0 mm, so it assists at any speed|" + eu57};
        QTest::newRow("no speed limit")
            << "eu-epac" << "57-584" << 9000 << 2074
            << QStringList{"breaks|wheel-perimeter|2074 mm, and there is no speed limit: it assists at any "
                           "speed|at most 25.0 km/h"};
        // 26.4 km/h is within 20 mph (32.1 km/h) and Canada's 32.0.
        QTest::newRow("short, class 2 kept")
            << "us-class2" << "57-584" << 250 << 2074
            << QStringList{"note|wheel-perimeter|2074 mm, so the speedometer reads 5 % slow|" + true57};
        QTest::newRow("short, Canada kept")
            << "ca" << "57-584" << 250 << 2074
            << QStringList{"note|wheel-perimeter|2074 mm, so the speedometer reads 5 % slow|" + true57};
        QTest::newRow("class 2 at its edge")
            << "us-class2" << "57-584" << 250 << 1706
            << QStringList{"note|wheel-perimeter|1706 mm, so the speedometer reads 22 % slow|" + true57};
        QTest::newRow("class 2 past its edge")
            << "us-class2" << "57-584" << 250 << 1705
            << QStringList{"breaks|wheel-perimeter|1705 mm, so it assists up to 32.2 km/h|"
                           "at least 1706 mm: the tire 57-584 rolls 2193 mm a turn"};
        QTest::newRow("3 % long") << "eu-epac" << "57-584" << 250 << 2258 << QStringList();
        QTest::newRow("longer than the tire")
            << "eu-epac" << "26x2.1" << 250 << 2400
            << QStringList{"note|wheel-perimeter|2400 mm, so the speedometer reads 16 % fast|"
                           "2006 mm to 2130 mm: the tire 26×2.1 (54-559) rolls 2068 mm a turn"};
        QTest::newRow("no tire given") << "eu-epac" << "" << 250 << 500 << QStringList();
    }
    void wheelPerimeter()
    {
        QFETCH(QString, classId);
        QFETCH(QString, tire);
        QFETCH(int, speed);
        QFETCH(int, perimeter);
        QFETCH(QStringList, findings);
        ParameterValues values = keepingValues();
        values[kSpeedLimitIndex] = quint16(speed);
        values[kWheelPerimeterIndex] = quint16(perimeter);
        QStringList lines;
        const RoadClass &roadClass = *findRoadClass(classId);
        for (const RoadFinding &f : checkRoadClass(values, roadClass, parseTireSize(tire), kPoint)) {
            if (f.rule == RoadRule::WheelPerimeter)
                lines << QStringLiteral("%1|%2|%3|%4").arg(QLatin1String(roadSeverityId(f.severity)),
                                                          QLatin1String(roadRuleId(f.rule)), f.value, f.limit);
        }
        QCOMPARE(lines, findings);
    }

    // The report keeps a note apart from what breaks the class: a class kept
    // with a note still says it is kept, and the note follows.
    void reportKeepsNotesApart()
    {
        ParameterValues values = keepingValues();
        values[kWheelPerimeterIndex] = 2074;
        QCOMPARE(roadCheckReport(values, findRoadClass(u"us-class2"), parseTireSize(QStringLiteral("57-584")), kPoint),
                 (QStringList{"Road class: US class 2", "Tire: 57-584, 2193 mm a turn",
                              "The settings keep to the road class US class 2.",
                              "Worth knowing, though it does not break the class:",
                              "• Wheel perimeter: 2074 mm, so the speedometer reads 5 % slow "
                              "(2128 mm to 2258 mm: the tire 57-584 rolls 2193 mm a turn)"}));
        values[kRatedPowerIndex] = 751;
        QCOMPARE(roadCheckReport(values, findRoadClass(u"us-class2"), parseTireSize(QStringLiteral("57-584")), kPoint)
                     .mid(2, 2),
                 (QStringList{"These values break the road class US class 2:",
                              "• Rated power: 751 W (allowed: at most 750 W)"}));
    }

    // Every rule at once, in the order of the rules, and the report the
    // check dialog and the sheet show.
    void reportListsEveryFinding()
    {
        ParameterValues values = keepingValues();
        values[kSpeedLimitIndex] = 9000;
        values[43] = 500;
        values[19] = 0;
        values[kWheelPerimeterIndex] = 2000;
        const QStringList rules = [&] {
            QStringList ids;
            for (const RoadFinding &f : checkRoadClass(values, *findRoadClass(u"au"), parseTireSize(QStringLiteral("57-584")), kPoint))
                ids << QLatin1String(roadRuleId(f.rule));
            return ids;
        }();
        QCOMPARE(rules, (QStringList{"speed-limit", "rated-power", "throttle-without-pedalling", "wheel-perimeter"}));
        QCOMPARE(roadCheckReport(keepingValues(), findRoadClass(u"ca"), std::nullopt, kPoint),
                 (QStringList{"Road class: Canada", "No tire given: the wheel perimeter is not checked.",
                              "The settings keep to the road class Canada."}));
        values = keepingValues();
        values[43] = 251;
        QCOMPARE(roadCheckReport(values, findRoadClass(u"eu-epac"), parseTireSize(QStringLiteral("26x2.1")), kPoint),
                 (QStringList{"Road class: EU / UK pedelec (EN 15194)", "Tire: 26×2.1 (54-559), 2068 mm a turn",
                              "These values break the road class EU / UK pedelec (EN 15194):",
                              "• Rated power: 251 W (allowed: at most 250 W)"}));
        QCOMPARE(roadCheckReport(values, nullptr, std::nullopt, kPoint), QStringList{"No road class chosen."});
        // A decimal comma user reads the speed with the comma.
        values[kSpeedLimitIndex] = 251;
        const QList<RoadFinding> comma =
            checkRoadClass(values, *findRoadClass(u"eu-epac"), std::nullopt, NumberFormat{true});
        QCOMPARE(comma.first().value, QStringLiteral("25,1 km/h"));
        QCOMPARE(comma.first().limit, QStringLiteral("at most 25,0 km/h"));
    }

    // Guards the fingerprint: two groups of four hexadecimal digits, pinned
    // for the initial state (marks on paper outlive versions), changed by any
    // stored value, and blind to what a read's replies carry for the fixed
    // and reserved items.
    // Guards each plausibility rule at its limit (nothing to warn of) and just
    // past it (a warning naming the field, its value and what would fit).
    void plausibilityAtItsLimits_data()
    {
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<QStringList>("findings");
        const auto warn = [](const char *rule, const QString &rest) {
            return QStringList{QStringLiteral("warn|%1|%2").arg(QLatin1String(rule), rest)};
        };
        // Low voltage protection counts 330 a volt; the rated voltage gives the cells.
        const QString lvp10 = "Low voltage protection|%1|28.0 V to 36.0 V for 10 cells (rated voltage 36 V)";
        QTest::newRow("initial values") << Changes{} << QStringList();
        QTest::newRow("36 V: 28.0 V") << Changes{{2, 9240}} << QStringList();
        QTest::newRow("36 V: 27.9 V") << Changes{{2, 9207}}
                                      << warn("low-voltage-protection", lvp10.arg("27.9 V"));
        QTest::newRow("36 V: 36.0 V") << Changes{{2, 11880}} << QStringList();
        QTest::newRow("36 V: 36.1 V") << Changes{{2, 11913}}
                                      << warn("low-voltage-protection", lvp10.arg("36.1 V"));
        QTest::newRow("48 V: 36.4 V") << Changes{{42, 48}, {2, 12012}} << QStringList();
        QTest::newRow("48 V: 36.3 V")
            << Changes{{42, 48}, {2, 11979}}
            << warn("low-voltage-protection",
                    "Low voltage protection|36.3 V|36.4 V to 46.8 V for 13 cells (rated voltage 48 V)");
        QTest::newRow("52 V: 50.4 V") << Changes{{42, 52}, {2, 16632}} << QStringList();
        QTest::newRow("52 V: 50.5 V")
            << Changes{{42, 52}, {2, 16665}}
            << warn("low-voltage-protection",
                    "Low voltage protection|50.5 V|39.2 V to 50.4 V for 14 cells (rated voltage 52 V)");
        QTest::newRow("no cells at 1 V") << Changes{{42, 1}} << QStringList();
        // Max battery current counts 21 an ampere.
        QTest::newRow("battery 30.0 A, phase 30 A") << Changes{{1, 630}} << QStringList();
        QTest::newRow("battery 30.1 A, phase 30 A")
            << Changes{{1, 632}}
            << warn("battery-over-phase-current",
                    "Max battery current|30.1 A|at most 30 A, the value of Max phase current");
        QTest::newRow("perimeter 1000 mm") << Changes{{7, 1000}} << QStringList();
        QTest::newRow("perimeter 999 mm")
            << Changes{{7, 999}} << warn("wheel-perimeter-range", "Wheel perimeter|999 mm|1000 mm to 2600 mm");
        QTest::newRow("perimeter 2600 mm") << Changes{{7, 2600}} << QStringList();
        QTest::newRow("perimeter 2601 mm")
            << Changes{{7, 2601}} << warn("wheel-perimeter-range", "Wheel perimeter|2601 mm|1000 mm to 2600 mm");
        // Three levels in use; the six above them do not count.
        QTest::newRow("levels rising by one")
            << Changes{{20, 3}, {21, 40}, {22, 41}, {23, 100}} << QStringList();
        QTest::newRow("level equal to the one below")
            << Changes{{20, 3}, {21, 40}, {22, 40}, {23, 100}}
            << warn("pas-levels-order", "Level 2|40 %|above 40 %, the value of Level 1");
        QTest::newRow("top level 99 %")
            << Changes{{20, 3}, {21, 40}, {22, 45}, {23, 99}}
            << warn("pas-levels-order", "Level 3|99 %|100 % at the top level in use");
        QTest::newRow("one level below 100 %")
            << Changes{{20, 1}, {21, 99}} << warn("pas-levels-order", "Level 1|99 %|100 % at the top level in use");
        // The throttle's voltages count 13800 a volt.
        QTest::newRow("start 3.3 V, full 3.4 V") << Changes{{17, 45540}, {18, 46920}} << QStringList();
        QTest::newRow("start 3.4 V, full 3.4 V")
            << Changes{{17, 46920}, {18, 46920}}
            << warn("throttle-voltages", "Start voltage|3.4 V|below 3.4 V, the value of Full");
        QTest::newRow("counts of one") << Changes{{6, 1}, {10, 1}, {45, 1}} << QStringList();
        QTest::newRow("speedometer magnets 0")
            << Changes{{6, 0}} << warn("zero-count", "Speedometer magnets|0|at least 1");
        QTest::newRow("pedal sensor magnets 0")
            << Changes{{10, 0}} << warn("zero-count", "Pedal sensor magnets|0 magnets a circle|at least 1");
        QTest::newRow("pole pairs 0") << Changes{{45, 0}} << warn("zero-count", "No. of pole-pairs|0|at least 1");
    }
    void plausibilityAtItsLimits()
    {
        QFETCH(Changes, changes);
        QFETCH(QStringList, findings);
        QCOMPARE(everyFinding(changed(changes), nullptr), findings);
    }

    // Guards the order of every rule's findings, heaviest first, and how a
    // warning reads in a list: a class's breach, then the warnings, then its note.
    void everyRuleHeaviestFirst()
    {
        const RoadClass *epac = findRoadClass(u"eu-epac");
        const ParameterValues values = changed({{5, 251}, {7, 2601}, {45, 0}});
        const QList<RoadFinding> findings = checkEveryRule(values, epac, parseTireSize(QStringLiteral("57-584")), kPoint);
        QStringList severities;
        for (const RoadFinding &f : findings)
            severities << QLatin1String(roadSeverityId(f.severity));
        QCOMPARE(severities, (QStringList{"breaks", "warn", "warn", "note"}));
        QCOMPARE(findings[1].related, nullptr);
        QCOMPARE(roadFindingLines(findingsOfSeverity(findings, RoadSeverity::Warn)),
                 QStringLiteral("Wheel perimeter: 2601 mm (plausible: 1000 mm to 2600 mm)\n"
                                "No. of pole-pairs: 0 (plausible: at least 1)"));
        QCOMPARE(checkEveryRule(values, nullptr, std::nullopt, kPoint).size(), 2);
        const ParameterValues currents = changed({{1, 632}});
        QCOMPARE(checkPlausibility(currents, kPoint).first().related, parameterByName("MaxPhaseCurrent"));
    }

    void fingerprint()
    {
        ParameterSnapshot snapshot = ParameterSnapshot::initial();
        const ParameterValues initial = encodeAll(snapshot, kPoint).values;
        const QString mark = settingsFingerprint(initial);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{4}-[0-9A-F]{4}$")).match(mark).hasMatch());
        QCOMPARE(mark, QStringLiteral("2706-A668"));
        QSet<QString> marks{mark};
        for (const ParameterDescriptor &d : parameterTable()) {
            ParameterValues changed = initial;
            changed[d.index] = quint16(changed[d.index] + 1);
            if (d.isStored())
                marks.insert(settingsFingerprint(changed));
            else
                QCOMPARE(settingsFingerprint(changed), mark);
        }
        QCOMPARE(marks.size(), 44); // the 43 stored parameters and the initial state
        // The same settings under a decimal comma send, and so mark, the same.
        for (auto &item : snapshot.items)
            item.text.replace(u'.', u',');
        QCOMPARE(settingsFingerprint(encodeAll(snapshot, NumberFormat{true}).values), mark);
    }
};

QTEST_GUILESS_MAIN(TestRoadCheck)
#include "test_road_check.moc"
