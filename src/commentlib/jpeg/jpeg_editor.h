// JPEG: the comment lives in COM segments placed after the leading APPn segments, and in the caption fields
// of the EXIF, XMP and IPTC segments. A text longer than one segment holds (65533 bytes) is written as
// consecutive COM segments and read back joined.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/jpeg/jpeg_layout.h"

#include <string_view>

namespace corvane::jpeg {

bool looksLike(ByteView file);

// The comment read from a layout already parsed; `file` needs to hold only the bytes the layout's comments
// cover.
ReadResult commentOf(ByteView file, const Layout& layout);
// The edit that makes `text` the comment (an empty text erases every COM segment); `file` holds at least the
// segments before the image data of a file of `fileSize` bytes.
PlanResult planFor(ByteView file, uint64_t fileSize, const Layout& layout, std::string_view text);

}
