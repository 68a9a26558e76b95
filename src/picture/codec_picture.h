// Pictures the toolkit has no reader for, decoded by their own codec libraries.
#pragma once

#include "picture/picture_decoder.h"

#include <QString>
#include <optional>

namespace picture {

// A HEIF, HEIC or AVIF file (through libheif) or a JPEG XL file (through libjxl), told by its
// content, decoded at its own size and upright. Nothing when the file is of another kind, so it is
// left to the other decoders. Throws PictureError for a missing or unreadable file, and for one of
// these kinds that cannot be decoded or is too large for the allocation limit.
std::optional<DecodedPicture> decodeWithCodecLibrary(const QString& path);

} // namespace picture
