// The VP8X chunk a simple WebP (one VP8 or VP8L bitstream) needs once it carries metadata: its canvas is the
// bitstream's own size, and its alpha flag is set when a lossless bitstream says it uses alpha (a lossy one in
// a simple file has none).
#pragma once

#include "commentlib/bytes.h"

#include <optional>
#include <string_view>

namespace corvane::webp {

// `bitstream` is the start of the chunk's payload; nothing when its header cannot be read.
std::optional<Bytes> extendedHeader(std::string_view chunkName, ByteView bitstream, uint8_t flags);

}
