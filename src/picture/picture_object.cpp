// Making a picture object, its pixels settled once in 32-bit form.
#include "picture/picture_object.h"

namespace picture {

namespace {

// Everything downstream (painting, rescaling, icon masks) works on 32-bit pixels, so the picture
// settles its format once instead of every reader converting again.
QImage asThirtyTwoBit(QImage image)
{
    if (image.isNull() || image.depth() == 32)
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

} // namespace

Picture::Picture(PictureKind kind, QImage image) : kind_(kind), image_(asThirtyTwoBit(std::move(image))) {}

} // namespace picture
