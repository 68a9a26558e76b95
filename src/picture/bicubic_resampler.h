#pragma once

#include <QImage>
#include <QRect>

namespace picture {

// Draws the whole of `source` scaled into `area` of `target` with high-quality bicubic filtering;
// pixels of `target` outside `area` are left alone. Both images are opaque Format_RGB32 (callers
// flatten transparency onto the background first) and `area` lies inside `target`.
void drawBicubic(const QImage& source, QImage& target, const QRect& area);

}  // namespace picture
