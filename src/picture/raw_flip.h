// Turning a camera RAW's picture upright by LibRaw's flip code.
#pragma once

// Turning a camera RAW's picture upright by the flip code LibRaw reports for it (sizes.flip): bit 0
// mirrors left to right, bit 1 top to bottom, and bit 2 then swaps rows and columns.

#include <QImage>

namespace picture {

// Whether the flip turns the picture a quarter, so its upright width is its stored height.
bool flipTurnsSideways(int flip);

QImage turnedByFlip(const QImage& stored, int flip);

} // namespace picture
