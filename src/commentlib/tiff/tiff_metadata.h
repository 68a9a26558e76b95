// Caption fields of a TIFF's first directory besides its ImageDescription: the XMP packet (tag 700), IPTC
// (tag 33723) and the image resources with the IPTC digest (tag 34377).
#pragma once

#include "commentlib/fields/caption_fields.h"
#include "commentlib/tiff/tiff_layout.h"

#include <optional>
#include <string_view>

namespace corvane::tiff {

inline constexpr uint16_t kXmpTag = 700;
inline constexpr uint16_t kIptcTag = 33723;
inline constexpr uint16_t kResourcesTag = 34377;

// The value ranges of those tags, which must be in memory for `storedCaptions`.
std::vector<SourceRange> metadataValues(const Layout& layout);
// `description` is the ImageDescription as stored.
StoredCaptions storedCaptions(ByteView file, const Layout& layout, std::string_view description);

// A first-directory tag given a new value, or removed (no value).
struct NewValue {
    uint16_t tag = 0;
    uint16_t type = 0;
    std::optional<Bytes> value; // count is its size in units of the type
};

struct CaptionValues {
    std::vector<NewValue> changed; // only the tags whose value changes
    int32_t notice = 0;            // CORVANE_PARTIAL when the XMP packet cannot take the text, CORVANE_PARTIAL_XMP
                                   // when it cannot be parsed and is left alone
};

// The tags that change when `text` becomes the caption: ImageDescription, the XMP packet (made when there is
// none), and where the file has them IPTC and its digest. The directory and every value must be in memory.
CaptionValues captionValues(ByteView file, const Layout& layout, std::string_view text);

}
