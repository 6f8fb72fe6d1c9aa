#pragma once

#include "params/number_text.h"

#include <QString>

#include <optional>
#include <span>

namespace vexlor {

// The tire a bike really rolls on, for checking the wheel perimeter the
// controller is set to.
struct TireSize {
    QString name;         // as lists show it: "57-584", "27.5×2.4 (61-584)"
    double perimeter = 0; // mm per wheel turn
};

// A common size with the rolling circumference that bike-computer tables give
// for it (measured with a rider on board, so a little under the formula).
struct CommonTire {
    const char *name = ""; // "27.5x2.4", as typed
    int width = 0;         // ETRTO: tire width, mm
    int beadSeat = 0;      // ETRTO: bead seat diameter, mm
    int rollingCircumference = 0; // mm
};

// The common sizes, small wheels first.
[[nodiscard]] std::span<const CommonTire> commonTires();

// Millimetres in an inch, for wheels and tires sized in inches.
inline constexpr double kMillimetresPerInch = 25.4;

// The perimeter of a wheel `diameter` mm across: π × diameter, in mm. The one
// wheel arithmetic: the tire sizes here and the window's wheel-size list use it.
[[nodiscard]] double wheelPerimeter(double diameter);

// The perimeter of an ETRTO size: π × (bead seat diameter + 2 × width), in mm.
[[nodiscard]] double etrtoPerimeter(double width, int beadSeat);

// A common size with its ETRTO size and circumference: "27.5×2.4 (61-584)".
[[nodiscard]] TireSize commonTireSize(const CommonTire &tire);

// The tire `text` names: an ETRTO size "57-584" (width 10 to 150 mm, bead
// seat 100 to 999 mm; its perimeter by the formula); a common size by its
// name ("26x2.1", also with "×" or "X"; its rolling circumference); or a
// size as printed on tires, in inches ("29x2.6": 16, 20, 24, 26, 27.5 or
// 650b, 28 and 29 inch wheels, the width × 25.4 mm) or French ("700x38c",
// "650x47b": the width in mm), its perimeter by the formula. Where `format`
// writes a decimal comma, "27,5x2,4" too. nullopt for anything else.
[[nodiscard]] std::optional<TireSize> parseTireSize(const QString &text, NumberFormat format = {});

} // namespace vexlor
