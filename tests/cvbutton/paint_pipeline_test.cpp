// Tests of the paint pipeline: face, icon and caption in their order, the focus mark and the caption
// layout.
#include "button_fixture.h"
#include "cvbutton/caption_layout.h"
#include "cvbutton/render/colors.h"
#include "support/surface_pixels.h"

#include <QRect>

namespace cvbutton::testing {
namespace {

using platform::Colorref;
using surface_pixels::pixelsOf;

constexpr Colorref kRed = 0x0000FF;
constexpr Colorref kBlack = 0x000000;
constexpr Colorref kBack = 0x336699;
constexpr Colorref kHighlight = 0x4488CC;

IconPicture solidIcon(int size, Colorref color)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(platform::toQRgb(color));
    return IconPicture(image, IconPicture::TypeIcon);
}

// The smallest rectangle holding every pixel of the colour.
QRect boundsOf(const host::Surface& surface, Colorref color)
{
    QRect bounds;
    for (const auto& [x, y] : pixelsOf(surface, color))
        bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class Pipeline : public ButtonTest {
protected:
    Pipeline()
    {
        button.InitProperties();
        button.setCaption(QString());
        button.setDrawState(StateNormal);
    }

    void show() { button.UserControl_Show(); }
};

TEST_F(Pipeline, AHiddenControlIsOnlyCleared)
{
    button.setCaption(QStringLiteral("Hidden"));
    button.setIcon(solidIcon(8, kRed));
    host.surface().setPixel(3, 3, kRed);
    button.Refresh();
    EXPECT_EQ(pixelsOf(host.surface(), host.surface().backgroundColor()).size(), 75u * 23u);
    EXPECT_EQ(button.runtime().ContentMargin, 3);
}

TEST_F(Pipeline, StatesAreForcedByDesignModeCheckAndDisabledInThatOrder)
{
    show();
    host.setUserMode(false);
    button.setStyle(StyleSoft);
    EXPECT_EQ(button.runtime().DrawState, StateHot);
    button.setDrawState(StateNormal);
    button.setStyle(StyleRoundedGradient);
    EXPECT_EQ(button.runtime().DrawState, StateNormal) << "the rounded gradient keeps its state in design mode";

    host.setUserMode(true);
    button.setStyle(StyleTinted);
    button.setButtonType(KindCheck);
    button.setValue(true);
    EXPECT_EQ(button.runtime().DrawState, StatePressed);
    button.setDrawState(StateHot);
    button.Refresh();
    EXPECT_EQ(button.runtime().DrawState, StatePressed) << "a checked button looks pressed also under the mouse";
    button.setEnabled(false);
    EXPECT_EQ(button.runtime().DrawState, StateDisabled);
    EXPECT_EQ(host.surface().backgroundColor(), kFace);
}

TEST_F(Pipeline, InlineFacesUseTheCustomColoursByState)
{
    show();
    button.setUseCustomColors(true);
    button.setBackColor(kBack);
    button.setHighlightColor(kHighlight);
    button.setStyle(StyleStandard);
    EXPECT_EQ(host.surface().pixel(10, 10), kBack);
    button.setDrawState(StateHot);
    button.Refresh();
    EXPECT_EQ(host.surface().pixel(10, 10), kHighlight);

    button.setStyle(StyleSoft);
    button.setDrawState(StateDisabled);
    button.Refresh();
    EXPECT_EQ(pixelsOf(host.surface(), kBack).size(), 75u * 23u) << "a disabled soft face is outlined in itself";

    button.setStyle(StyleTinted);
    button.setDrawState(StatePressed);
    button.Refresh();
    EXPECT_EQ(host.surface().pixel(0, 0), kHighlight);
    EXPECT_EQ(host.surface().pixel(10, 10), render::LightenColor(kHighlight, 128));
}

TEST_F(Pipeline, TheStandardFaceIsFramedInBlackWhenFocusedOrShownAsDefault)
{
    show();
    const auto framed = [this] {
        button.Refresh();
        const host::Surface& s = host.surface();
        return s.pixel(0, 0) == kBlack && s.pixel(74, 22) == kBlack && s.pixel(74, 0) == kBlack;
    };
    EXPECT_FALSE(framed());
    host.setDisplayAsDefault(true);
    button.UserControl_AmbientChanged(QStringLiteral("DisplayAsDefault"));
    EXPECT_EQ(host.surface().pixel(0, 0), kBlack) << "the ambient change repaints";
    button.setHasFocus(true);
    EXPECT_FALSE(framed()) << "with the focus only ShowFocus frames it";
    button.setShowFocus(true);
    EXPECT_TRUE(framed());
}

TEST_F(Pipeline, OtherAmbientChangesDoNotRepaint)
{
    show();
    host.surface().setPixel(10, 10, kRed);
    button.UserControl_AmbientChanged(QStringLiteral("UserMode"));
    EXPECT_EQ(host.surface().pixel(10, 10), kRed);
}

TEST_F(Pipeline, AnUnknownStyleDrawsOnlyIconAndCaption)
{
    show();
    button.setIcon(solidIcon(8, kRed));
    button.setIconSize(8);
    button.setStyle(11);
    const host::Surface& s = host.surface();
    EXPECT_EQ(pixelsOf(s, kRed).size(), 64u);
    EXPECT_EQ(pixelsOf(s, s.backgroundColor()).size(), 75u * 23u - 64u);
}

TEST_F(Pipeline, EachStyleLeavesItsContentMargin)
{
    show();
    const std::pair<int, int> margins[] = {{0, 3}, {1, 3}, {2, 3}, {3, 3},  {4, 3}, {5, 3},
                                           {7, 4}, {8, 4}, {9, 6}, {10, 7}, {11, 3}};
    for (const auto& [style, margin] : margins) {
        button.setStyle(style);
        EXPECT_EQ(button.runtime().ContentMargin, margin) << style;
    }
}

TEST_F(Pipeline, PlacesTheIconByItsAlignmentAndMovesItWhenPressed)
{
    show();
    button.setStyle(StyleSoft);
    button.setIcon(solidIcon(8, kRed));
    button.setIconSize(8);
    const std::pair<int, QRect> placements[] = {
        {AlignCenter, QRect(34, 8, 8, 8)}, {AlignLeft, QRect(3, 8, 8, 8)},     {AlignRight, QRect(64, 8, 8, 8)},
        {AlignTop, QRect(34, 3, 8, 8)},    {AlignBottom, QRect(34, 12, 8, 8)}, {9, QRect(0, 0, 8, 8)},
    };
    for (const auto& [align, expected] : placements) {
        button.setIconAlign(align);
        EXPECT_EQ(boundsOf(host.surface(), kRed), expected) << align;
    }
    button.setIconAlign(AlignLeft);
    button.setDrawState(StatePressed);
    button.Refresh();
    EXPECT_EQ(boundsOf(host.surface(), kRed), QRect(4, 9, 8, 8));
}

TEST_F(Pipeline, TheHotTintedFaceShadowsItsIconByComparingWithTheFace)
{
    show();
    button.setStyle(StyleTinted);
    button.setIcon(solidIcon(4, kRed));
    button.setIconSize(4);
    button.setDrawState(StateHot);
    button.Refresh();
    // Icon at (3, 10): what differs from the face in (3..7, 10..14) turns gray, which is the icon's
    // own 4 x 4; then the picture goes to (1, 8) and covers a corner of the shadow.
    EXPECT_EQ(boundsOf(host.surface(), kRed), QRect(1, 8, 4, 4));
    EXPECT_EQ(boundsOf(host.surface(), 0x808080), QRect(3, 10, 4, 4));
    EXPECT_EQ(pixelsOf(host.surface(), 0x808080).size(), 16u - 4u);
}

// The shadow takes the icon's square with both ends: a transparent icon at the corner shadows only the face's
// border, up to and including column and row IconSize. An icon far larger than the control shadows all of it.
TEST_F(Pipeline, TheHotShadowTakesBothEndsAndStaysOnTheSurface)
{
    show();
    QImage clear(4, 4, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    button.setStyle(StyleTinted);
    button.setIcon(IconPicture(clear, IconPicture::TypeIcon));
    button.setIconAlign(9);
    button.setIconSize(4);
    button.setDrawState(StateHot);
    button.Refresh();
    const Colorref border = host.surface().pixel(74, 22);
    ASSERT_NE(border, host.surface().pixel(1, 1));
    EXPECT_EQ(boundsOf(host.surface(), 0x808080), QRect(0, 0, 5, 5));
    EXPECT_EQ(host.surface().pixel(5, 0), border);

    button.setIconAlign(AlignCenter);
    button.setIconSize(32767);
    EXPECT_EQ(boundsOf(host.surface(), 0x808080), QRect(0, 0, 75, 23));
    EXPECT_EQ(host.surface().pixel(74, 22), 0x808080u);
    EXPECT_EQ(host.surface().pixel(30, 10), host.surface().pixel(1, 1));
}

TEST_F(Pipeline, TheCaptionIsDrawnOverTheIcon)
{
    show();
    button.setStyle(StyleSoft);
    button.setIcon(solidIcon(16, kRed));
    button.setIconSize(16);
    button.setIconAlign(AlignCenter);
    button.setCaption(QStringLiteral("WWW"));
    const QRect icon = boundsOf(host.surface(), kRed);
    ASSERT_EQ(icon.size(), QSize(16, 16)) << "the caption leaves some of the icon";
    int captionOnIcon = 0;
    for (int y = icon.top(); y <= icon.bottom(); ++y)
        for (int x = icon.left(); x <= icon.right(); ++x)
            captionOnIcon += host.surface().pixel(x, y) != kRed;
    EXPECT_GT(captionOnIcon, 10);
}

// The caption follows the text colours of the table in force when the control repaints.
TEST_F(Pipeline, TheCaptionTakesTheSystemTextColoursOfTheRepaint)
{
    constexpr Colorref kText = 0x0A0B0C;
    constexpr Colorref kGray = 0x1A1B1C;
    platform::SystemColors colors = platform::SystemColors::windows10();
    colors.setColor(platform::COLOR_BTNTEXT, kText);
    colors.setColor(platform::COLOR_GRAYTEXT, kGray);
    const platform::PinnedSystemColors pinned(colors);
    show();
    button.setCaption(QStringLiteral("WWW"));
    EXPECT_FALSE(pixelsOf(host.surface(), kText).empty());
    EXPECT_TRUE(pixelsOf(host.surface(), kGray).empty());
    button.setEnabled(false);
    EXPECT_FALSE(pixelsOf(host.surface(), kGray).empty());
    EXPECT_TRUE(pixelsOf(host.surface(), kText).empty());
}

TEST_F(Pipeline, TheHotTintedFaceShadowsAMaskedIconWithASilhouette)
{
    show();
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(qRgb(255, 0, 0));
    image.setPixel(3, 3, qRgb(255, 0, 255));
    button.setStyle(StyleTinted);
    button.setIcon(IconPicture(image, IconPicture::TypeBitmap));
    button.setIconSize(4);
    button.setMaskColor(0xFF00FF);
    button.setUseMaskColor(true);
    button.setDrawState(StateHot);
    button.Refresh();
    // Silhouette at (4, 11), picture at (2, 9), then the picture again at (1, 8).
    EXPECT_EQ(boundsOf(host.surface(), kRed), QRect(1, 8, 5, 5));
    EXPECT_EQ(boundsOf(host.surface(), 0x808080), QRect(4, 11, 4, 4));
    EXPECT_EQ(host.surface().pixel(7, 14), host.surface().pixel(20, 20)) << "the mask colour casts no shadow";
    EXPECT_EQ(pixelsOf(host.surface(), 0xFF00FF).size(), 0u);
}

TEST_F(Pipeline, ADisabledIconIsGrayedWithOrWithoutTheMaskColour)
{
    show();
    button.setStyle(StyleSoft);
    button.setIcon(solidIcon(4, kRed));
    button.setIconSize(4);
    button.setEnabled(false);
    EXPECT_EQ(pixelsOf(host.surface(), 0x545454).size(), 16u);
    button.setUseMaskColor(true);
    EXPECT_EQ(pixelsOf(host.surface(), platform::rgb(76, 76, 76)).size(), 16u);
}

TEST(CaptionLayout, PlacesTheWrappedTextByEveryAlignment)
{
    using namespace host;
    const CaptionLayout unchanged{{4, 4, 71, 19}, 17};
    const int W = 75, H = 23, tw = 30, th = 13, M = 3;
    const std::pair<int, CaptionLayout> cases[] = {
        {AlignCenter, {{18, 4, 52, 18}, DT_CENTER | DT_VCENTER | DT_WORDBREAK}},
        {AlignLeft, {{3, 4, 37, 18}, DT_VCENTER | DT_WORDBREAK}},
        {AlignRight, {{34, 4, 68, 18}, DT_RIGHT | DT_VCENTER | DT_WORDBREAK}},
        {AlignTop, {{18, 2, 52, 14}, DT_CENTER | DT_WORDBREAK}},
        {AlignBottom, {{18, 8, 52, 22}, DT_CENTER | DT_BOTTOM | DT_WORDBREAK}},
        {7, unchanged},
    };
    for (const auto& [align, expected] : cases) {
        const CaptionLayout laid = layOutCaption(align, W, H, tw, th, M, unchanged);
        EXPECT_EQ(laid.CaptionRect, expected.CaptionRect) << align;
        EXPECT_EQ(laid.CaptionFormat, expected.CaptionFormat) << align;
    }
}

TEST(CaptionLayout, RoundsHalvesToEven)
{
    // (76 - 31) / 2 - 4 = 18.5 -> 18; (76 + 31) / 2 = 53.5 -> 54; M / 2 = 2.5 -> 2.
    const CaptionLayout laid = layOutCaption(AlignTop, 76, 24, 31, 13, 5, {});
    EXPECT_EQ(laid.CaptionRect, (host::Rect{18, 2, 54, 16}));
}

TEST_F(Pipeline, TheResizeHandlerMeasuresTheCaptionInTheSurfaceFont)
{
    show();
    button.setCaption(QStringLiteral("Save"));
    const host::Rect plain = button.runtime().CaptionRect;
    EXPECT_GT(plain.right - plain.left, 20);
    button.setCaption(QStringLiteral("&Save"));
    EXPECT_EQ(button.runtime().CaptionRect, plain) << "the access-key mark takes no room";
    button.setCaption(QStringLiteral("Save and close the window"));
    EXPECT_GT(button.runtime().CaptionRect.bottom - button.runtime().CaptionRect.top, plain.bottom - plain.top)
        << "wrapped to the width less 8";
    button.setRightToLeft(true);
    EXPECT_EQ(button.runtime().CaptionFormat & host::DT_RTLREADING, 0u) << "the setter only repaints";
    button.UserControl_Resize();
    EXPECT_EQ(button.runtime().CaptionFormat,
              host::DT_CENTER | host::DT_VCENTER | host::DT_WORDBREAK | host::DT_RTLREADING);
}

TEST_F(Pipeline, TheResizeHandlerKeepsTheMinimumSize)
{
    PlainHost small(10, 30);
    cvButton tiny(small, opener);
    tiny.InitProperties();
    tiny.UserControl_Resize();
    EXPECT_EQ(small.surface().width(), 20);
    EXPECT_EQ(small.surface().height(), 30);
    EXPECT_EQ(tiny.runtime().ButtonRect, (host::Rect{0, 0, 20, 30}));
}

TEST_F(Pipeline, TheCaptionIsLaidOutWithTheMarginOfThePreviousPaint)
{
    show();
    button.setCaptionAlign(AlignLeft);
    button.setStyle(StyleGlass);
    EXPECT_EQ(button.runtime().CaptionRect.left, 6) << "the style setter lays out twice";
    button.setStyle(StyleSoft);
    EXPECT_EQ(button.runtime().CaptionRect.left, 3);
}

} // namespace
} // namespace cvbutton::testing
