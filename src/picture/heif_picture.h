// HEIF, HEIC and AVIF pictures decoded through libheif.
#pragma once

#include "picture/picture_decoder.h"

#include <QString>

namespace picture {

// The file's primary picture at its own size, as libheif hands it over: turned, mirrored and
// cropped as the file says, a grid assembled into one picture, more than 8 bits per channel
// brought down to 8. `readablePath` names the already checked file (see RegularFile), `path` is
// the name the user knows it by. Throws PictureError for a file libheif cannot decode, whose
// decoder is missing, or whose picture exceeds the allocation limit.
DecodedPicture decodeHeif(const QString& readablePath, const QString& path);

} // namespace picture
