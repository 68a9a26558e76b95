// Tests of the rounded gradient faces, fixed and in the control's own colours.
#include "face_test_support.h"

#include <gtest/gtest.h>

namespace face_test {
namespace {

using namespace cvbutton;
using render::DrawRoundedGradientCustom;
using render::DrawRoundedGradientFixed;

TEST(RoundedGradientFixed, IdleFaceHasCutCornersAndTheDarkOutline)
{
    const Surface face = draw(DrawRoundedGradientFixed, viewOf(75, 23), StateNormal);
    EXPECT_EQ(face.pixel(0, 0), kButtonFace);
    EXPECT_EQ(face.pixel(74, 22), kButtonFace);
    EXPECT_EQ(face.pixel(1, 0), fromRrggbb(0x6A8BA2));
    EXPECT_EQ(face.pixel(1, 1), fromRrggbb(0x486E90));
    for (int x = 2; x <= 72; ++x)
        EXPECT_EQ(face.pixel(x, 0), fromRrggbb(0x003C74)) << x;
    EXPECT_EQ(face.pixel(2, 1), fromRrggbb(0xBFC7CA));
    EXPECT_EQ(face.pixel(3, 1), fromRrggbb(0xFCFCFB));
}

TEST(RoundedGradientFixed, HotBandsCoverTheCornerPixelsOfRowOne)
{
    const Surface face = draw(DrawRoundedGradientFixed, viewOf(75, 23), StateHot);
    for (int x = 2; x <= 72; ++x)
        EXPECT_EQ(face.pixel(x, 1), fromRrggbb(0xFFF0CF)) << x;
    EXPECT_EQ(face.pixel(2, 2), fromRrggbb(0xFDD889));
    EXPECT_EQ(face.pixel(72, 2), fromRrggbb(0xFDD889));
    EXPECT_EQ(face.pixel(10, 21), fromRrggbb(0xE59710));
}

TEST(RoundedGradientFixed, FocusOrDefaultDrawBlueBandsOnlyWhenIdle)
{
    FaceView view = viewOf(75, 23);
    view.HasFocus = true;
    EXPECT_EQ(draw(DrawRoundedGradientFixed, view, StateNormal).pixel(10, 21), fromRrggbb(0x6982EE));
    EXPECT_NE(draw(DrawRoundedGradientFixed, view, StatePressed).pixel(10, 21), fromRrggbb(0x6982EE));
    view.HasFocus = false;
    view.DisplayAsDefault = true;
    EXPECT_EQ(draw(DrawRoundedGradientFixed, view, StateNormal).pixel(10, 1), fromRrggbb(0xCEE7FF));
    view.DisplayAsDefault = false;
    EXPECT_NE(draw(DrawRoundedGradientFixed, view, StateNormal).pixel(10, 21), fromRrggbb(0x6982EE));
}

TEST(RoundedGradientFixed, DisabledBoxCoversTheOuterCorners)
{
    const Surface face = draw(DrawRoundedGradientFixed, viewOf(75, 23), StateDisabled);
    EXPECT_EQ(face.pixel(0, 0), fromRrggbb(0xC9C7BA));
    EXPECT_EQ(face.pixel(1, 0), fromRrggbb(0xD8D5C7));
    EXPECT_EQ(face.pixel(73, 21), fromRrggbb(0xD8D5C7));
    EXPECT_EQ(face.pixel(30, 10), fromRrggbb(0xF5F4EA));
}

TEST(RoundedGradientFixed, UnknownStatesOnlyPaintTheBackground)
{
    const Surface face = draw(DrawRoundedGradientFixed, viewOf(20, 12), StateDefaulted);
    EXPECT_EQ(face.pixel(10, 0), kButtonFace);
    EXPECT_EQ(face.pixel(10, 6), kButtonFace);
}

TEST(RoundedGradientCustom, WhiteBackSaturatesTheLightShades)
{
    FaceView view = viewOf(60, 24);
    view.UseCustomColors = true;
    view.BackColor = 0xFFFFFF;
    const Surface face = draw(DrawRoundedGradientCustom, view, StateNormal);
    EXPECT_EQ(face.pixel(10, 0), 0x7F7F7Fu);
    EXPECT_EQ(face.pixel(59, 0), 0x7F7F7Fu);
    EXPECT_EQ(face.pixel(59, 23), 0x7F7F7Fu);
    EXPECT_EQ(face.pixel(10, 1), 0xFFFFFFu);
    EXPECT_EQ(face.pixel(10, 2), 0xFFFFFFu);
    EXPECT_EQ(face.pixel(1, 2), 0xFFFFFFu);
}

TEST(RoundedGradientCustom, HotBandsComeFromTheHighlightColour)
{
    FaceView view = viewOf(75, 23);
    view.UseCustomColors = true;
    view.BackColor = 0xFFFFFF;
    view.HighlightColor = 0xFF0000;
    const Surface face = draw(DrawRoundedGradientCustom, view, StateHot);
    EXPECT_EQ(face.pixel(30, 21), 0xFF0000u);
    EXPECT_EQ(face.pixel(30, 1), 0xFF5555u);
}

TEST(RoundedGradientCustom, DefaultedBandsComeFromTheSystemHighlight)
{
    FaceView view = viewOf(75, 23);
    view.UseCustomColors = true;
    view.BackColor = 0x808080;
    view.HighlightColor = 0xFF0000;
    EXPECT_EQ(draw(DrawRoundedGradientCustom, view, StateDefaulted).pixel(30, 21), kSystemHighlight);
}

TEST(RoundedGradientCustom, FocusBandsNeedShowFocus)
{
    FaceView view = viewOf(75, 23);
    view.UseCustomColors = true;
    view.BackColor = 0x808080;
    view.HasFocus = true;
    EXPECT_EQ(draw(DrawRoundedGradientCustom, view, StateNormal).pixel(30, 21), render::ShiftColor(0x808080, -37));
    view.ShowFocus = true;
    EXPECT_EQ(draw(DrawRoundedGradientCustom, view, StateNormal).pixel(30, 21), kSystemHighlight);
}

TEST(RoundedGradientCustom, PressedKeepsTheBackgroundItWasGiven)
{
    FaceView view = viewOf(40, 20);
    view.UseCustomColors = true;
    view.BackColor = 0x808080;
    const Surface face = draw(DrawRoundedGradientCustom, view, StatePressed);
    EXPECT_EQ(face.pixel(0, 0), kPaper);
    EXPECT_EQ(face.pixel(1, 1), render::ShiftColor(0x808080, -96));
    EXPECT_EQ(face.pixel(20, 0), render::ShiftColor(0x808080, -128));
}

TEST(RoundedGradientCustom, RendererLeavesDrawStateAsItWas)
{
    FaceView view = viewOf(40, 20);
    view.UseCustomColors = true;
    Surface surface(40, 20);
    for (int state = 0; state <= 6; ++state) {
        int drawState = state;
        render::DrawRoundedGradientCustom(surface, view, drawState);
        render::DrawRoundedGradientFixed(surface, view, drawState);
        EXPECT_EQ(drawState, state);
    }
}

} // namespace
} // namespace face_test
