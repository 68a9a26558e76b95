// JPEG XL pictures decoded through libjxl.
#pragma once

#include "picture/picture_decoder.h"

#include <QByteArray>
#include <QString>

namespace picture {

// The first frame of the JPEG XL file held in `bytes` (bare codestream or container) at its own
// size, turned upright by its orientation, in sRGB where the file leaves the choice to the decoder.
// Throws PictureError naming `path` for a file libjxl cannot decode or whose picture exceeds the
// allocation limit.
DecodedPicture decodeJxl(const QByteArray& bytes, const QString& path);

} // namespace picture
