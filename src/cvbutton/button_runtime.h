#pragma once

#include "platform/region.h"
#include "platform/surface.h"

namespace cvbutton {

// What the control knows only while it runs, never stored with the form: the state it is drawn in,
// focus and visibility, the pointer, the rectangles and outline of its last layout, and what the
// host offers for following the pointer out of the window.
struct ButtonRuntime {
    int DrawState = 0;
    bool HasFocus = false;
    bool IsShown = false;
    bool MouseInside = false;
    int LastMouseButton = 0;
    platform::Rect ButtonRect;
    platform::Rect CaptionRect;
    unsigned CaptionFormat = 0;
    // The gap the last painted face leaves around icon and caption.
    int ContentMargin = 0;
    platform::Region WindowRegion;
    bool CanTrackMouse = false;
    bool HasUser32TrackMouseEvent = false;
};

} // namespace cvbutton
