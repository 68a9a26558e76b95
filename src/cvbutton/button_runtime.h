// The control's run-time state, never stored with the form.
#pragma once

#include "cvbutton/host/region.h"
#include "cvbutton/host/surface.h"

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
    host::Rect ButtonRect;
    host::Rect CaptionRect;
    unsigned CaptionFormat = 0;
    // The gap the last painted face leaves around icon and caption.
    int ContentMargin = 0;
    host::Region WindowRegion;
    bool CanTrackMouse = false;
    // Whether the hook serves the direct request for one leave notification (its TrackMouseEvent);
    // without it the control asks through the hook's fallback (_TrackMouseEvent). Our Qt hook serves both.
    bool HasDirectLeaveRequest = false;
};

} // namespace cvbutton
