// Decoding a picture file, whole or reduced while decoding.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace picture {

struct DecodedPicture {
    QImage image;  // the first frame, turned upright by the file's orientation tag
    QSize ownSize; // the picture's full upright size; larger than `image` after a reduced decode
};

// Both decode a camera RAW from its embedded preview (see raw_preview.h), and a HEIF, HEIC, AVIF or
// JPEG XL file through its codec library at its own size (see codec_picture.h).

// Decodes the file at its own size. Throws PictureError when it is missing, unreadable, of an
// unsupported type or too large for the allocation limit.
DecodedPicture decodeAtOwnSize(const QString& path);

// Decodes the file for showing aspect-fitted in `box` (non-empty). A JPEG (by DCT scaling) or an
// opaque PNG (by area averaging while reading) comes out of the decoder already shrunk when that
// leaves at least twice the fitted size; other types come at their own size. Throws like
// decodeAtOwnSize.
DecodedPicture decodeForBox(const QString& path, QSize box);

// Decodes a JPEG held in memory (a camera RAW's preview) as decodeForBox decodes a JPEG file, but
// as stored: a tag of its own is not followed, since the RAW says how to turn it. `sideways` tells
// that the caller turns it a quarter, so the reduced decode is matched to the box turned; an empty
// box decodes it whole. `ownSize` is the stored size. Throws PictureError naming `path`.
DecodedPicture decodeStoredJpegForBox(const QByteArray& jpeg, QSize box, bool sideways, const QString& path);

} // namespace picture
