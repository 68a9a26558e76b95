// The etched frame of the etched style and the About panel.
#pragma once

#include "cvbutton/host/surface.h"

namespace cvbutton::render {

using platform::Colorref;

// Two outlines, the second one pixel down and right of the first, with the two uncovered corners
// of the whole area in CornerColor and the two crossings in the mix of both outline colours.
void DrawEtchedFrame(host::Surface& surface, int X, int Y, int Width, int Height, Colorref Color1, Colorref Color2,
                     Colorref CornerColor);

} // namespace cvbutton::render
