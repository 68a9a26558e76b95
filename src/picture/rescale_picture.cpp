// Redrawing a loaded picture into a new bitmap of a requested size.
#include "picture/picture.h"

#include "picture/render_fitted.h"

#include <new>

namespace picture {

namespace {

bool drawableKind(PictureKind kind)
{
    return kind == PictureKind::Bitmap || kind == PictureKind::Metafile || kind == PictureKind::Icon ||
           kind == PictureKind::EnhMetafile;
}

} // namespace

PicturePtr RescalePicture(const Picture* handle, PictureKind kind, int width, int height, uint32_t backColor,
                          bool keepAspect)
{
    if (handle == nullptr || !drawableKind(kind) || kind != handle->kind() || handle->image().isNull())
        return nullptr;
    try {
        const QImage& image = handle->image();
        return renderFitted(image, image.size(), QSize(width, height), backColor, keepAspect);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace picture
