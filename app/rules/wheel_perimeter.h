#pragma once

namespace vexlor {

// The perimeter in millimetres that picking item `index` (0..10) of the
// wheel-size list (pages/wheel_size_list.h) writes into the wheel perimeter
// field. Inch sizes take the road layer's wheel perimeter of d inches,
// truncated toward zero (the controller maker's figures); 700C and 28" are
// fixed values. Returns -1 for an index outside the list.
[[nodiscard]] int wheelPerimeterMillimetres(int index);

} // namespace vexlor
