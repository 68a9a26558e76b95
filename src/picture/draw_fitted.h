// Drawing a picture stretched or aspect-fitted into a bitmap.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>

namespace picture {

// Draws `image` over the whole `bitmap` (stretched) or aspect-fitted and centred in it, the strips
// left over keeping the background colour. The geometry follows `ownSize`, the picture's full size,
// which is larger than `image` when the decoder already shrank it. Transparent areas show
// `backColor` (0x00BBGGRR). Returns false, leaving the bitmap as it was, when the picture's pixels
// cannot be prepared (out of memory) or a size is empty.
bool DrawImageFitted(QImage image, QSize ownSize, QImage& bitmap, uint32_t backColor, bool keepAspect);

} // namespace picture
