// A JPEG XL file's structure: either a bare codestream (it starts FF 0A) or a sequence of boxes, each a
// big-endian 32-bit size (1: a 64-bit size follows the type; 0: the box runs to the end of the file), a
// four-letter type and its payload. The boxes start with the signature box and `ftyp`; the picture is one
// `jxlc` box or `jxlp` parts kept in their order; `Exif` and `xml ` carry metadata, plain or inside a `brob`
// box (the inner type, then Brotli-compressed data); `jbrd` holds what rebuilds the JPEG the file was made
// from, which expects the Exif and XMP it recorded to keep their exact lengths.
#pragma once

#include "commentlib/file_io/source_file.h"

#include <optional>
#include <string_view>
#include <vector>

namespace corvane::jxl {

inline constexpr std::string_view kSignature{"\0\0\0\x0CJXL \r\n\x87\n", 12};
inline constexpr std::string_view kBareCodestream{"\xFF\x0A", 2};

inline constexpr std::string_view kFileType = "ftyp", kLevel = "jxll", kCodestream = "jxlc", kCodestreamPart = "jxlp",
                                  kExif = "Exif", kXmp = "xml ", kCompressed = "brob", kReconstruction = "jbrd";

struct Box {
    std::string_view type;  // one of the names above, or "" for a box kept unread
    std::string_view inner; // of a `brob` box: kExif, kXmp, or "" for one that is kept unread
    uint64_t offset = 0;
    uint64_t headerSize = 8;
    uint64_t end = 0;
    Bytes unpacked; // a `brob` box's Exif or XMP, decompressed

    uint64_t payload() const { return offset + headerSize; }
    uint64_t size() const { return end - payload(); }
    // Exif or XMP, plain or compressed.
    std::string_view metadata() const { return type == kCompressed ? inner : type; }
};

struct Layout {
    bool bare = false;
    std::vector<Box> boxes;

    const Box* firstHolding(std::string_view metadata) const;
    size_t countHolding(std::string_view metadata) const;
    const Box* first(std::string_view type) const;
    // Where the picture's codestream starts (its first box), or the file's start when it is bare.
    uint64_t codestreamStart() const;
};

bool looksLike(ByteView first);

// Walks the boxes, reading their headers and the payloads an edit needs (`ftyp`, Exif and XMP, plain or
// compressed); the codestream is never read. CORVANE_E_DAMAGED when a box reaches past the file, `ftyp` does
// not follow the signature or no box holds a codestream; CORVANE_E_UNSUPPORTED when compressed Exif or XMP
// does not decompress within a sane size.
int32_t parseLayout(SourceFile& file, Layout& layout);

// A box's payload as read: a compressed box's decompressed one.
ByteView payloadOf(ByteView file, const Box* box);

}
