// Drawing vertical and horizontal colour gradients line by line.
#include "cvbutton/render/gradients.h"

#include "cvbutton/render/checked_math.h"
#include "cvbutton/render/lines_boxes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace cvbutton::render {
namespace {

// The colour ramp of a gradient: the per-channel step is kept in single precision, as the faces
// were tuned with, while each row's channel is formed in double precision and rounded to even.
class ColorRamp {
public:
    ColorRamp(Colorref from, Colorref to, int steps)
        : from_{platform::redOf(from), platform::greenOf(from), platform::blueOf(from)}
    {
        const std::array<int, 3> target{platform::redOf(to), platform::greenOf(to), platform::blueOf(to)};
        for (std::size_t i = 0; i < step_.size(); ++i)
            step_[i] = static_cast<float>(static_cast<double>(target[i] - from_[i]) / steps);
    }

    Colorref at(int i) const
    {
        std::array<int, 3> channels{};
        for (std::size_t c = 0; c < channels.size(); ++c)
            channels[c] = std::max(0, roundToInt(from_[c] + static_cast<double>(step_[c]) * i).value_or(0));
        return platform::rgb(channels[0], channels[1], channels[2]);
    }

private:
    std::array<int, 3> from_;
    std::array<float, 3> step_{};
};

// The steps 0 <= i <= steps whose line start + i lies on the surface: lines beyond it change no
// pixel, so a huge step count costs no time.
std::pair<int, int> visibleRange(int start, int steps, int extent)
{
    const std::int64_t first = std::max<std::int64_t>(0, -std::int64_t{start});
    const std::int64_t last = std::min<std::int64_t>(steps, std::int64_t{extent} - 1 - start);
    if (first > last)
        return {0, -1};
    return {static_cast<int>(first), static_cast<int>(last)};
}

} // namespace

void DrawVGradientDC(Surface& hDC, Colorref ColorFrom, Colorref ColorTo, int Left, int Top, int Right, int Steps)
{
    if (Steps == 0)
        return;
    const ColorRamp ramp(ColorFrom, ColorTo, Steps);
    const auto [first, last] = visibleRange(Top, Steps, hDC.height());
    for (int i = first; i <= last; ++i)
        DrawLineDC(hDC, Left, Top + i, Right, Top + i, ramp.at(i));
}

void DrawHGradient(Surface& hDC, Colorref ColorFrom, Colorref ColorTo, int Left, int Top, int Right, int Bottom)
{
    const std::optional<int> columns = checkedSub(Right, Left);
    if (!columns || *columns == 0)
        return;
    const ColorRamp ramp(ColorFrom, ColorTo, *columns);
    const auto [first, last] = visibleRange(Left, *columns, hDC.width());
    for (int i = first; i <= last; ++i)
        DrawLineDC(hDC, Left + i, Top, Left + i, Bottom, ramp.at(i));
}

} // namespace cvbutton::render
