#include "params/extended_decimal.h"

#include <QtTest>

using namespace vexlor;

Q_DECLARE_METATYPE(vexlor::ExtendedArithmetic)

namespace {

QByteArray arithmeticName(ExtendedArithmetic arithmetic)
{
    return arithmetic == ExtendedArithmetic::Native ? "long double" : "software";
}

constexpr int kRefused = -1;

} // namespace

// Both arithmetics run the same rows: the software path is what MSVC and ARM
// builds use, so it must agree with the extended format count for count.
class TestExtendedDecimal : public QObject {
    Q_OBJECT
private slots:
    void nativeIsUsedWhereAvailable()
    {
        QVERIFY(availableArithmetics().contains(ExtendedArithmetic::Software));
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
        // Guards against silently testing only one path on the reference platform.
        QVERIFY(kNativeExtendedAvailable);
        QCOMPARE(defaultArithmetic(), ExtendedArithmetic::Native);
#endif
    }

    void decimalToCount_data()
    {
        QTest::addColumn<ExtendedArithmetic>("arithmetic");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("expected");

        struct Row {
            const char *text;
            int factor;
            int expected;
            const char *why;
        };
        const Row rows[] = {
            // The controller values the tool has always sent (double would give 57960, 10593).
            {"4.2", 13800, 57959, "exact product 57960"},
            {"2.1", 13800, 28979, "exact product 28980"},
            {"32.1", 330, 10592, "exact product 10593"},
            {"18.5", 21, 388, "388.5 truncated, not rounded"},
            {"1.2", 13800, 16560, "default start voltage"},
            {"3.4", 13800, 46920, "default full voltage"},
            {"31.5", 330, 10395, "default low voltage"},
            {"0.3", 1000, 300, "default inductance"},
            {"14.0", 21, 294, "default battery current"},
            {"8", 10, 80, "whole text in a decimal field"},
            {"42e-1", 13800, 57959, "exponent form rounds like the plain text"},
            {"0.0042E3", 13800, 57959, "separator and exponent together"},
            {"4.2000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
             "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
             "000000000000000000000000000000000000000000001",
             13800, 57959, "a digit far past 200 places still counts"},
            // 1 - 2^-65 lies exactly halfway between 1 - 2^-64 and 1: ties go to the even one, 1.
            {"0.99999999999999999997289494568786238914981367997825145721435546875", 1, 1, "tie to even"},
            {"0.99999999999999999997289494568786238914981367997825145721435546874", 1, 0, "just below the tie"},
            // (2^65 - 1) / 31 / 2^63 is exact; times 31 it is 4 - 2^-63, halfway below 4.
            {"0.129032258064516129028760638153272566341911442577838897705078125", 31, 4, "product tie"},
            // Truncation toward zero: a small negative result is 0, sendable.
            {"-0.04", 21, 0, "-0.84 truncates to 0"},
            {"-0", 21, 0, "negative zero"},
            {"1e-30", 13800, 0, "negligible"},
            // The refusal instead of wrapping.
            {"-1.0", 21, kRefused, "would wrap to 65515"},
            // Negative values never reach a conversion to an unsigned type
            // (the sanitized build checks float-cast-overflow).
            {"-0.047", 21, 0, "-0.987 truncates to 0"},
            {"-0.048", 21, kRefused, "-1.008 truncates to -1"},
            {"-3120.77", 21, kRefused, "negative past the largest count"},
            {"-1e14", 10, kRefused, "large negative"},
            {"3120.76", 21, 65535, "largest battery current"},
            {"3120.77", 21, kRefused, "first one past 65535"},
            {"4.75", 13800, kRefused, "throttle voltage past 4.749 V"},
            {"1e300", 10, kRefused, "huge"},
        };
        for (ExtendedArithmetic arithmetic : availableArithmetics()) {
            for (const Row &row : rows) {
                QTest::addRow("%s: %s", arithmeticName(arithmetic).constData(), row.why)
                    << arithmetic << QString::fromLatin1(row.text) << row.factor << row.expected;
            }
        }
    }

