// Turning a colour into the gray of a disabled icon.
#include "cvbutton/render/grayscale.h"

#include "cvbutton/render/checked_math.h"

#include <algorithm>
#include <array>

namespace cvbutton::render {
namespace {

constexpr std::array<platform::Colorref, 16> kKeptGrays = {
    0x000000, 0x101010, 0x202020, 0x303030, 0x404040, 0x505050, 0x606060, 0x707070,
    0x808080, 0xA0A0A0, 0xB0B0B0, 0xC0C0C0, 0xD0D0D0, 0xE0E0E0, 0xF0F0F0, 0xFFFFFF,
};

} // namespace

platform::Colorref grayscaleOf(platform::Colorref color)
{
    if (std::find(kKeptGrays.begin(), kKeptGrays.end(), color) != kKeptGrays.end())
        return color;
    const double gray =
        0.33 * platform::redOf(color) + 0.59 * platform::greenOf(color) + 0.11 * platform::blueOf(color);
    const int level = *roundToInt(gray);
    return platform::rgb(level, level, level);
}

} // namespace cvbutton::render
