#include "params/parameter_codec.h"

#include <QtTest>

using namespace vexlor;

Q_DECLARE_METATYPE(vexlor::ExtendedArithmetic)

namespace {

// The window's initial state as a user under the given separator sees it.
ParameterSnapshot initialIn(NumberFormat format)
{
    ParameterSnapshot s = ParameterSnapshot::initial();
    if (format.decimalComma) {
        for (auto &item : s.items)
            item.text.replace(u'.', u',');
    }
    return s;
}

// A decimal text moved by `steps` units of its `places`-th decimal place:
// ("3120.762", -1, 3) gives "3120.761".
QString movedBy(const QString &text, int steps, int places)
{
    const qsizetype point = text.indexOf(u'.');
    const QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);
    const qint64 scaled = (whole + fraction.leftJustified(places, u'0')).toLongLong() + steps;
    const QString digits = QString::number(scaled).rightJustified(places + 1, u'0');
    return digits.chopped(places) + u'.' + digits.right(places);
}

} // namespace

class TestParameterCodec : public QObject {
    Q_OBJECT
private slots:
    void defaultsEncodeToTheControllerValues_data()
    {
        QTest::addColumn<ExtendedArithmetic>("arithmetic");
        QTest::addColumn<bool>("comma");
        for (ExtendedArithmetic arithmetic : availableArithmetics()) {
            const char *name = arithmetic == ExtendedArithmetic::Native ? "long double" : "software";
            QTest::addRow("%s, decimal point", name) << arithmetic << false;
            QTest::addRow("%s, decimal comma", name) << arithmetic << true;
        }
    }

    // Guards all sixty values of a write from the initial window, under both separators.
    void defaultsEncodeToTheControllerValues()
    {
        QFETCH(ExtendedArithmetic, arithmetic);
        QFETCH(bool, comma);
        const NumberFormat format = comma ? NumberFormat::comma() : NumberFormat::point();
        const EncodedSet set = encodeAll(initialIn(format), format, arithmetic);
        QVERIFY2(set.ok(), qPrintable(set.error));
        const QList<int> parameters = {
            294, 10395, 100, 0, 250, 1, 2074, 1, 0, 12, 2, 100, 900, 1, 100, 0, 16560,
            46920, 0, 9, 40, 45, 50, 55, 60, 70, 80, 90, 100, 1, 0, 20, 0, // 1..33
        };
        QList<int> expected{256};
        expected << parameters << QList<int>(6, 0) << QList<int>{0, 0, 36, 250, 1, 10, 1500, 80, 300, 300, 30}
                 << QList<int>(9, 0);
        QCOMPARE(expected.size(), kProtocolItemCount);
        QList<int> actual(set.values.begin(), set.values.end());
        QCOMPARE(actual, expected);
    }

    // Guards the refusal order: the first bad field by index is the one reported,
    // with the conversion message of its kind, and nothing is encoded.
    void firstBadEditInIndexOrderIsReported()
    {
        ParameterSnapshot s = ParameterSnapshot::initial();
        s[6].text = QStringLiteral("x");
        s[2].text = QStringLiteral("abc");
        EncodedSet set = encodeAll(s, NumberFormat::point());
        QCOMPARE(set.errorIndex, 2);
        QCOMPARE(set.error, QStringLiteral("'abc' is not a valid floating point value"));

        s[2].text = QStringLiteral("31.5");
        set = encodeAll(s, NumberFormat::point());
        QCOMPARE(set.errorIndex, 6);
        QCOMPARE(set.error, QStringLiteral("'x' is not a valid integer value"));

        // The other locale's separator is not a number here.
        QCOMPARE(encodeParameter(1, initialIn(NumberFormat::point()), NumberFormat::comma()).error,
                 QStringLiteral("'14.0' is not a valid floating point value"));
        QCOMPARE(encodeParameter(1, initialIn(NumberFormat::comma()), NumberFormat::point()).error,
                 QStringLiteral("'14,0' is not a valid floating point value"));
    }

