// Colours as callers hand them over, 0x00BBGGRR, and their conversion to Qt's colours.
#pragma once

#include <QRgb>
#include <cstdint>

namespace picture {

// Callers hand colours over as 0x00BBGGRR (red in the low byte); the high byte carries no colour.
inline QRgb rgbFromColorRef(uint32_t colorRef)
{
    return qRgb(int(colorRef & 0xFF), int((colorRef >> 8) & 0xFF), int((colorRef >> 16) & 0xFF));
}

} // namespace picture
