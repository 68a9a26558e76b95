// The themed face: where the theme's part is drawn and how the window's shape follows it.
#pragma once

#include "cvbutton/host/region.h"
#include "cvbutton/host/surface.h"
#include "cvbutton/host/theme.h"

#include <QString>

#include <functional>

namespace cvbutton::render {

// Where a themed part goes: the control's surface and rectangle, and its window's shape.
struct ThemeTarget {
    host::Surface& hDC;
    host::Rect ButtonRect;
    bool RoundedBordersByTheme = false;
    std::function<void(const host::Region&)> setWindowRegion;
};

// Draws the theme's part in the state over the whole control; with RoundedBordersByTheme the
// window first takes the part's outline as its shape. False, drawing nothing, when no visual style
// offers the class, and when the theme could not draw.
bool DrawThemePart(host::Theme& theme, const ThemeTarget& target, const QString& ClassList, int PartId, int StateId);

} // namespace cvbutton::render
