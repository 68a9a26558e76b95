// Making a new bitmap of a box with a picture drawn into it, flattened onto the background.
#include "picture/render_fitted.h"

#include "picture/allocation_limit.h"
#include "picture/color_ref.h"
#include "picture/draw_fitted.h"
#include "picture/filled_bitmap.h"
#include "picture/flatten.h"

namespace picture {

PicturePtr renderFitted(QImage image, QSize ownSize, QSize box, uint32_t backColor, bool keepAspect)
{
    // At its own size the picture covers the whole bitmap, so the flattened picture is the bitmap: no
    // second full-size buffer for what would be a plain copy.
    if (box == ownSize && image.size() == ownSize && fitsAllocationLimit(box)) {
        QImage flat = flattenOnto(std::move(image), rgbFromColorRef(backColor));
        return flat.isNull() ? nullptr : BitmapToPicture(std::move(flat));
    }
    QImage bitmap = CreateFilledBitmap(box, backColor);
    if (bitmap.isNull() || !DrawImageFitted(std::move(image), ownSize, bitmap, backColor, keepAspect))
        return nullptr;
    return BitmapToPicture(std::move(bitmap));
}

PicturePtr BitmapToPicture(QImage bitmap)
{
    return std::make_shared<const Picture>(PictureKind::Bitmap, std::move(bitmap));
}

} // namespace picture
