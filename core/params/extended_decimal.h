#pragma once

#include "number_text.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <cfloat>
#include <optional>

namespace vexlor {

// The controller's counts were always computed with the x87 extended format:
// every step rounded to the nearest value with a 64-bit significand, ties to
// even. The last count of a decimal parameter depends on that precision (4.2 V
// at 13800 counts per volt gives 57959, not the 57960 of double arithmetic), so
// these functions reproduce it exactly, on any compiler and CPU.
enum class ExtendedArithmetic {
    Native,   // long double, where it is the 64-bit-significand format (GCC and Clang on x86)
    Software, // exact integer arithmetic; gives the same results everywhere
};

// long double is the x87 extended format here (not so with MSVC or on ARM).
inline constexpr bool kNativeExtendedAvailable = LDBL_MANT_DIG == 64;

[[nodiscard]] constexpr ExtendedArithmetic defaultArithmetic()
{
    return kNativeExtendedAvailable ? ExtendedArithmetic::Native : ExtendedArithmetic::Software;
}

// The arithmetics this build can run; Software always, Native where available.
[[nodiscard]] QList<ExtendedArithmetic> availableArithmetics();

// The count a decimal text stands for at `factor` counts per unit (factor >= 1):
// the text's value rounded to 64 bits, times factor rounded to 64 bits, truncated
// toward zero. nullopt when that integer lies outside 0..65535 (-0.5 gives 0).
// Native falls back to Software where it is not available.
[[nodiscard]] std::optional<quint16> decimalToCount(const DecimalText &text, int factor,
                                                    ExtendedArithmetic arithmetic = defaultArithmetic());

// A received count as the edit shows it: count x (1/factor), the reciprocal and
// the product each rounded to 64 bits, taken to 18 significant digits and then
// rounded half away from zero to `decimals` places, with the locale's separator.
[[nodiscard]] QString countToDecimalText(quint16 count, int factor, int decimals, NumberFormat format,
                                         ExtendedArithmetic arithmetic = defaultArithmetic());

} // namespace vexlor
