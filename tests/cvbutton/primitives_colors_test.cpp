// Tests of the faces' colour arithmetic: mixing, lightening, shifting and system colours.
#include "cvbutton/render/colors.h"
#include "cvbutton/render/grayscale.h"

#include <gtest/gtest.h>

#include <limits>

namespace cvbutton::render {
namespace {

TEST(MixColors, AveragesEachChannelWithHalvesToEven)
{
    EXPECT_EQ(MixColors(0x0000FF, 0x000000), 0x000080u);
    EXPECT_EQ(MixColors(0x000001, 0x000000), 0x000000u);
    EXPECT_EQ(MixColors(0x000003, 0x000000), 0x000002u);
    EXPECT_EQ(MixColors(0xFF0000, 0x00FF00), 0x808000u);
    EXPECT_EQ(MixColors(0x123456, 0x123456), 0x123456u);
}

TEST(LightenColor, BlendsTowardWhiteWithTruncatingDivision)
{
    EXPECT_EQ(LightenColor(0x000000, 128), 0x808080u);
    EXPECT_EQ(LightenColor(0x0000FF, 176), 0xB0B0FFu);
    EXPECT_EQ(LightenColor(0x123456, 0), 0x123456u);
    EXPECT_EQ(LightenColor(0x123456, 255), 0xFFFFFFu);
    EXPECT_EQ(LightenColor(0x000064, 32), platform::rgb(32 + 223 * 100 / 255, 32, 32));
    EXPECT_EQ(LightenColor(0x000000, 300), 0xFFFFFFu);
}

TEST(LightenColor, KeepsNegativeAmountsFromSpillingIntoOtherChannels)
{
    EXPECT_EQ(LightenColor(0x000000, -10), 0x000000u);
    EXPECT_EQ(LightenColor(0xFFFFFF, -10), 0xFFFFFFu);
    EXPECT_EQ(LightenColor(0x0000FF, std::numeric_limits<int>::min()), 0u);
}

TEST(ShiftColor, ClampsEveryChannel)
{
    EXPECT_EQ(ShiftColor(0xFFFFFF, 10), 0xFFFFFFu);
    EXPECT_EQ(ShiftColor(0x000000, -10), 0x000000u);
    EXPECT_EQ(ShiftColor(0xF0F0F0, 8), 0xF8F8F8u);
    EXPECT_EQ(ShiftColor(0x0A1E32, -20), 0x000A1Eu);
    EXPECT_EQ(ShiftColor(0x0000FF, 85), 0x5555FFu);
    EXPECT_EQ(ShiftColor(0x808080, std::numeric_limits<int>::max()), 0u);
}

TEST(TranslateColor, ResolvesSystemColoursAndRejectsInvalidValues)
{
    platform::SystemColors colors = platform::SystemColors::windows10();
    colors.setColor(platform::COLOR_GRAYTEXT, 0x112233);
    EXPECT_EQ(TranslateColor(colors, 0x80000011), 0x112233u);
    EXPECT_EQ(TranslateColor(colors, 0x00ABCDEF), 0xABCDEFu);
    EXPECT_EQ(TranslateColor(colors, 0x80000040), platform::kInvalidColor);
    EXPECT_EQ(TranslateColor(colors, 0x12000000), platform::kInvalidColor);
}

TEST(GrayscaleOf, KeepsTheSixteenGraysAndWeighsTheRest)
{
    EXPECT_EQ(grayscaleOf(0x808080), 0x808080u);
    EXPECT_EQ(grayscaleOf(0x909090), 0x949494u);
    EXPECT_EQ(grayscaleOf(0xFEFEFE), 0xFFFFFFu);
    EXPECT_EQ(grayscaleOf(0x0000FF), 0x545454u);
}

} // namespace
} // namespace cvbutton::render
