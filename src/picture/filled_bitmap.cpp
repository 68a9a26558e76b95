// Making a new opaque bitmap filled with one colour, within the allocation limit.
#include "picture/filled_bitmap.h"

#include "picture/allocation_limit.h"
#include "picture/color_ref.h"

namespace picture {

QImage CreateFilledBitmap(QSize size, uint32_t backColor)
{
    if (!fitsAllocationLimit(size))
        return QImage();
    QImage bitmap(size, QImage::Format_RGB32);
    if (!bitmap.isNull())
        bitmap.fill(rgbFromColorRef(backColor));
    return bitmap;
}

} // namespace picture
