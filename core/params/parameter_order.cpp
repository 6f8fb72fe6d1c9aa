#include "parameter_order.h"

#include <array>

namespace vexlor {
namespace {

constexpr std::array<int, kStoredParameterCount> kWindowOrder = {
    // General, left column: power, then the pedal sensor's box and group.
    1, 2, 3, 4, 8, 9, 10, 11, 12, 13, 33,
    // Middle column: speed limit, then the throttle's box and group.
    5, 6, 7, 14, 15, 16, 17, 18, 19,
    // Right column: the level count, the level limits, walk assist at the foot.
    20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32,
    // Motor: the two radio groups, then the motor group.
    40, 41, 42, 43, 45, 46, 47, 48, 49, 50,
};

} // namespace

std::span<const int, kStoredParameterCount> parametersInWindowOrder()
{
    return kWindowOrder;
}

} // namespace vexlor
