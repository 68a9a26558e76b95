// Colour arithmetic of the faces: mixing, lightening and darkening colours, and resolving system colours.
#include "cvbutton/render/colors.h"

#include "cvbutton/render/checked_math.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace cvbutton::render {
namespace {

using platform::blueOf;
using platform::greenOf;
using platform::redOf;

std::array<int, 3> channelsOf(Colorref color)
{
    return {redOf(color), greenOf(color), blueOf(color)};
}

// The helpers stop with black when a channel's arithmetic leaves the 32-bit range, as the
// routines they replace did.
template<typename ChannelFunction>
Colorref mapChannels(Colorref color, ChannelFunction channelFunction)
{
    std::array<int, 3> result{};
    const std::array<int, 3> channels = channelsOf(color);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const std::optional<int> channel = channelFunction(channels[i]);
        if (!channel)
            return 0;
        result[i] = *channel;
    }
    return platform::rgb(result[0], result[1], result[2]);
}

} // namespace

Colorref MixColors(Colorref ColorA, Colorref ColorB)
{
    const std::array<int, 3> a = channelsOf(ColorA);
    const std::array<int, 3> b = channelsOf(ColorB);
    const auto mix = [](int x, int y) { return *roundToInt((x + y) / 2.0); };
    return platform::rgb(mix(a[0], b[0]), mix(a[1], b[1]), mix(a[2], b[2]));
}

Colorref TranslateColor(const platform::SystemColors& colors, Colorref OleColor)
{
    return colors.translate(OleColor).value_or(platform::kInvalidColor);
}

// A negative Amount would push channels below zero and spill into the neighbouring channel when the
// colour is put together, so channels are held at 0 as well as at 255.
Colorref LightenColor(Colorref Color, int Amount)
{
    return mapChannels(Color, [Amount](int channel) -> std::optional<int> {
        const std::optional<int> remaining = checkedSub(255, Amount);
        const std::optional<int> scaled = remaining ? toInt32(std::int64_t{*remaining} * channel) : std::nullopt;
        const std::optional<int> lightened = scaled ? checkedAdd(Amount, *scaled / 255) : std::nullopt;
        if (!lightened)
            return std::nullopt;
        return std::clamp(*lightened, 0, 255);
    });
}

Colorref ShiftColor(Colorref Color, int Delta)
{
    return mapChannels(Color, [Delta](int channel) -> std::optional<int> {
        const std::optional<int> shifted = checkedAdd(channel, Delta);
        if (!shifted)
            return std::nullopt;
        return std::clamp(*shifted, 0, 255);
    });
}

} // namespace cvbutton::render
