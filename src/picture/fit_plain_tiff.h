// The fitted picture of a plain TIFF, read strip by strip without a full-size copy.
#pragma once

#include "picture/picture_object.h"

#include <QSize>
#include <QString>
#include <cstdint>

namespace picture {

// The viewer's fitted picture of a plain TIFF (see PlainTiffLayout), read strip by strip straight into
// the resampler: no full-size intermediate, and the two halves of the picture decoded on two threads.
// Null when the file is no plain TIFF or any of it cannot be read; the general decoder then has its
// say, so a damaged file fails exactly as it did before.
PicturePtr fitPlainTiff(const QString& path, QSize box, uint32_t backColor);

} // namespace picture
