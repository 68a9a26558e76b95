// A new opaque bitmap filled with one colour.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>

namespace picture {

// A new opaque 32-bit bitmap of `size` filled with `backColor` (0x00BBGGRR). Null when the size is
// empty or the bitmap would not fit the allocation limit or into memory.
QImage CreateFilledBitmap(QSize size, uint32_t backColor);

} // namespace picture
