// Caption segments are noted as the segment walk meets them, with where new ones go (after a JFIF APP0 at the start),
// and their captions read out. IPTC comes from the first resource run that holds an IPTC resource.
#include "commentlib/jpeg/jpeg_metadata.h"

#include "commentlib/fields/exif_description.h"
#include "commentlib/fields/iptc_caption.h"
#include "commentlib/fields/xmp_packet.h"
#include "commentlib/jpeg/jpeg_xmp_extension.h"

namespace corvane::jpeg {

namespace {

constexpr uint8_t kApp0 = 0xE0, kApp1 = 0xE1, kApp13 = 0xED;

void noteFirst(std::optional<MetadataSegment>& slot, ByteView payload, std::string_view identifier, SourceRange whole,
               uint64_t payloadOffset)
{
    if (!slot && startsWith(payload, identifier))
        slot = MetadataSegment{whole, {payloadOffset + identifier.size(), payload.size() - identifier.size()}};
}

ByteView bodyOf(ByteView file, const std::optional<MetadataSegment>& segment)
{
    return segment ? file.subspan(segment->body.offset, segment->body.length) : ByteView{};
}

void noteResources(std::vector<ResourceRun>& runs, ByteView payload, SourceRange whole, uint64_t payloadOffset)
{
    if (!startsWith(payload, kResourcesIdentifier))
        return;
    const MetadataSegment segment{
        whole, {payloadOffset + kResourcesIdentifier.size(), payload.size() - kResourcesIdentifier.size()}};
    const bool adjacent = !runs.empty() && runs.back().whole().offset + runs.back().whole().length == whole.offset;
    if (adjacent)
        runs.back().segments.push_back(segment);
    else
        runs.push_back({{segment}});
}

}

SourceRange ResourceRun::whole() const
{
    const uint64_t start = segments.front().whole.offset;
    return {start, segments.back().whole.offset + segments.back().whole.length - start};
}

void noteMetadataSegment(MetadataSegments& segments, ByteView file, uint8_t marker, SourceRange whole, uint64_t payload)
{
    const ByteView data = file.subspan(payload, whole.offset + whole.length - payload);
    if (marker == kApp0 && whole.offset == 2)
        segments.newSegmentsAt = whole.offset + whole.length;
    if (marker == kApp1) {
        noteFirst(segments.exif, data, kExifIdentifier, whole, payload);
        noteFirst(segments.xmp, data, kXmpIdentifier, whole, payload);
        std::optional<MetadataSegment> extension;
        noteFirst(extension, data, kXmpExtensionIdentifier, whole, payload);
        if (extension)
            segments.xmpExtension.push_back(*extension);
    } else if (marker == kApp13) {
        noteResources(segments.resourceRuns, data, whole, payload);
    }
}

StoredCaptions storedCaptions(ByteView file, const MetadataSegments& segments)
{
    StoredCaptions stored;
    const ByteView exifBlock = bodyOf(file, segments.exif);
    if (const auto directory = exif::parseFirstDirectory(exifBlock))
        stored.imageDescription = exif::descriptionOf(exifBlock, *directory);
    stored.xmpPacket = asText(bodyOf(file, segments.xmp));
    stored.xmpExtension = xmpExtensionOf(file, segments, stored.xmpPacket).value_or(std::string());
    for (const ResourceRun& run : segments.resourceRuns) {
        const Bytes list = joinedResources(file, run);
        const auto resources = iptc::parseResources(list);
        const iptc::Resource* iptcData = iptc::findResource(resources, iptc::kIptcResource);
        if (!iptcData)
            continue;
        const auto datasets = list.begin() + iptcData->data.offset;
        stored.iptcDatasets.assign(datasets, datasets + iptcData->data.length);
        stored.iptcDigestStale = iptc::digestIsStale(list, resources, stored.iptcDatasets);
        break;
    }
    return stored;
}

std::optional<std::string> xmpExtensionOf(ByteView file, const MetadataSegments& segments, std::string_view packet)
{
    if (segments.xmpExtension.empty())
        return std::nullopt;
    std::vector<ByteView> bodies;
    for (const MetadataSegment& segment : segments.xmpExtension)
        bodies.push_back(file.subspan(segment.body.offset, segment.body.length));
    return assembledExtension(bodies, xmp::extensionGuidOf(packet));
}

Bytes joinedResources(ByteView file, const ResourceRun& run)
{
    Bytes list;
    for (const MetadataSegment& segment : run.segments) {
        const ByteView body = file.subspan(segment.body.offset, segment.body.length);
        list.insert(list.end(), body.begin(), body.end());
    }
    return list;
}

}
