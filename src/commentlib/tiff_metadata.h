// Caption fields of a TIFF's first directory besides its ImageDescription: the XMP packet (tag 700), IPTC
// (tag 33723) and the image resources with the IPTC digest (tag 34377).
#pragma once

#include "caption_fields.h"
#include "tiff_layout.h"

namespace corvane::tiff {

inline constexpr uint16_t kXmpTag = 700;
inline constexpr uint16_t kIptcTag = 33723;
inline constexpr uint16_t kResourcesTag = 34377;

// The value ranges of those tags, which must be in memory for `storedCaptions`.
std::vector<SourceRange> metadataValues(const Layout& layout);
// `description` is the ImageDescription as stored.
StoredCaptions storedCaptions(ByteView file, const Layout& layout, std::string_view description);

}
