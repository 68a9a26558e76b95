// The picture display's calls: decoding picture files and redrawing loaded pictures into new bitmaps.
#pragma once

// The picture display: decoding picture files and redrawing loaded pictures into new bitmaps of a
// requested size, stretched or aspect-fitted onto a background colour with bicubic filtering.

#include "picture/picture_error.h"
#include "picture/picture_kind.h"
#include "picture/picture_object.h"

#include <QSize>
#include <QString>
#include <cstdint>

namespace picture {

// Decodes `fileName` (its first frame, upright) and draws it into a new bitmap of width x height on
// `backColor` (0x00BBGGRR). When either size is -1 both become the picture's own size, written back
// to the caller. Throws PictureError for a missing, unreadable, unsupported or oversized file, and
// for an empty target size.
PicturePtr LoadPictureScaled(const QString& fileName, int& width, int& height, uint32_t backColor, bool keepAspect);

// Redraws a loaded picture into a new bitmap of width x height. The source is left untouched. Null
// when the handle cannot be used: no picture, kind None or a kind that is not the picture's own, an
// empty picture or target size, or not enough memory.
PicturePtr RescalePicture(const Picture* handle, PictureKind kind, int width, int height, uint32_t backColor,
                          bool keepAspect);

// The viewer's two steps in one: load at own size onto `backColor`, then fit into `box` keeping the
// aspect ratio. Skips the full-size intermediate: JPEG and PNG decoders shrink early where that keeps
// the result as good, and plain TIFF pages are resampled while their strips are decoded on two
// threads. Throws PictureError like LoadPictureScaled.
PicturePtr loadFitted(const QString& path, QSize box, uint32_t backColor);

} // namespace picture
