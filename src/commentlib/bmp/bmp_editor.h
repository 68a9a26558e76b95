// BMP has no comment field, so the comment goes into a small trailer of our own right after the bitmap,
// where decoders never look, and the header's file size grows to count it (layout in bmp_layout.h). Erasing
// gives the header its own size back. Bytes that other programs left after the bitmap stay in place, behind
// our trailer.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/source_file.h"

#include <string_view>

namespace corvane::bmp {

bool looksLike(ByteView file);
ReadResult readComment(SourceFile& file);
// An empty text removes the trailer.
PlanResult planComment(SourceFile& file, std::string_view text);

}
