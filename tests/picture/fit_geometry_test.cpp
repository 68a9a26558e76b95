// Tests of fitting geometry: rounding halves to even and where a fitted picture lies in its box.
#include "picture/fit_geometry.h"

#include <gtest/gtest.h>

using picture::fittedRect;
using picture::roundHalfEven;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(187.5), 188.0);
    EXPECT_EQ(roundHalfEven(-0.5), 0.0);
    EXPECT_EQ(roundHalfEven(-1.5), -2.0);
    EXPECT_EQ(roundHalfEven(2.4999), 2.0);
    EXPECT_EQ(roundHalfEven(2.5001), 3.0);
}

TEST(FittedRect, WiderPictureFillsTheWidthAndIsCentredVertically)
{
    EXPECT_EQ(fittedRect(QSize(400, 300), QSize(600, 600), true), QRect(0, 75, 600, 450));
}

TEST(FittedRect, TallerPictureFillsTheHeightWithTiesToEvenCentring)
{
    // round(375 / 2) = round(187.5) = 188
    EXPECT_EQ(fittedRect(QSize(300, 400), QSize(600, 300), true), QRect(188, 0, 225, 300));
}

TEST(FittedRect, EqualRatiosFillTheBox)
{
    EXPECT_EQ(fittedRect(QSize(300, 100), QSize(600, 200), true), QRect(0, 0, 600, 200));
    EXPECT_EQ(fittedRect(QSize(593, 193), QSize(593, 193), true), QRect(0, 0, 593, 193));
}

TEST(FittedRect, ViewerBoxWithCameraPicture)
{
    // 593 x 193 is the viewer's box; 193 * 1.5 = 289.5 rounds to the even 290.
    EXPECT_EQ(fittedRect(QSize(6000, 4000), QSize(593, 193), true), QRect(152, 0, 290, 193));
}

TEST(FittedRect, SmallPictureIsEnlargedToTouchTwoSides)
{
    EXPECT_EQ(fittedRect(QSize(10, 10), QSize(100, 50), true), QRect(25, 0, 50, 50));
}

TEST(FittedRect, ExtremeRatioMayLeaveNothingToDraw)
{
    EXPECT_EQ(fittedRect(QSize(100000, 1), QSize(593, 193), true).height(), 0);
}

TEST(FittedRect, StretchTakesTheWholeBox)
{
    EXPECT_EQ(fittedRect(QSize(400, 300), QSize(600, 600), false), QRect(0, 0, 600, 600));
}