    // Guards the last count of every decimal parameter and the 0..65535 refusal.
    void decimalToCount()
    {
        QFETCH(ExtendedArithmetic, arithmetic);
        QFETCH(QString, text);
        QFETCH(int, factor);
        QFETCH(int, expected);
        const auto parsed = parseDecimalText(text, NumberFormat::point());
        QVERIFY(parsed);
        const auto count = vexlor::decimalToCount(*parsed, factor, arithmetic);
        QCOMPARE(count ? int(*count) : kRefused, expected);
    }

    void countToDecimalText_data()
    {
        QTest::addColumn<ExtendedArithmetic>("arithmetic");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("expected");

        struct Row {
            int count, factor, decimals;
            bool comma;
            const char *expected;
            const char *why;
        };
        const Row rows[] = {
            {388, 21, 1, false, "18.5", "18.476 rounds up"},
            {57959, 13800, 1, false, "4.2", "throttle full voltage"},
            {10592, 330, 1, false, "32.1", "low voltage"},
            {9000, 10, 1, false, "900.0", "unlimited speed"},
            {300, 1000, 3, false, "0.300", "three places"},
            {0, 21, 1, false, "0.0", "zero keeps its places"},
            {65535, 21, 1, false, "3120.7", "largest count"},
            {294, 21, 1, true, "14,0", "decimal comma"},
            // 5/20 is exactly 0.25: half away from zero gives 0.3, not 0.2.
            {5, 20, 1, false, "0.3", "half away from zero"},
            // 7 x (1/20) is 0.3499999999999999999946: at 18 digits it is 0.35, so 0.4.
            {7, 20, 1, false, "0.4", "18 significant digits first"},
        };
        for (ExtendedArithmetic arithmetic : availableArithmetics()) {
            for (const Row &row : rows) {
                QTest::addRow("%s: %s", arithmeticName(arithmetic).constData(), row.why)
                    << arithmetic << row.count << row.factor << row.decimals << row.comma
                    << QString::fromLatin1(row.expected);
            }
        }
    }

    // Guards the text a controller read puts into a decimal field.
    void countToDecimalText()
    {
        QFETCH(ExtendedArithmetic, arithmetic);
        QFETCH(int, count);
        QFETCH(int, factor);
        QFETCH(int, decimals);
        QFETCH(bool, comma);
        QFETCH(QString, expected);
        const NumberFormat format = comma ? NumberFormat::comma() : NumberFormat::point();
        QCOMPARE(vexlor::countToDecimalText(quint16(count), factor, decimals, format, arithmetic), expected);
    }

    // Every count of every factor the table uses reads back the same on both
    // paths, so a software-only build shows exactly what this one shows.
    void pathsAgreeOnEveryCount()
    {
        if (!kNativeExtendedAvailable)
            QSKIP("long double is not the extended format here");
        for (int factor : {21, 330, 10, 13800, 1000}) {
            const int decimals = factor == 1000 ? 3 : 1;
            for (int count = 0; count <= 65535; ++count) {
                const QString native = vexlor::countToDecimalText(quint16(count), factor, decimals,
                                                                  NumberFormat::point(), ExtendedArithmetic::Native);
                const QString software = vexlor::countToDecimalText(
                    quint16(count), factor, decimals, NumberFormat::point(), ExtendedArithmetic::Software);
                if (native != software)
                    QFAIL(qPrintable(QStringLiteral("%1 at %2: %3 vs %4").arg(count).arg(factor).arg(native, software)));
            }
        }
    }

    // Every text with the read format's places that a field can send gives the
    // same count on both paths.
    void pathsAgreeOnEveryShownValue()
    {
        if (!kNativeExtendedAvailable)
            QSKIP("long double is not the extended format here");
        for (int factor : {21, 330, 10, 13800, 1000}) {
            const int decimals = factor == 1000 ? 3 : 1;
            const int scale = decimals == 3 ? 1000 : 10;
            for (int scaled = 0; scaled <= 65535 * scale / factor + 1; ++scaled) {
                DecimalText text;
                text.digits = QString::number(scaled);
                text.exponent10 = -decimals;
                const auto native = vexlor::decimalToCount(text, factor, ExtendedArithmetic::Native);
                const auto software = vexlor::decimalToCount(text, factor, ExtendedArithmetic::Software);
                if (native != software)
                    QFAIL(qPrintable(QStringLiteral("%1e-%2 at %3").arg(scaled).arg(decimals).arg(factor)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestExtendedDecimal)
#include "test_extended_decimal.moc"
