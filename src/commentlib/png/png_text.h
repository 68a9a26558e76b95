// PNG chunks as bytes and as text: reading tEXt (Latin-1), zTXt (compressed Latin-1) and iTXt (UTF-8, maybe
// compressed), and writing them back.
#pragma once

#include "commentlib/png/png_layout.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane::png {

// The chunk's data, or nothing when its checksum does not match.
std::optional<ByteView> checkedData(ByteView file, const Chunk& chunk);
// The text after a text chunk's keyword in UTF-8, or nothing when the chunk is corrupt.
std::optional<std::string> textOf(ByteView file, const Chunk& chunk);
// The text of the first of `chunks` that can be decoded.
std::string firstText(ByteView file, const std::vector<Chunk>& chunks);

Bytes chunk(std::string_view type, const Bytes& data);
// tEXt is Latin-1 by definition, so only ASCII goes there; anything else goes into an uncompressed iTXt.
Bytes textChunk(std::string_view keyword, std::string_view text);
// A chunk of the same type as `old` with its keyword and `text`, which is ASCII: compressed where it was.
Bytes rewrittenTextChunk(const Chunk& old, std::string_view text);
// iTXt, uncompressed, with the XMP packet.
Bytes xmpChunk(std::string_view packet);

}
