// A WebP file's RIFF structure: "RIFF", the size of what follows, "WEBP", then chunks of a four-letter name,
// a little-endian payload size and the payload, padded to an even length. A simple file holds one bitstream
// chunk (VP8 lossy or VP8L lossless); an extended one starts with VP8X, whose flags name the optional chunks
// (ICC profile, alpha, animation, EXIF, XMP) and whose canvas size the picture is shown at.
#pragma once

#include "commentlib/file_io/source_file.h"

#include <optional>
#include <string_view>
#include <vector>

namespace corvane::webp {

inline constexpr uint64_t kFirstChunk = 12;
inline constexpr uint8_t kExifFlag = 0x08, kXmpFlag = 0x04;
inline constexpr uint32_t kExtendedHeaderSize = 10;

struct Chunk {
    std::string_view name; // one of the names below, or "" for one that is kept unread
    uint64_t offset = 0;   // of its name
    uint32_t size = 0;     // of its payload

    uint64_t payload() const { return offset + 8; }
    uint64_t end() const { return payload() + size + (size & 1); }
};

inline constexpr std::string_view kExtended = "VP8X", kLossy = "VP8 ", kLossless = "VP8L", kFrame = "ANMF",
                                  kExif = "EXIF", kXmp = "XMP ";

struct Layout {
    uint64_t riffEnd = 0; // bytes after it belong to no chunk and are kept where they are
    std::vector<Chunk> chunks;

    const Chunk* first(std::string_view name) const;
    size_t count(std::string_view name) const;
};

bool looksLike(ByteView first);

// Walks the chunks, reading their headers and the payloads an edit needs (VP8X, the start of the bitstream,
// EXIF and XMP); the rest of the file is never read. CORVANE_E_DAMAGED when the RIFF size or a chunk reaches
// past the file, or the file holds no picture.
int32_t parseLayout(SourceFile& file, Layout& layout);

}
