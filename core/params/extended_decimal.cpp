#include "extended_decimal.h"

#include "big_unsigned.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace vexlor {
namespace {

// Decimal texts longer than this are cut and marked (see canonicalDecimal): any
// value within the range that matters, and any midpoint between two 64-bit
// values there, has far fewer significant digits, so the rounding is unchanged.
constexpr int kKeptDigits = 200;
// Below 10^-20 even the largest factor cannot lift a value to one count; from
// 10^15 up no factor (>= 1) keeps it under 65536. Inside, every step stays well
// within the extended format's normal range.
constexpr int kNegligibleOrder = -20;
constexpr int kTooLargeOrder = 15;

enum class Magnitude { Zero, Negligible, TooLarge, Ordinary };

// value = (negative ? -1 : 1) x digits x 10^exponent10, digits without leading
// or trailing zeros.
struct CanonicalDecimal {
    bool negative = false;
    std::string digits;
    int exponent10 = 0;
    Magnitude magnitude = Magnitude::Zero;
};

CanonicalDecimal canonicalDecimal(const DecimalText &text)
{
    CanonicalDecimal c;
    c.negative = text.negative;
    const QByteArray all = text.digits.toLatin1();
    qsizetype first = 0;
    while (first < all.size() && all[first] == '0')
        ++first;
    qsizetype end = all.size();
    while (end > first && all[end - 1] == '0')
        --end;
    if (first == end)
        return c; // zero
    qint64 exponent = qint64(text.exponent10) + (all.size() - end);
    c.digits.assign(all.constData() + first, size_t(end - first));
    if (c.digits.size() > size_t(kKeptDigits)) {
        // Keep the leading digits and stand for the nonzero rest by one final 1.
        exponent += qint64(c.digits.size()) - kKeptDigits - 1;
        c.digits.resize(kKeptDigits);
        c.digits.push_back('1');
    }
    const qint64 order = qint64(c.digits.size()) + exponent; // value < 10^order
    if (order <= kNegligibleOrder)
        c.magnitude = Magnitude::Negligible;
    else if (order - 1 >= kTooLargeOrder)
        c.magnitude = Magnitude::TooLarge;
    else
        c.magnitude = Magnitude::Ordinary;
    c.exponent10 = int(exponent); // Ordinary keeps it within a few hundred
    return c;
}

// The truncated count of a product, or nullopt outside 0..65535.
std::optional<quint16> countInRange(bool negative, quint64 truncated)
{
    if (truncated == 0)
        return quint16(0); // -0.4 counts truncate to 0, which is sendable
    if (negative || truncated > 65535)
        return std::nullopt;
    return quint16(truncated);
}

// ---- exact software arithmetic ------------------------------------------------

// significand x 2^exponent2, significand 0 or in [2^63, 2^64).
struct Extended64 {
    quint64 significand = 0;
    int exponent2 = 0;
};

// Rounds n x 2^exponent2 to a 64-bit significand, ties to even. `sticky` says
// that the exact value lies a little above n (a nonzero remainder was dropped).
Extended64 roundTo64(BigUnsigned n, bool sticky, int exponent2)
{
    if (n.isZero())
        return {};
    int length = n.bitLength();
    if (length < 66) {
        // Room for the rounding bit, so `sticky` stays below every kept bit.
        n.shiftLeft(66 - length);
        exponent2 -= 66 - length;
        length = 66;
    }
    const int dropped = length - 64;
    quint64 significand = n.bitsFrom(dropped);
    const bool roundBit = n.testBit(dropped - 1);
    const bool below = sticky || n.anyBitBelow(dropped - 1);
    if (roundBit && (below || (significand & 1u))) {
        ++significand;
        if (significand == 0) { // carried out of 64 bits
            significand = quint64(1) << 63;
            ++exponent2;
        }
    }
    return {significand, exponent2 + dropped};
}

Extended64 softwareDecimalValue(const CanonicalDecimal &c)
{
    BigUnsigned n = BigUnsigned::fromDecimalDigits(QString::fromLatin1(c.digits.data(), qsizetype(c.digits.size())));
    if (c.exponent10 >= 0) {
        for (int i = 0; i < c.exponent10; ++i)
            n.multiply(10);
        return roundTo64(n, false, 0);
    }
    // digits / 10^k: scale up by 2^(4k + 70) > 10^k x 2^70 so the quotient has
    // more than 66 bits, divide exactly, and let the remainder set the sticky bit.
    const int k = -c.exponent10;
    const int scale = 4 * k + 70;
    n.shiftLeft(scale);
    bool remainder = false;
    for (int i = 0; i < k; ++i)
        remainder = n.divide(10) != 0 || remainder;
    return roundTo64(n, remainder, -scale);
}

Extended64 softwareMultiply(const Extended64 &x, quint32 factor)
{
    BigUnsigned n(x.significand);
    n.multiply(factor);
    return roundTo64(n, false, x.exponent2);
}

quint64 truncatedInteger(const Extended64 &x)
{
    if (x.significand == 0)
        return 0;
    if (x.exponent2 >= 0)
        return ~quint64(0); // at least 2^63: far out of range
    const int shift = -x.exponent2;
    return shift >= 64 ? 0 : x.significand >> shift;
}

std::optional<quint16> softwareCount(const CanonicalDecimal &c, int factor)
{
    const Extended64 value = softwareDecimalValue(c);
    const Extended64 product = softwareMultiply(value, quint32(factor));
    return countInRange(c.negative, truncatedInteger(product));
}

Extended64 softwareReciprocalProduct(quint16 count, int factor)
{
    BigUnsigned one(1);
    one.shiftLeft(96);
    const bool remainder = one.divide(quint32(factor)) != 0;
    const Extended64 reciprocal = roundTo64(one, remainder, -96);
    return softwareMultiply(reciprocal, count);
}

// ---- long double, where it is the extended format ------------------------------

#if LDBL_MANT_DIG == 64

// The text's magnitude; its sign never becomes part of a long double.
long double nativeMagnitude(const CanonicalDecimal &c)
{
    const int magnitude = std::abs(c.exponent10);
    if (c.digits.size() <= 19 && magnitude <= 27) {
        // Both operands are exact (10^27 = 2^27 x 5^27 and 5^27 < 2^64), so the
        // one division or multiplication is the one correctly rounded step.
        const long double digits = (long double)std::stoull(c.digits);
        long double power = 1.0L;
        for (int i = 0; i < magnitude; ++i)
            power *= 10.0L;
        return c.exponent10 < 0 ? digits / power : digits * power;
    }
    // Longer texts: the C library's conversion is correctly rounded too. The
    // text has no decimal point, so the C locale's separator plays no part.
    const std::string text = c.digits + 'e' + std::to_string(c.exponent10);
    return std::strtold(text.c_str(), nullptr);
}

std::optional<quint16> nativeCount(const CanonicalDecimal &c, int factor)
{
    // Refused before any conversion: a long double outside an integer type's
    // range converts to undefined behaviour, not to a value. A negative value
    // is sendable only when it truncates to 0 (-0.4 counts).
    const long double magnitude = nativeMagnitude(c) * (long double)factor;
    if (!(magnitude < (c.negative ? 1.0L : 65536.0L)))
        return std::nullopt;
    return quint16(magnitude);
}

Extended64 nativeReciprocalProduct(quint16 count, int factor)
{
    const long double reciprocal = 1.0L / (long double)factor;
    const long double product = (long double)count * reciprocal;
    if (product == 0.0L)
        return {};
    int exponent = 0;
    const long double fraction = std::frexp(product, &exponent); // in [0.5, 1)
    return {quint64(std::ldexp(fraction, 64)), exponent - 64};
}

#endif

// ---- decimal text of a binary value ---------------------------------------------

enum class Tie { ToEven, AwayFromZero };

// Drops `count` digits from the right of `digits`, rounding the rest.
void dropDigits(std::string &digits, int count, Tie tie)
{
    if (count <= 0)
        return;
    if (digits.size() < size_t(count) + 1)
        digits.insert(0, size_t(count) + 1 - digits.size(), '0');
    const size_t keep = digits.size() - size_t(count);
    const char first = digits[keep];
    bool restNonZero = false;
    for (size_t i = keep + 1; i < digits.size(); ++i)
        restNonZero = restNonZero || digits[i] != '0';
    digits.resize(keep);
    bool up = first > '5' || (first == '5' && restNonZero);
    if (first == '5' && !restNonZero)
        up = tie == Tie::AwayFromZero || ((digits.back() - '0') % 2 == 1);
    if (!up)
        return;
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

QString fixedDecimalText(const Extended64 &x, int decimals, NumberFormat format)
{
    // Exact decimal expansion: x = digits / 10^fraction.
    BigUnsigned n(x.significand);
    int fraction = 0;
    if (x.exponent2 >= 0) {
        n.shiftLeft(x.exponent2);
    } else {
        for (int i = 0; i < -x.exponent2; ++i)
            n.multiply(5); // m x 2^-j = m x 5^j / 10^j
        fraction = -x.exponent2;
    }
    std::string digits = n.toDecimalDigits().toStdString();

    // First to 18 significant digits, as the extended format converts to decimal.
    const size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero != std::string::npos) {
        const int significant = int(digits.size() - firstNonZero);
        if (significant > 18) {
            dropDigits(digits, significant - 18, Tie::ToEven);
            fraction -= significant - 18;
        }
    }
    if (fraction < 0) {
        digits.append(size_t(-fraction), '0');
        fraction = 0;
    }
    // Then to the pattern's places, half away from zero.
    if (fraction > decimals) {
        dropDigits(digits, fraction - decimals, Tie::AwayFromZero);
        fraction = decimals;
    }
    digits.append(size_t(decimals - fraction), '0');
    if (digits.size() < size_t(decimals) + 1)
        digits.insert(0, size_t(decimals) + 1 - digits.size(), '0');
    const size_t integerDigits = digits.size() - size_t(decimals);
    const size_t firstKept = std::min(digits.find_first_not_of('0'), integerDigits - 1);
    QString text = QString::fromLatin1(digits.data() + firstKept, qsizetype(integerDigits - firstKept));
    if (decimals > 0) {
        text.append(format.separator());
        text.append(QString::fromLatin1(digits.data() + integerDigits, decimals));
    }
    return text;
}

[[maybe_unused]] bool useNative(ExtendedArithmetic arithmetic)
{
    return kNativeExtendedAvailable && arithmetic == ExtendedArithmetic::Native;
}

} // namespace

