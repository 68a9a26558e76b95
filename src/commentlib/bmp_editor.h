// BMP has no comment field, so the comment goes into a small trailer of our own placed right after the
// bitmap's declared size (bfSize), where decoders never look:
//   8 bytes magic "\xC7CORVCMT", 4 bytes little-endian text length, the UTF-8 text.
// Bytes that other programs left after the bitmap stay in place, behind our trailer.
#pragma once

#include "editor_result.h"

#include <string_view>

namespace corvane::bmp {

bool looksLike(ByteView file);
ReadResult readComment(ByteView file);
// An empty text removes the trailer.
PlanResult planComment(ByteView file, std::string_view text);

}
