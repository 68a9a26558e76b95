// The face colour a caption is read against.
#pragma once

#include "cvbutton/host/surface.h"

namespace cvbutton::render {

// The face colour a caption in `area` is read against: of the pixels already drawn there, the one
// of middle lightness, so an icon or a thin band under part of the caption does not decide it. The
// surface's background colour when the area lies outside the surface.
platform::Colorref GroundBehind(const host::Surface& surface, host::Rect area);

} // namespace cvbutton::render
