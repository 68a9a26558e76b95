// The picture module's failure for a file that could not be loaded, and the description it carries.
#include "picture/picture_error.h"

namespace picture {

PictureError::PictureError(const QString& path)
    : description_(QStringLiteral("Error loading picture ") + path), whatText_(description_.toUtf8())
{
}

} // namespace picture
