// Finding the face colour under a caption from the pixels already drawn there.
#include "cvbutton/render/caption_ground.h"

#include "cvbutton/render/contrast.h"

#include <algorithm>
#include <vector>

namespace cvbutton::render {

platform::Colorref GroundBehind(const host::Surface& surface, host::Rect area)
{
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const int right = std::min(area.right, surface.width());
    const int bottom = std::min(area.bottom, surface.height());
    std::vector<platform::Colorref> pixels;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            pixels.push_back(surface.pixel(x, y));
    if (pixels.empty())
        return surface.backgroundColor();
    const auto middle = pixels.begin() + static_cast<std::ptrdiff_t>(pixels.size() / 2);
    std::nth_element(pixels.begin(), middle, pixels.end(), [](platform::Colorref a, platform::Colorref b) {
        return RelativeLuminance(a) < RelativeLuminance(b);
    });
    return *middle;
}

} // namespace cvbutton::render