    void outOfRangeIsRefused_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("message");
        auto row = [](const char *name, int index, const char *text, bool comma, const char *message) {
            QTest::newRow(name) << index << QString::fromLatin1(text) << comma << QString::fromLatin1(message);
        };
        row("whole above", 7, "70000", false,
            "'70000' is out of range for Wheel perimeter: the controller accepts 0 to 65535.");
        row("whole negative", 6, "-1", false,
            "'-1' is out of range for Speedometer magnets: the controller accepts 0 to 65535.");
        row("decimal negative", 1, "-1.0", false,
            "'-1.0' is out of range for Max battery current: the controller accepts 0 to less than 3120.762.");
        row("decimal comma", 1, "-1,0", true,
            "'-1,0' is out of range for Max battery current: the controller accepts 0 to less than 3120,762.");
        row("limit two places finer than shown", 2, "200", false,
            "'200' is out of range for Low voltage protection: the controller accepts 0 to less than 198.594.");
        row("65.536 mH itself still encodes", 49, "70", false,
            "'70' is out of range for Stator inductance: the controller accepts 0 to less than 65.53601.");
        row("stop delay in ms", 12, "327680", false,
            "'327680' is out of range for Stop after: the controller accepts 0 to 327679.");
        row("field without caption", 10, "70000", false,
            "'70000' is out of range for Pedal sensor magnets: the controller accepts 0 to 65535.");
        row("control character escaped", 7, "70000\t", false,
            "'70000\\x09' is out of range for Wheel perimeter: the controller accepts 0 to 65535.");
    }

    // Guards the mended wrap-around: a value the controller cannot carry is
    // refused with the field's text and range instead of being sent modulo 65536.
    void outOfRangeIsRefused()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(bool, comma);
        QFETCH(QString, message);
        const NumberFormat format = comma ? NumberFormat::comma() : NumberFormat::point();
        ParameterSnapshot s = initialIn(format);
        s[index].text = text;
        const EncodedSet set = encodeAll(s, format);
        QCOMPARE(set.errorIndex, index);
        QCOMPARE(set.error, message);
    }

    void statedLimitIsTheTrueOne_data()
    {
        QTest::addColumn<int>("index");
        for (const ParameterDescriptor *d : storedParameters()) {
            if (d->hasTextControl())
                QTest::addRow("%d %s", d->index, d->name) << d->index;
        }
    }
    // Guards the range the refusal states: no value above it is accepted (it
    // once said 3120.7 A while 3120.72 went out as 65535 counts), and for
    // decimals it lies within a hundredth of the field's last place.
    void statedLimitIsTheTrueOne()
    {
        QFETCH(int, index);
        const ParameterDescriptor &d = parameterAt(index);
        ParameterSnapshot s = ParameterSnapshot::initial();
        auto encode = [&](const QString &text) {
            s[index].text = text;
            return encodeParameter(index, s, NumberFormat::point());
        };
        const QString message = encode(QStringLiteral("2000000000")).error;
        static const QRegularExpression stated(QStringLiteral("accepts 0 to (less than )?([0-9.]+)\\.$"));
        const QRegularExpressionMatch match = stated.match(message);
        QVERIFY2(match.hasMatch(), qPrintable(message));
        const bool exclusive = match.hasCaptured(1);
        const QString limit = match.captured(2);
        if (d.kind == ParameterKind::Decimal) {
            QVERIFY2(!encode(movedBy(limit, 1, 12)).ok(), qPrintable(message));
            QVERIFY2(exclusive && !encode(limit).ok(), qPrintable(message));
            const EncodedValue below = encode(movedBy(limit, -1, formatDecimals(d.readFormat) + 2));
            QVERIFY2(below.ok(), qPrintable(below.error));
        } else {
            QVERIFY2(!exclusive, qPrintable(message));
            QCOMPARE(encode(limit).value, quint16(65535));
            QVERIFY(!encode(QString::number(limit.toLongLong() + 1)).ok());
        }
    }

    void valuesAtTheEdges_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("expected");
        QTest::newRow("stop delay divided by 5") << 12 << "502" << 0 << 100;
        QTest::newRow("stop delay -3 truncates to 0") << 12 << "-3" << 0 << 0;
        QTest::newRow("stop delay -4 truncates to 0") << 12 << "-4" << 0 << 0;
        QTest::newRow("stop delay largest") << 12 << "327679" << 0 << 65535;
        QTest::newRow("whole largest") << 7 << "65535" << 0 << 65535;
        QTest::newRow("whole with blanks") << 7 << " 2074 " << 0 << 2074;
        QTest::newRow("battery current 18.5") << 1 << "18.5" << 0 << 388;
        QTest::newRow("reduction ratio 8.5") << 47 << "8.5" << 0 << 85;
        QTest::newRow("acceleration lowest") << 3 << "" << 0 << 10;
        QTest::newRow("acceleration highest") << 3 << "" << 10 << 190;
        QTest::newRow("PAS ratio lowest") << 13 << "" << 1 << 180;
        QTest::newRow("PAS ratio highest") << 13 << "" << 9 << 1620;
        QTest::newRow("flag ticked") << 8 << "" << 1 << 1;
        QTest::newRow("second radio button") << 9 << "" << 1 << 1;
        QTest::newRow("last hall sensor item") << 40 << "" << 2 << 2;
    }

    // Guards each kind's rule: division of the stop delay, slider formulas, ticks and items.
    void valuesAtTheEdges()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(int, number);
        QFETCH(int, expected);
        ParameterSnapshot s = ParameterSnapshot::initial();
        s[index].text = text;
        s[index].number = number;
        const EncodedValue encoded = encodeParameter(index, s, NumberFormat::point());
        QVERIFY2(encoded.ok(), qPrintable(encoded.error));
        QCOMPARE(int(encoded.value), expected);
    }

    // Guards index 5: with "Limit max speed" clear the edit is not read at all.
    void clearedSpeedLimitSends9000WhateverTheEditHolds()
    {
        ParameterSnapshot s = ParameterSnapshot::initial();
        s.limitMaxSpeed = false;
        s[5].text = QStringLiteral("not a number");
        const EncodedSet set = encodeAll(s, NumberFormat::point());
        QVERIFY2(set.ok(), qPrintable(set.error));
        QCOMPARE(set.values[5], quint16(9000));
    }

    // Guards a radio group left without a selection by a file: never sent as 65535.
    void radioGroupWithoutSelectionIsRefused()
    {
        ParameterSnapshot s = ParameterSnapshot::initial();
        s[19].number = -1;
        const EncodedSet set = encodeAll(s, NumberFormat::point());
        QCOMPARE(set.errorIndex, 19);
        QCOMPARE(set.error, QStringLiteral("No item is selected for Working style: select one of its 3 items."));
    }

    void decode_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        auto text = [](const char *name, int index, int value, const char *expected, bool comma = false) {
            QTest::newRow(name) << index << value << comma << QString::fromLatin1(expected) << 0;
        };
        auto number = [](const char *name, int index, int value, int expected) {
            QTest::newRow(name) << index << value << false << QString() << expected;
        };
        text("battery 388 reads 18.5", 1, 388, "18.5");
        text("battery comma", 1, 294, "14,0", true);
        text("throttle 57959 reads 4.2", 18, 57959, "4.2");
        text("low voltage 10592 reads 32.1", 2, 10592, "32.1");
        text("unlimited speed 9000", 5, 9000, "900.0");
        text("inductance three places", 49, 300, "0.300");
        text("reduction ratio", 47, 85, "8.5");
        text("stop delay times 5", 12, 100, "500");
        text("whole as received", 6, 65535, "65535");
        text("level count", 20, 3, "3");
        number("acceleration 0", 3, 0, 0);
        number("acceleration 100", 3, 100, 5);
        number("acceleration 190", 3, 190, 10);
        number("acceleration clamped", 3, 1000, 10);
        number("PAS ratio clamped up", 13, 100, 1);
        number("PAS ratio 900", 13, 900, 5);
        number("PAS ratio 1799", 13, 1799, 9);
        number("hall sensor past last", 40, 5, 2);
        number("rotation direction", 41, 1, 1);
        number("brake low", 4, 0, 0);
        number("brake high", 4, 7, 1);
        number("flag nonzero", 8, 2, 1);
    }

    // Guards what a controller read puts into each kind of control.
    void decode()
    {
        QFETCH(int, index);
        QFETCH(int, value);
        QFETCH(bool, comma);
        QFETCH(QString, text);
        QFETCH(int, number);
        const NumberFormat format = comma ? NumberFormat::comma() : NumberFormat::point();
        for (ExtendedArithmetic arithmetic : availableArithmetics()) {
            const auto decoded = decodeParameter(index, quint16(value), format, arithmetic);
            QVERIFY(decoded);
            QCOMPARE(decoded->text, text);
            QCOMPARE(decoded->number, number);
        }
    }

    // Guards the items that are never decoded: version, reserved and fixed.
    void fixedItemsAreNotDecoded()
    {
        for (int index : {0, 34, 39, 44, 51, 59})
            QVERIFY(!decodeParameter(index, 7, NumberFormat::point()));
    }
};

QTEST_GUILESS_MAIN(TestParameterCodec)
#include "test_parameter_codec.moc"
