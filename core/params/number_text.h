#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace vexlor {

// How the user's locale writes numbers, as far as this tool cares: the decimal
// separator. Taken once from QLocale (which follows LANG and LC_ALL).
struct NumberFormat {
    bool decimalComma = false; // the locale writes 1.23 as "1,23"

    [[nodiscard]] QChar separator() const { return decimalComma ? u',' : u'.'; }
    [[nodiscard]] static NumberFormat fromLocale(const QLocale &locale = QLocale());
    [[nodiscard]] static NumberFormat point() { return {false}; }
    [[nodiscard]] static NumberFormat comma() { return {true}; }
};

// A decimal text taken apart: value = (negative ? -1 : 1) x digits x 10^exponent10.
// All digits before and after the separator form one whole number, so
// "12.5E-1" gives digits "125", exponent10 -2.
struct DecimalText {
    bool negative = false;
    QString digits;      // at least one digit, leading zeros kept
    int exponent10 = 0;
};

// The tool's text-to-real conversion: surrounding blanks, an optional sign,
// digits with at most one separator (the locale's), an optional exponent
// ("e" or "E", optional sign, digits). Anything else yields nullopt.
[[nodiscard]] std::optional<DecimalText> parseDecimalText(QStringView text, NumberFormat format);

// The same conversion, as a double (for comparisons with the input rules' bounds).
[[nodiscard]] std::optional<double> textToReal(QStringView text, NumberFormat format);

// A signed 32-bit whole number: surrounding blanks, optional sign, decimal digits.
[[nodiscard]] std::optional<qint32> textToInteger(QStringView text);

// The general number format: the shortest text with at most 15 significant
// digits, no trailing zeros, the locale's separator ("3.2", "3,15").
[[nodiscard]] QString generalNumberText(double value, NumberFormat format);

// The standard conversion error messages, without the closing full stop that
// the error box adds; the text is quoted as inputForMessage shows it.
[[nodiscard]] QString notAValidFloatMessage(const QString &text);
[[nodiscard]] QString notAValidIntegerMessage(const QString &text);

} // namespace vexlor
