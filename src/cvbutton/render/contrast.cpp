// Measuring how far apart two colours read, and moving a colour just far enough to be read on a ground.
#include "cvbutton/render/contrast.h"

#include <algorithm>
#include <cmath>

namespace cvbutton::render {
namespace {

double linearChannel(int channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

Colorref blend(Colorref from, Colorref to, int step, int steps)
{
    const auto channel = [&](int a, int b) { return a + (b - a) * step / steps; };
    return platform::rgb(channel(platform::redOf(from), platform::redOf(to)),
                         channel(platform::greenOf(from), platform::greenOf(to)),
                         channel(platform::blueOf(from), platform::blueOf(to)));
}

} // namespace

double RelativeLuminance(Colorref color)
{
    return 0.2126 * linearChannel(platform::redOf(color)) + 0.7152 * linearChannel(platform::greenOf(color)) +
           0.0722 * linearChannel(platform::blueOf(color));
}

double ContrastRatio(Colorref a, Colorref b)
{
    const double first = RelativeLuminance(a);
    const double second = RelativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// White reaches 4.5 on every ground darker than a middle gray and black on every lighter one, so
// the blend always ends readable.
Colorref ReadableOn(Colorref ground, Colorref color, double ratio)
{
    const Colorref extreme =
        ContrastRatio(ground, platform::rgb(255, 255, 255)) >= ContrastRatio(ground, platform::rgb(0, 0, 0))
            ? platform::rgb(255, 255, 255)
            : platform::rgb(0, 0, 0);
    constexpr int kSteps = 64;
    for (int step = 0; step < kSteps; ++step) {
        const Colorref candidate = blend(color, extreme, step, kSteps);
        if (ContrastRatio(ground, candidate) >= ratio)
            return candidate;
    }
    return extreme;
}

} // namespace cvbutton::render
