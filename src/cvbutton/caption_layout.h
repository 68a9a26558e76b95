// Where a caption goes on the control for an alignment.
#pragma once

#include "cvbutton/host/surface.h"

namespace cvbutton {

struct CaptionLayout {
    host::Rect CaptionRect;
    unsigned CaptionFormat = 0;
};

// Where a caption of the wrapped size tw x th goes on a W x H control for the alignment, with the
// margin M; an unknown alignment keeps the layout it is given.
CaptionLayout layOutCaption(int CaptionAlign, int W, int H, int tw, int th, int M, const CaptionLayout& unchanged);

} // namespace cvbutton
