// Colour gradients drawn as runs of one-pixel lines.
#pragma once

#include "cvbutton/host/surface.h"

namespace cvbutton::render {

using host::Surface;
using platform::Colorref;

// Steps + 1 horizontal lines, rows Top to Top + Steps, each from column Left up to Right; the first
// row is exactly ColorFrom and the last exactly ColorTo. Steps of 0 or less draws nothing.
void DrawVGradientDC(Surface& hDC, Colorref ColorFrom, Colorref ColorTo, int Left, int Top, int Right, int Steps);
// Vertical lines in columns Left to Right inclusive, each from row Top up to Bottom. Right at or
// left of Left draws nothing.
void DrawHGradient(Surface& hDC, Colorref ColorFrom, Colorref ColorTo, int Left, int Top, int Right, int Bottom);

} // namespace cvbutton::render
