// The icon step of a repaint: placement, the pressed offset, the hot tinted shadow, the picture,
// and the control's method that paints an icon in gray.
#include "cvbutton/cvbutton.h"
#include "cvbutton/render/icon_painting.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace cvbutton {
namespace {

constexpr Colorref kShadowGray = 0x808080;
constexpr std::int32_t kOwnColors = -1;

int rounded(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

QPoint iconPosition(int align, double W, double H, int S, int M)
{
    switch (align) {
    case AlignCenter:
        return {rounded((W - S) / 2), rounded((H - S) / 2)};
    case AlignLeft:
        return {M, rounded((H - S) / 2)};
    case AlignRight:
        return {rounded(W - S - M), rounded((H - S) / 2)};
    case AlignTop:
        return {rounded((W - S) / 2), M};
    case AlignBottom:
        return {rounded((W - S) / 2), rounded(H - S - M)};
    default:
        return {0, 0};
    }
}

} // namespace

// A failure to draw (no memory for the picture's scratch copy) leaves what was drawn so far.
void cvButton::paintIcon(host::Surface& surface)
{
    if (!Icon_.hasHandle())
        return;
    try {
        paintIconAt(surface);
    } catch (const std::bad_alloc&) {
    }
}

void cvButton::paintIconAt(host::Surface& surface)
{
    const int S = IconSize_;
    QPoint at = iconPosition(IconAlign_, host_.scaleWidth(), host_.scaleHeight(), S, runtime_.ContentMargin);
    if (runtime_.DrawState == StatePressed) {
        at += QPoint(1, 1);
    } else if (runtime_.DrawState == StateHot && Style_ == StyleTinted) {
        paintHotShadow(surface, at.x(), at.y());
        at -= QPoint(2, 2);
    }
    const render::MaskUse mask{UseMaskColor_, MaskColor_};
    if (UseMaskColor_)
        render::DrawPictureMasked(surface, at.x(), at.y(), S, S, Icon_.view(), MaskColor_, kOwnColors, !Enabled_, mask);
    else if (Enabled_)
        surface.drawImage(Icon_.image(), {at.x(), at.y(), at.x() + S, at.y() + S});
    else
        PaintIconGrayscale(&surface, Icon_, at.x(), at.y(), S, S);
}

bool cvButton::PaintIconGrayscale(host::Surface* Dest_hDC, const IconPicture& hIcon, int Dest_X, int Dest_Y,
                                  int Dest_Height, int Dest_Width)
{
    return render::PaintIconGrayscale(Dest_hDC, hIcon.image(), Dest_X, Dest_Y, Dest_Height, Dest_Width);
}

// Without a mask colour the shadow is found by comparing with the face: every pixel of the icon's
// square, both ends included, that differs from the pixel at (1, 1) turns gray.
void cvButton::paintHotShadow(host::Surface& surface, int x, int y)
{
    const int S = IconSize_;
    if (UseMaskColor_) {
        const render::MaskUse mask{UseMaskColor_, MaskColor_};
        render::DrawPictureMasked(surface, x + 1, y + 1, S, S, Icon_.view(), MaskColor_, kShadowGray, false, mask);
        render::DrawPictureMasked(surface, x - 1, y - 1, S, S, Icon_.view(), MaskColor_, kOwnColors, false, mask);
        return;
    }
    surface.drawImage(Icon_.image(), {x, y, x + S, y + S});
    const Colorref background = surface.pixel(1, 1);
    // Pixels off the surface cannot change: the walk stays on it, however large the icon.
    for (int px = std::max(x, 0); px <= std::min(x + S, surface.width() - 1); ++px)
        for (int py = std::max(y, 0); py <= std::min(y + S, surface.height() - 1); ++py)
            if (surface.pixel(px, py) != background)
                surface.setPixel(px, py, kShadowGray);
}

} // namespace cvbutton
