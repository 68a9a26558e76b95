// The window outline of a face style.
#pragma once

#include "cvbutton/host/region.h"

namespace cvbutton {

// The window outline of a face style for a surface of scaleWidth x scaleHeight pixels: the cut
// corners of the rounded gradient, glow, shadowed and glass faces, the rounded skinned face, and a
// plain rectangle for every other style.
host::Region windowShapeFor(int style, double scaleWidth, double scaleHeight);

} // namespace cvbutton
