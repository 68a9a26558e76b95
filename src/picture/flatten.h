// A picture flattened onto a background colour.
#pragma once

#include <QImage>
#include <QRgb>

namespace picture {

// The picture as it looks drawn over `background`: an opaque Format_RGB32 image of the same size.
// Transparent and half-transparent areas take the background colour in proportion; an opaque
// picture only changes format. Works in place when the pixels are already 32-bit and unshared.
QImage flattenOnto(QImage image, QRgb background);

// One premultiplied pixel drawn over the opaque `background`, exactly as flattenOnto does it.
QRgb flattenPixel(QRgb premultiplied, QRgb background);

} // namespace picture
