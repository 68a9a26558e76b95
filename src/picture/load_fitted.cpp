#include "picture/picture.h"

#include "picture/fit_plain_tiff.h"
#include "picture/picture_decoder.h"
#include "picture/render_fitted.h"

#include <new>

namespace picture {

PicturePtr loadFitted(const QString& path, QSize box, uint32_t backColor)
{
    if (box.width() <= 0 || box.height() <= 0)
        throw PictureError(path);
    try {
        if (PicturePtr streamed = fitPlainTiff(path, box, backColor))
            return streamed;
        DecodedPicture decoded = decodeForBox(path, box);
        PicturePtr result = renderFitted(std::move(decoded.image), decoded.ownSize, box, backColor, true);
        if (!result)
            throw PictureError(path);
        return result;
    } catch (const std::bad_alloc&) {
        throw PictureError(path);
    }
}

}  // namespace picture
