// Drawing a button's caption and choosing its colour.
#pragma once

#include "cvbutton/host/surface.h"

#include <QString>

namespace cvbutton::render {

using platform::Colorref;

// What decides the caption's colour: the control's font colours and the system's text colours of
// the moment, which the pipeline resolves when it paints.
struct CaptionLook {
    bool UseCustomColors = false;
    int DrawState = 0;
    Colorref FontColor = 0;
    Colorref FontHighlightColor = 0;
    Colorref ButtonText = 0;
    Colorref GrayText = 0;
};

// The colour the caption is drawn in for that look.
Colorref captionColor(const CaptionLook& look);

// Draws Caption in CaptionRect with CaptionFormat, in the surface's font and the look's colour,
// leaving the surface's foreground colour as it found it.
void DrawCaption(host::Surface& surface, const QString& Caption, host::Rect CaptionRect, unsigned CaptionFormat,
                 const CaptionLook& look);

} // namespace cvbutton::render
