#include "wheel_perimeter.h"

#include "road/tire_size.h"

namespace vexlor {
namespace {

constexpr int kInchSizeCount = 9;    // 10" .. 26"
constexpr int k700CIndex = 9;
constexpr int k700CPerimeter = 2154;
constexpr int k28InchIndex = 10;
constexpr int k28InchPerimeter = 2234;

int inchDiameter(int index)
{
    return 10 + 2 * index;
}

} // namespace

int wheelPerimeterMillimetres(int index)
{
    if (index >= 0 && index < kInchSizeCount)
        return int(wheelPerimeter(inchDiameter(index) * kMillimetresPerInch)); // truncated
    if (index == k700CIndex)
        return k700CPerimeter;
    if (index == k28InchIndex)
        return k28InchPerimeter;
    return -1;
}

} // namespace vexlor
