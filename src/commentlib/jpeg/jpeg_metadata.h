// The JPEG segments that hold caption fields: EXIF (APP1 "Exif"), the main XMP packet (APP1 with the XMP
// namespace) and its extension, and the image resources (APP13 "Photoshop 3.0") that carry IPTC. The first EXIF
// and XMP segment counts, and every segment of the extension; resources come in runs of adjacent segments whose
// lists readers join into one, and the first run holding IPTC is the one read.
#pragma once

#include "commentlib/edit_plan.h"
#include "commentlib/fields/caption_fields.h"

#include <optional>
#include <string>

namespace corvane::jpeg {

struct MetadataSegment {
    SourceRange whole; // marker and length included
    SourceRange body;  // after the identifier
};

struct ResourceRun {
    std::vector<MetadataSegment> segments; // adjacent, in file order

    // From the first segment's marker to the end of the last.
    SourceRange whole() const;
};

struct MetadataSegments {
    std::optional<MetadataSegment> exif;
    std::optional<MetadataSegment> xmp;
    std::vector<MetadataSegment> xmpExtension; // in file order
    std::vector<ResourceRun> resourceRuns;
    uint64_t newSegmentsAt = 2; // after SOI, or after a JFIF segment that must stay first
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
// The run's resource lists joined into one.
Bytes joinedResources(ByteView file, const ResourceRun& run);

}
