// Camera RAW files shown from their embedded previews.
#pragma once

// Camera RAW files (NEF, CR2, CR3, ARW, RAF, ORF, RW2, PEF, DNG and the others LibRaw reads) are
// shown from the preview the camera embedded in them, turned upright by the RAW's orientation. A
// RAW that carries no preview LibRaw can hand over is developed at half its size instead.

#include "picture/picture_decoder.h"

#include <QSize>
#include <QString>
#include <optional>

namespace picture {

// The picture of a camera RAW, decoded for `box` as decodeForBox decodes a JPEG (an empty box
// decodes the preview whole). Nothing when LibRaw does not take the file for a RAW, so it is left
// to the other decoders. Throws PictureError for a RAW that cannot be shown or is too large.
std::optional<DecodedPicture> decodeCameraRaw(const QString& path, QSize box);

} // namespace picture
