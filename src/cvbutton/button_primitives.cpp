// The drawing primitives as members of the control: "own surface" means the host's surface.
#include "cvbutton/cvbutton.h"
#include "cvbutton/render/caption.h"
#include "cvbutton/render/checked_math.h"
#include "cvbutton/render/colors.h"
#include "cvbutton/render/etched_frame.h"
#include "cvbutton/render/gradients.h"
#include "cvbutton/render/icon_painting.h"
#include "cvbutton/render/lines_boxes.h"

namespace cvbutton {

void cvButton::DrawLine(int X1, int Y1, int X2, int Y2, Colorref Color)
{
    render::DrawLineDC(host_.surface(), X1, Y1, X2, Y2, Color);
}

void cvButton::DrawLineDC(platform::Surface& hDC, int X1, int Y1, int X2, int Y2, Colorref Color)
{
    render::DrawLineDC(hDC, X1, Y1, X2, Y2, Color);
}

void cvButton::FillRectColor(platform::Surface& hDC, const platform::Rect& Rect, Colorref Color)
{
    render::FillRectColor(hDC, Rect, Color);
}

void cvButton::FillBox(platform::Surface& hDC, int X, int Y, int Width, int Height, Colorref Color)
{
    render::FillBox(hDC, X, Y, Width, Height, Color);
}

void cvButton::DrawBox(platform::Surface& hDC, int X, int Y, int Width, int Height, Colorref Color)
{
    render::DrawBox(hDC, X, Y, Width, Height, Color);
}

void cvButton::DrawEdgeBox(platform::Surface& hDC, float X, float Y, float Width, float Height, unsigned Edge,
                           unsigned Flags)
{
    render::DrawEdgeBox(hDC, X, Y, Width, Height, Edge, Flags);
}

Colorref cvButton::MixColors(Colorref ColorA, Colorref ColorB) const
{
    return render::MixColors(ColorA, ColorB);
}

Colorref cvButton::TranslateColor(Colorref OleColor) const
{
    return render::TranslateColor(platform::SystemColors::current(), OleColor);
}

Colorref cvButton::LightenColor(Colorref Color, int Amount) const
{
    return render::LightenColor(Color, Amount);
}

Colorref cvButton::ShiftColor(Colorref Color, int Delta) const
{
    return render::ShiftColor(Color, Delta);
}

void cvButton::DrawCaption(const platform::SystemColors& colors)
{
    const render::CaptionLook look{UseCustomColors_,
                                   DrawState_,
                                   FontColor_,
                                   FontHighlightColor_,
                                   colors.color(platform::COLOR_BTNTEXT),
                                   colors.color(platform::COLOR_GRAYTEXT)};
    render::DrawCaption(host_.surface(), Caption_, CaptionRect_, CaptionFormat_, look);
}

void cvButton::DrawVGradient(Colorref ColorFrom, Colorref ColorTo, int Left, int Top, int Right, int Steps)
{
    render::DrawVGradientDC(host_.surface(), ColorFrom, ColorTo, Left, Top, Right, Steps);
}

void cvButton::DrawVGradientDC(platform::Surface& hDC, Colorref ColorFrom, Colorref ColorTo, int Left, int Top,
                               int Right, int Steps)
{
    render::DrawVGradientDC(hDC, ColorFrom, ColorTo, Left, Top, Right, Steps);
}

void cvButton::DrawHGradient(Colorref ColorFrom, Colorref ColorTo, int Left, int Top, int Right, int Bottom)
{
    render::DrawHGradient(host_.surface(), ColorFrom, ColorTo, Left, Top, Right, Bottom);
}

void cvButton::DrawEtchedFrame(int X, int Y, int Width, int Height, Colorref Color1, Colorref Color2,
                               Colorref CornerColor)
{
    render::DrawEtchedFrame(host_.surface(), X, Y, Width, Height, Color1, Color2, CornerColor);
}

bool cvButton::PaintIconGrayscale(platform::Surface* Dest_hDC, const IconPicture& hIcon, int Dest_X, int Dest_Y,
                                  int Dest_Height, int Dest_Width)
{
    return render::PaintIconGrayscale(Dest_hDC, hIcon, Dest_X, Dest_Y, Dest_Height, Dest_Width);
}

} // namespace cvbutton
