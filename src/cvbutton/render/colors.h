// Colour arithmetic the faces share: averages, lighter and darker shades, and system colours resolved
// against a table.
#pragma once

#include "platform/system_colors.h"

namespace cvbutton::render {

using platform::Colorref;

// The channel-wise average of two colours, halves rounded to even.
Colorref MixColors(Colorref ColorA, Colorref ColorB);
// A plain colour as it is, 0x800000nn as system colour nn of the table given; kInvalidColor (-1)
// for anything that names no colour.
Colorref TranslateColor(const platform::SystemColors& colors, Colorref OleColor);
// Blends toward white by Amount / 255.
Colorref LightenColor(Colorref Color, int Amount);
// Adds Delta to every channel, keeping each within 0 to 255.
Colorref ShiftColor(Colorref Color, int Delta);

} // namespace cvbutton::render
