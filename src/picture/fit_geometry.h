// The geometry of fitting a picture into a box, and the rounding it uses.
#pragma once

#include <QRect>
#include <QSize>

namespace picture {

// Nearest integer, with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4), whatever the
// floating-point environment says.
double roundHalfEven(double value);

// Where a picture of `imageSize` lands inside a bitmap of `boxSize`: the whole bitmap when
// stretching, else the largest centred rectangle of the picture's aspect ratio. Both sizes must
// be non-empty.
QRect fittedRect(QSize imageSize, QSize boxSize, bool keepAspect);

} // namespace picture
