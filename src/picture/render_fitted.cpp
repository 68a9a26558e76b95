#include "picture/render_fitted.h"

#include "picture/draw_fitted.h"
#include "picture/filled_bitmap.h"

namespace picture {

PicturePtr renderFitted(QImage image, QSize ownSize, QSize box, uint32_t backColor, bool keepAspect)
{
    QImage bitmap = CreateFilledBitmap(box, backColor);
    if (bitmap.isNull() || !DrawImageFitted(std::move(image), ownSize, bitmap, backColor, keepAspect))
        return nullptr;
    return BitmapToPicture(std::move(bitmap));
}

PicturePtr BitmapToPicture(QImage bitmap)
{
    return std::make_shared<const Picture>(PictureKind::Bitmap, std::move(bitmap));
}

}  // namespace picture