QList<ExtendedArithmetic> availableArithmetics()
{
    QList<ExtendedArithmetic> list{ExtendedArithmetic::Software};
    if (kNativeExtendedAvailable)
        list.prepend(ExtendedArithmetic::Native);
    return list;
}

std::optional<quint16> decimalToCount(const DecimalText &text, int factor, ExtendedArithmetic arithmetic)
{
    Q_ASSERT(factor >= 1);
    const CanonicalDecimal c = canonicalDecimal(text);
    switch (c.magnitude) {
    case Magnitude::Zero:
    case Magnitude::Negligible:
        return quint16(0);
    case Magnitude::TooLarge:
        return std::nullopt;
    case Magnitude::Ordinary:
        break;
    }
#if LDBL_MANT_DIG == 64
    if (useNative(arithmetic))
        return nativeCount(c, factor);
#else
    Q_UNUSED(arithmetic);
#endif
    return softwareCount(c, factor);
}

QString countToDecimalText(quint16 count, int factor, int decimals, NumberFormat format,
                           ExtendedArithmetic arithmetic)
{
    Q_ASSERT(factor >= 1 && decimals >= 0);
#if LDBL_MANT_DIG == 64
    if (useNative(arithmetic))
        return fixedDecimalText(nativeReciprocalProduct(count, factor), decimals, format);
#else
    Q_UNUSED(arithmetic);
#endif
    return fixedDecimalText(softwareReciprocalProduct(count, factor), decimals, format);
}

} // namespace vexlor
