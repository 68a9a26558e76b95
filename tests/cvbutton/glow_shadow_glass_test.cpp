// Tests of the glow, shadowed and glass faces in each state.
#include "face_test_support.h"

#include <gtest/gtest.h>

namespace face_test {
namespace {

using namespace cvbutton;
using render::DrawGlassFace;
using render::DrawGlowFace;
using render::DrawShadowedFace;

constexpr Colorref gray(int level)
{
    return platform::rgb(level, level, level);
}

TEST(GlowFace, IdleFaceTakesItsShadesFromTheButtonFace)
{
    const Surface face = draw(DrawGlowFace, viewOf(60, 24), StateNormal);
    EXPECT_EQ(face.pixel(30, 0), gray(248 - 96));
    EXPECT_EQ(face.pixel(1, 0), gray(219));
    EXPECT_EQ(face.pixel(59, 23), gray(152));
    EXPECT_EQ(face.pixel(30, 1), gray(255));
    EXPECT_EQ(face.pixel(30, 22), gray(203));
}

TEST(GlowFace, FocusAndDefaultAddTheHighlightBands)
{
    FaceView view = viewOf(60, 24);
    view.HasFocus = true;
    const Colorref top = render::ShiftColor(kSystemHighlight, 21);
    EXPECT_EQ(draw(DrawGlowFace, view, StateNormal).pixel(30, 1), top);
    EXPECT_EQ(draw(DrawGlowFace, view, StateNormal).pixel(30, 22), render::ShiftColor(kSystemHighlight, -21));
    EXPECT_NE(draw(DrawGlowFace, view, StateDisabled).pixel(30, 1), top);
    view.HasFocus = false;
    EXPECT_EQ(draw(DrawGlowFace, view, StateDefaulted).pixel(30, 1), top);
    EXPECT_EQ(draw(DrawGlowFace, view, StateHot).pixel(30, 1), top);
    EXPECT_EQ(draw(DrawGlowFace, view, StateNormal).pixel(30, 1), gray(255));
}

TEST(GlowFace, PressedKeepsTheBackgroundAndUnknownStatesDrawNothing)
{
    const Surface pressed = draw(DrawGlowFace, viewOf(60, 24), StatePressed);
    EXPECT_EQ(pressed.pixel(0, 0), kPaper);
    EXPECT_EQ(pressed.pixel(30, 1), gray(219));
    const Surface unknown = draw(DrawGlowFace, viewOf(60, 24), 7);
    EXPECT_EQ(unknown.pixel(30, 12), kPaper);
}

TEST(ShadowedFace, DisabledUsesTheHotColours)
{
    const Surface hot = draw(DrawShadowedFace, viewOf(50, 20), StateHot);
    const Surface disabled = draw(DrawShadowedFace, viewOf(50, 20), StateDisabled);
    EXPECT_EQ(hot.image(), disabled.image());
    EXPECT_EQ(hot.pixel(25, 17), gray(255));
    EXPECT_EQ(hot.pixel(1, 5), gray(255));
}

TEST(ShadowedFace, OutlineDarkensWithFocusExceptWhenPressed)
{
    FaceView view = viewOf(50, 20);
    EXPECT_EQ(draw(DrawShadowedFace, view, StateNormal).pixel(20, 0), gray(192));
    view.HasFocus = true;
    EXPECT_EQ(draw(DrawShadowedFace, view, StateNormal).pixel(20, 0), gray(144));
    EXPECT_EQ(draw(DrawShadowedFace, view, StateHot).pixel(20, 0), gray(144));
    EXPECT_EQ(draw(DrawShadowedFace, view, StatePressed).pixel(20, 0), gray(192));
}

TEST(ShadowedFace, ShadowTakesTheLastRowAndColumn)
{
    const Surface face = draw(DrawShadowedFace, viewOf(50, 20), StateNormal);
    EXPECT_EQ(face.pixel(20, 19), gray(213));
    EXPECT_EQ(face.pixel(49, 10), gray(213));
    EXPECT_EQ(face.pixel(47, 19), gray(228));
    EXPECT_EQ(face.pixel(46, 19), gray(213));
    EXPECT_EQ(face.pixel(49, 15), gray(213));
}

TEST(GlassFace, NormalIsDarkestAndPressedSaturates)
{
    EXPECT_EQ(draw(DrawGlassFace, viewOf(60, 25), StateNormal).pixel(30, 1), gray(225));
    EXPECT_EQ(draw(DrawGlassFace, viewOf(60, 25), StateHot).pixel(30, 1), gray(241));
    const Surface pressed = draw(DrawGlassFace, viewOf(60, 25), StatePressed);
    EXPECT_EQ(pressed.pixel(30, 1), gray(255));
    EXPECT_EQ(pressed.pixel(30, 0), gray(255));
    EXPECT_EQ(pressed.pixel(6, 3), gray(255));
    EXPECT_EQ(pressed.pixel(30, 23), gray(127));
    EXPECT_EQ(draw(DrawGlassFace, viewOf(60, 25), StateDisabled).pixel(30, 1), gray(255));
}

// On an odd height the half lands between rows and rounds to even.
TEST(GlassFace, UpperColumnsRoundTheHalfHeightToEven)
{
    const Surface face = draw(DrawGlassFace, viewOf(60, 23), StateNormal);
    EXPECT_EQ(face.pixel(2, 8), render::ShiftColor(gray(225), -37));
    EXPECT_EQ(face.pixel(2, 9), gray(225));
    const Surface taller = draw(DrawGlassFace, viewOf(60, 25), StateNormal);
    EXPECT_EQ(taller.pixel(2, 10), render::ShiftColor(gray(225), -37));
    EXPECT_EQ(taller.pixel(2, 8), gray(200));
}

} // namespace
} // namespace face_test
