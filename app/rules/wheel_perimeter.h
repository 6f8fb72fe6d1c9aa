#pragma once

#include <QString>
#include <QStringList>

namespace vexlor {

// The wheel sizes offered by the wheel-size list, in list order: 10" to 26"
// in steps of two inches, then 700C, then 28". The first item carries the
// double-prime sign, the others an ASCII double quote as inch mark.
[[nodiscard]] QStringList wheelSizeItems();

// The perimeter in millimetres that picking item `index` (0..10) writes into
// the wheel perimeter field. Inch sizes use d x 3.14159 x 25.4 truncated toward
// zero (the controller maker's figures, not a rounded pi); 700C and 28" are
// fixed values. Returns -1 for an index outside the list.
[[nodiscard]] int wheelPerimeterMillimetres(int index);

// Index of the 26" item, the one selected when the window starts.
inline constexpr int kDefaultWheelSizeIndex = 8;

} // namespace vexlor
