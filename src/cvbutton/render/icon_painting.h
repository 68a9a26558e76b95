// Painting a button's picture onto the surface: masked, grayed or in one colour, and split into an icon's
// mask and colours.
#pragma once

#include "cvbutton/host/surface.h"
#include "cvbutton/render/picture_view.h"

#include <QImage>

#include <cstdint>

namespace cvbutton::render {

using host::Surface;
using platform::Colorref;

// The control's transparent colour, as DrawPictureMasked reads it.
struct MaskUse {
    bool UseMaskColor = false;
    Colorref MaskColor = 0;
};

// Composites the picture onto the Width x Height area at (X, Y) pixel by pixel. A bitmap is taken
// from its top-left corner unscaled (cropped); an icon is first put on a MaskColor background at
// its own size. Picture pixels of TransColor (only while UseMaskColor) leave the surface as it
// was; the others become SolidColor when that is 0 or more, else their gray when Grayscale, else
// themselves. A negative Width or Height takes the picture's own.
void DrawPictureMasked(Surface& hDC, int X, int Y, int Width, int Height, const PictureView& Picture,
                       Colorref TransColor, std::int32_t SolidColor, bool Grayscale, const MaskUse& mask);

// Draws the icon grayed and scaled to Dest_Width x Dest_Height, keeping its own transparency.
// False, drawing nothing, without a surface or an icon.
bool PaintIconGrayscale(Surface* Dest_hDC, const QImage& hIcon, int Dest_X, int Dest_Y, int Dest_Height,
                        int Dest_Width);

// The icon's two parts: its alpha mask (Alpha8) and its colours (RGB32).
bool GetIconBitmaps(const QImage& hIcon, QImage& MaskBitmap, QImage& ColorBitmap);
// The icon made of a mask and colours of one size; a null image when either is missing.
QImage CreateIconFromBitmaps(const QImage& MaskBitmap, const QImage& ColorBitmap);

// Turns hBitmap gray in place (the sixteen kept grays stay), then copies it, from (SrcX, SrcY),
// to (DestX, DestY) of the surface.
bool GrayscaleBitmap(Surface* hDestDC, QImage* hBitmap, int DestX, int DestY, int SrcX, int SrcY);

} // namespace cvbutton::render
