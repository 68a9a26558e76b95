// What the about panel paints and the system colours it paints in.
#pragma once

#include "cvbutton/host/surface.h"

namespace cvbutton {

inline constexpr const char* kAboutVersion = "3.6.2";

// The system colours the panel is painted in.
struct AboutPanelColors {
    platform::Colorref text;
    platform::Colorref face;
    platform::Colorref shadow;
};

// Everything of the panel: title, version, credit line, web address and the Close button raised.
void PaintAboutPanel(host::Surface& panel, const AboutPanelColors& colors);
// The hand-drawn Close button with its label; pressed turns the gradient over.
void DrawCloseButton(host::Surface& panel, const AboutPanelColors& colors, bool pressed);

} // namespace cvbutton
