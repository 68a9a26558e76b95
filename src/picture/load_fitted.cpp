// Loading a picture file fitted into a box: choosing the codec libraries, the reduced decode, the plain TIFF
// path or the RAW preview, then fitting.
#include "picture/picture.h"

#include "picture/codec_picture.h"
#include "picture/fit_plain_tiff.h"
#include "picture/picture_decoder.h"
#include "picture/raw_preview.h"
#include "picture/render_fitted.h"

#include <new>

namespace picture {

namespace {

PicturePtr fitted(DecodedPicture decoded, QSize box, uint32_t backColor, const QString& path)
{
    PicturePtr result = renderFitted(std::move(decoded.image), decoded.ownSize, box, backColor, true);
    if (!result)
        throw PictureError(path);
    return result;
}

} // namespace

PicturePtr loadFitted(const QString& path, QSize box, uint32_t backColor)
{
    if (box.width() <= 0 || box.height() <= 0)
        throw PictureError(path);
    try {
        if (std::optional<DecodedPicture> coded = decodeWithCodecLibrary(path))
            return fitted(std::move(*coded), box, backColor, path);
        // A RAW built on TIFF often starts with a small plain thumbnail, which must not pass for the picture.
        std::optional<DecodedPicture> raw = decodeCameraRaw(path, box);
        if (!raw) {
            if (PicturePtr streamed = fitPlainTiff(path, box, backColor))
                return streamed;
        }
        return fitted(raw ? std::move(*raw) : decodeForBox(path, box), box, backColor, path);
    } catch (const std::bad_alloc&) {
        throw PictureError(path);
    }
}

} // namespace picture
