// The extended XMP's share of a caption edit: an extension holding no description, or the new text, is left alone.
// Otherwise it is written anew without its description, under the GUID of its new text, and the main packet's pointer
// renamed; where that cannot be done, the edit is marked incomplete.
#include "commentlib/jpeg/jpeg_xmp_extension_edit.h"

#include "commentlib/fields/xmp_packet.h"
#include "commentlib/jpeg/jpeg_xmp_extension.h"

namespace corvane::jpeg {

namespace {

constexpr uint8_t kApp1 = 0xE1;

Bytes extensionSegments(std::string_view text, std::string_view guid)
{
    Bytes out;
    for (const Bytes& body : extensionBodies(text, guid)) {
        out.insert(out.end(), {0xFF, kApp1});
        appendU16(out, uint16_t(kXmpExtensionIdentifier.size() + body.size() + 2), Endian::Big);
        appendText(out, kXmpExtensionIdentifier);
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

// The first segment of the extension named `guid` takes `replacement`; the others go.
std::vector<Replacement> replacedSegments(ByteView file, const MetadataSegments& segments, std::string_view guid,
                                          Bytes replacement)
{
    std::vector<Replacement> edits;
    for (const MetadataSegment& segment : segments.xmpExtension) {
        if (extensionGuidOf(file.subspan(segment.body.offset, segment.body.length)) != guid)
            continue;
        edits.push_back({segment.whole.offset, segment.whole.length, edits.empty() ? std::move(replacement) : Bytes{}});
    }
    return edits;
}

}

ExtensionEdit extensionEdit(ByteView file, const MetadataSegments& segments, std::string_view packet,
                            std::string_view text)
{
    ExtensionEdit result{{}, std::string(packet)};
    const auto extension = xmpExtensionOf(file, segments, packet);
    if (!extension)
        return result; // none, or not whole: no reader finds a description in it
    const auto held = xmp::descriptionOf(*extension);
    if (held && (held->empty() || *held == text))
        return result;
    const auto without = held ? xmp::withDescription(*extension, {}) : std::nullopt;
    const std::string guid = without && !without->empty() ? extensionGuid(*without) : std::string();
    const auto renamed = without ? xmp::withExtensionGuid(packet, guid) : std::nullopt;
    if (!renamed) {
        result.complete = false;
        return result;
    }
    result.edits = replacedSegments(file, segments, xmp::extensionGuidOf(packet), extensionSegments(*without, guid));
    result.packet = *renamed;
    return result;
}

}
