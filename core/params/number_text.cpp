#include "number_text.h"

#include "message_input.h"

#include <QCoreApplication>

#include <limits>

namespace vexlor {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimmedBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

NumberFormat NumberFormat::fromLocale(const QLocale &locale)
{
    // The locale's own rendering of 1.23 decides, as the number would be shown.
    return {locale.toString(1.23, 'f', 2).contains(u',')};
}

std::optional<DecimalText> parseDecimalText(QStringView text, NumberFormat format)
{
    const QStringView t = trimmedBlanks(text);
    DecimalText out;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        out.negative = t[i] == u'-';
        ++i;
    }
    int fractionDigits = 0;
    bool seenSeparator = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (isAsciiDigit(c)) {
            out.digits.append(c);
            if (seenSeparator)
                ++fractionDigits;
        } else if (c == format.separator() && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (out.digits.isEmpty())
        return std::nullopt;

    qint64 exponent = 0;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
            negativeExponent = t[i] == u'-';
            ++i;
        }
        const qsizetype firstDigit = i;
        for (; i < t.size() && isAsciiDigit(t[i]); ++i) {
            if (exponent < 100000) // far past any double; keeps the sum bounded
                exponent = exponent * 10 + t[i].digitValue();
        }
        if (i == firstDigit)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != t.size())
        return std::nullopt;
    out.exponent10 = int(exponent - fractionDigits);
    return out;
}

std::optional<double> textToReal(QStringView text, NumberFormat format)
{
    const auto parsed = parseDecimalText(text, format);
    if (!parsed)
        return std::nullopt;
    const QString canonical = (parsed->negative ? QStringLiteral("-") : QString())
        + parsed->digits + u'e' + QString::number(parsed->exponent10);
    bool ok = false;
    const double value = QLocale::c().toDouble(canonical, &ok);
    if (!ok) {
        // Out of double's range: overflow to infinity, underflow to zero, keeping the sign.
        const bool tiny = parsed->exponent10 < 0;
        const double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        return parsed->negative ? -magnitude : magnitude;
    }
    return value;
}

std::optional<qint32> textToInteger(QStringView text)
{
    const QStringView t = trimmedBlanks(text);
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        negative = t[i] == u'-';
        ++i;
    }
    if (i == t.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < t.size(); ++i) {
        if (!isAsciiDigit(t[i]))
            return std::nullopt;
        value = value * 10 + t[i].digitValue();
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return qint32(value);
}

QString generalNumberText(double value, NumberFormat format)
{
    QString text = QString::number(value, 'g', 15);
    if (format.decimalComma)
        text.replace(u'.', u',');
    return text;
}

QString notAValidFloatMessage(const QString &text)
{
    //: %1 the text that should have been a number such as 14.5
    return QCoreApplication::translate("Values", "'%1' is not a valid floating point value")
        .arg(inputForMessage(text));
}

QString notAValidIntegerMessage(const QString &text)
{
    //: %1 the text that should have been a whole number
    return QCoreApplication::translate("Values", "'%1' is not a valid integer value")
        .arg(inputForMessage(text));
}

} // namespace vexlor
