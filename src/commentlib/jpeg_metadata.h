// The JPEG segments that hold caption fields: EXIF (APP1 "Exif"), the main XMP packet (APP1 with the XMP
// namespace) and its extension, and the image resources (APP13 "Photoshop 3.0") that carry IPTC. The first of
// each counts, and every segment of the extension.
#pragma once

#include "commentlib/caption_fields.h"
#include "commentlib/edit_plan.h"

#include <optional>
#include <string>

namespace corvane::jpeg {

struct MetadataSegment {
    SourceRange whole;  // marker and length included
    SourceRange body;   // after the identifier
};

struct MetadataSegments {
    std::optional<MetadataSegment> exif;
    std::optional<MetadataSegment> xmp;
    std::vector<MetadataSegment> xmpExtension;  // in file order
    std::optional<MetadataSegment> resources;
    uint64_t newSegmentsAt = 2;  // after SOI, or after a JFIF segment that must stay first
};

inline constexpr std::string_view kExifIdentifier{"Exif\0\0", 6};
inline constexpr std::string_view kXmpIdentifier{"http://ns.adobe.com/xap/1.0/\0", 29};
inline constexpr std::string_view kResourcesIdentifier{"Photoshop 3.0\0", 14};

// Notes the segment at `whole` (its payload starting at `payload`) when it is one of these.
void noteMetadataSegment(MetadataSegments& segments, ByteView file, uint8_t marker, SourceRange whole,
                         uint64_t payload);
StoredCaptions storedCaptions(ByteView file, const MetadataSegments& segments);
// The text of the extended XMP the main packet `packet` names; nothing when it names none or it is not whole.
std::optional<std::string> xmpExtensionOf(ByteView file, const MetadataSegments& segments, std::string_view packet);

}
