// Loading a picture file drawn into a bitmap of a given size (its own size when asked), stretched or fitted.
#include "picture/picture.h"

#include "picture/picture_decoder.h"
#include "picture/render_fitted.h"

#include <new>

namespace picture {

PicturePtr LoadPictureScaled(const QString& fileName, int& width, int& height, uint32_t backColor, bool keepAspect)
{
    try {
        DecodedPicture decoded = decodeAtOwnSize(fileName);
        if (width == -1 || height == -1) {
            width = decoded.ownSize.width();
            height = decoded.ownSize.height();
        }
        PicturePtr result =
            renderFitted(std::move(decoded.image), decoded.ownSize, QSize(width, height), backColor, keepAspect);
        if (!result)
            throw PictureError(fileName);
        return result;
    } catch (const std::bad_alloc&) {
        throw PictureError(fileName);
    }
}

} // namespace picture
