// Drawing a picture into a bitmap stretched, or fitted and centred on the background.
#include "picture/draw_fitted.h"

#include "picture/bicubic_resampler.h"
#include "picture/color_ref.h"
#include "picture/fit_geometry.h"
#include "picture/flatten.h"

namespace picture {

bool DrawImageFitted(QImage image, QSize ownSize, QImage& bitmap, uint32_t backColor, bool keepAspect)
{
    if (ownSize.isEmpty() || bitmap.isNull() || image.isNull())
        return false;
    const QImage opaque = flattenOnto(std::move(image), rgbFromColorRef(backColor));
    if (opaque.isNull())
        return false;
    drawBicubic(opaque, bitmap, fittedRect(ownSize, bitmap.size(), keepAspect));
    return true;
}

} // namespace picture
