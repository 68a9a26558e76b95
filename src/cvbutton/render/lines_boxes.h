// The line and box primitives every face is drawn with.
#pragma once

#include "cvbutton/host/surface.h"

namespace cvbutton::render {

using host::Surface;
using platform::Colorref;

// A one-pixel solid line from (X1, Y1) up to but not including (X2, Y2).
void DrawLineDC(Surface& hDC, int X1, int Y1, int X2, int Y2, Colorref Color);
// Fills Rect, right and bottom edges excluded.
void FillRectColor(Surface& hDC, const host::Rect& Rect, Colorref Color);
// Exactly Width x Height pixels from (X, Y).
void FillBox(Surface& hDC, int X, int Y, int Width, int Height, Colorref Color);
// An outline through columns X to X + Width and rows Y to Y + Height, both ends included.
void DrawBox(Surface& hDC, int X, int Y, int Width, int Height, Colorref Color);
// A three-dimensional edge around the rounded rectangle (X, Y)-(X + Width, Y + Height), in the
// light and shadow colours of the table given.
void DrawEdgeBox(Surface& hDC, float X, float Y, float Width, float Height, unsigned Edge, unsigned Flags,
                 const platform::SystemColors& Colors);

} // namespace cvbutton::render
