// Tests of the skinned face: its bands, corners and skin for each state.
#include "cvbutton/render/skin_tables.h"
#include "face_test_support.h"

#include <gtest/gtest.h>

namespace face_test {
namespace {

using namespace cvbutton;
using render::SkinHot;
using render::SkinIdle;
using render::SkinPressed;

Surface skinned(int W, int H, int state, bool focus = false)
{
    FaceView view = viewOf(W, H);
    view.HasFocus = focus;
    Surface surface(W, H);
    surface.setBackgroundColor(kPaper);
    surface.clear();
    render::DrawSkinnedFace(surface, view, state);
    return surface;
}

TEST(SkinnedFace, IdleButtonShowsBandsCentreAndUndrawnCorner)
{
    const Surface face = skinned(100, 30, StateNormal);
    EXPECT_EQ(face.pixel(50, 0), fromRrggbb(0x6A6967));
    EXPECT_EQ(face.pixel(50, 15), fromRrggbb(0xE8E7EA));
    EXPECT_EQ(face.pixel(0, 15), fromRrggbb(0xF7F7F7));
    EXPECT_EQ(face.pixel(99, 15), fromRrggbb(0xF6F6F6));
    EXPECT_EQ(face.pixel(50, 28), fromRrggbb(0x545454));
    EXPECT_EQ(face.pixel(50, 29), fromRrggbb(0xC5C5C5));
    EXPECT_EQ(face.pixel(0, 0), kPaper);
}

TEST(SkinnedFace, PaletteFollowsStateAndFocus)
{
    EXPECT_EQ(skinned(100, 30, StateNormal, true).pixel(50, 15), SkinHot.centre);
    EXPECT_EQ(skinned(100, 30, StateHot).pixel(50, 15), SkinHot.centre);
    EXPECT_EQ(skinned(100, 30, StateDefaulted).pixel(50, 15), SkinHot.centre);
    EXPECT_EQ(skinned(100, 30, StatePressed, true).pixel(50, 15), SkinPressed.centre);
    EXPECT_EQ(skinned(100, 30, 9).pixel(50, 15), SkinPressed.centre);
    EXPECT_EQ(skinned(100, 30, StateDisabled).pixel(50, 15), SkinIdle.centre);
    EXPECT_EQ(skinned(100, 30, StateDisabled, true).pixel(50, 15), SkinHot.centre);
}

TEST(SkinnedFace, OneMorePixelOfWidthMovesTheRightSideAndWidensTheMiddle)
{
    for (const int state : {StateNormal, StateHot, StatePressed}) {
        const Surface narrow = skinned(100, 30, state);
        const Surface wide = skinned(101, 30, state);
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 50; ++x)
                ASSERT_EQ(narrow.pixel(x, y), wide.pixel(x, y)) << x << "," << y;
            for (int x = 50; x < 100; ++x)
                ASSERT_EQ(narrow.pixel(x, y), wide.pixel(x + 1, y)) << x << "," << y;
        }
    }
}

// The tiles join the bands: row 10 of the top tiles is the side bands, row 0's telling pixels
// lead into the top band, and the bottom rows carry the gray shadow ramp with rounded ends.
TEST(SkinnedFace, TilesJoinTheBandsInEveryPalette)
{
    const std::array<const render::SkinPalette*, 3> palettes{&SkinIdle, &SkinHot, &SkinPressed};
    const std::array<int, 3> states{StateNormal, StateHot, StatePressed};
    for (std::size_t p = 0; p < palettes.size(); ++p) {
        const Surface face = skinned(90, 32, states[p]);
        for (int x = 0; x < 17; ++x)
            EXPECT_EQ(face.pixel(x, 10), palettes[p]->left[static_cast<std::size_t>(x)]) << p << " " << x;
        for (int i = 0; i < 17; ++i)
            EXPECT_EQ(face.pixel(90 - 17 + i, 10), palettes[p]->right[static_cast<std::size_t>(i)]) << p << " " << i;
        EXPECT_EQ(face.pixel(17, 0), palettes[p]->top[0]);
        EXPECT_EQ(face.pixel(6, 0), fromRrggbb(0xFEFEFE));
        EXPECT_EQ(face.pixel(5, 31), fromRrggbb(0xFCFCFC));
        EXPECT_EQ(face.pixel(16, 31), fromRrggbb(0xC5C5C5));
        EXPECT_EQ(face.pixel(90 - 17, 31), fromRrggbb(0xC5C5C5));
        EXPECT_EQ(face.pixel(90 - 6, 31), fromRrggbb(0xFDFDFD));
        for (const auto& [x, y] :
             {std::pair{5, 0}, {0, 0}, {4, 1}, {90 - 7, 0}, {90 - 1, 0}, {4, 31}, {0, 31}, {90 - 1, 31}})
            EXPECT_EQ(face.pixel(x, y), kPaper) << p << " (" << x << ", " << y << ")";
    }
}

TEST(SkinnedFace, TilesHaveTheirStatedSizes)
{
    EXPECT_EQ(SkinIdle.topLeft.size(), 212u);
    EXPECT_EQ(SkinIdle.topRight.size(), 210u);
    EXPECT_EQ(SkinIdle.bottomLeft.size(), 172u);
    EXPECT_EQ(SkinIdle.bottomRight.size(), 155u);
    for (const render::SkinPalette* palette : {&SkinHot, &SkinPressed}) {
        EXPECT_EQ(palette->topLeft.size(), 176u);
        EXPECT_EQ(palette->topRight.size(), 174u);
        EXPECT_EQ(palette->bottomLeft.size(), 213u);
        EXPECT_EQ(palette->bottomRight.size(), 197u);
    }
}

} // namespace
} // namespace face_test
