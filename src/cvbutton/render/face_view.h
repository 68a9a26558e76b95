// The read-only view of the control a face renderer draws from.
#pragma once

#include "cvbutton/host/surface.h"

namespace cvbutton::render {

using host::Surface;
using platform::Colorref;

// What a face renderer may read of the control: its size, its focus and default marks and its
// colours. The pipeline fills it at paint time with colours already resolved (no system colour
// values), so a renderer only computes and draws.
struct FaceView {
    int W = 0;
    int H = 0;
    bool HasFocus = false;
    bool ShowFocus = false;
    bool DisplayAsDefault = false;
    bool UseCustomColors = false;
    Colorref BackColor = 0;
    Colorref HighlightColor = 0;
    // The system colours of the moment, which several faces use in place of the control's own
    // colours, and the etched frame always.
    Colorref ButtonFace = 0;
    Colorref SystemHighlight = 0;
    Colorref ButtonShadow = 0;
    Colorref Window = 0;
    // The whole table, for the three-dimensional edges' light and shadow pairs.
    platform::SystemColors System = platform::SystemColors::windows10();
};

} // namespace cvbutton::render
