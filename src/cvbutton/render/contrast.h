// Contrast between colours as readers need it, and colours nudged until they read.
#pragma once

#include "platform/system_colors.h"

namespace cvbutton::render {

using platform::Colorref;

// How far apart two colours must be for a reader, as the web's accessibility guidelines measure
// it: small text needs 4.5 to 1, a line or a picture's strokes 3 to 1.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kGraphicContrast = 3.0;

// The colour's relative luminance: 0 for black, 1 for white.
double RelativeLuminance(Colorref color);

// (lighter + 0.05) / (darker + 0.05): 1 for a colour on itself, 21 for black on white.
double ContrastRatio(Colorref a, Colorref b);

// The colour as it is when it reaches `ratio` against `ground`; otherwise blended toward white on a
// dark ground, toward black on a light one, just far enough to reach it.
Colorref ReadableOn(Colorref ground, Colorref color, double ratio);

} // namespace cvbutton::render
