// A new bitmap with a picture drawn into it stretched or fitted.
#pragma once

#include "picture/picture_object.h"

#include <QImage>
#include <QSize>
#include <cstdint>

namespace picture {

// A new bitmap picture of `box` filled with `backColor`, with `image` drawn into it stretched or
// aspect-fitted (geometry from `ownSize`, see DrawImageFitted). Null when the box is empty or too
// large, or memory runs out.
PicturePtr renderFitted(QImage image, QSize ownSize, QSize box, uint32_t backColor, bool keepAspect);

// Hands a finished bitmap over to a new picture object that owns it from then on.
PicturePtr BitmapToPicture(QImage bitmap);

} // namespace picture
