// New values for the caption tags, given only where a tag changes. A value keeps its old single-byte type (IPTC may
// also stay LONG, padded with NULs), and the IPTC digest is taken over the value as stored.
#include "commentlib/tiff/tiff_metadata.h"

#include "commentlib/corvane.h"
#include "commentlib/fields/caption_write.h"
#include "commentlib/fields/iptc_caption.h"
#include "commentlib/fields/xmp_packet.h"

#include <algorithm>

namespace corvane::tiff {

namespace {

const Entry* entryFor(const Layout& layout, uint16_t tag)
{
    for (const Entry& entry : layout.firstIfdEntries)
        if (entry.tag == tag)
            return &entry;
    return nullptr;
}

constexpr uint16_t kByte = 1, kLong = 4, kUndefined = 7;

// A block of bytes keeps its old type where that counts single bytes (byte, ASCII, signed byte, undefined);
// a type of another width, or one no reader knows, would be counted otherwise than it is written, so it
// becomes `fallback`.
uint16_t byteType(uint16_t oldType, uint16_t fallback)
{
    constexpr uint16_t kSignedByte = 6;
    return oldType == kByte || oldType == kAscii || oldType == kSignedByte || oldType == kUndefined ? oldType
                                                                                                    : fallback;
}

ByteView valueOf(ByteView file, const Layout& layout, uint16_t tag)
{
    const Entry* entry = entryFor(layout, tag);
    return entry ? file.subspan(entry->value.offset, entry->value.length) : ByteView{};
}

bool descriptionMatches(ByteView file, const Entry& entry, const Bytes& description)
{
    const ByteView old = file.subspan(entry.value.offset, std::min<uint64_t>(entry.value.length, description.size()));
    return entry.type == kAscii && std::equal(old.begin(), old.end(), description.begin(), description.end());
}

}

std::vector<SourceRange> metadataValues(const Layout& layout)
{
    std::vector<SourceRange> values;
    for (const uint16_t tag : {kXmpTag, kIptcTag, kResourcesTag})
        if (const Entry* entry = entryFor(layout, tag))
            values.push_back(entry->value);
    return values;
}

StoredCaptions storedCaptions(ByteView file, const Layout& layout, std::string_view description)
{
    StoredCaptions stored;
    stored.imageDescription = description;
    stored.xmpPacket = asText(valueOf(file, layout, kXmpTag));
    const ByteView datasets = valueOf(file, layout, kIptcTag);
    stored.iptcDatasets.assign(datasets.begin(), datasets.end());
    const ByteView list = valueOf(file, layout, kResourcesTag);
    stored.iptcDigestStale = iptc::digestIsStale(list, iptc::parseResources(list), stored.iptcDatasets);
    return stored;
}

CaptionValues captionValues(ByteView file, const Layout& layout, std::string_view text)
{
    CaptionValues result;
    CaptionWrite write(text);
    const auto changeTo = [&](uint16_t tag, uint16_t type, std::optional<Bytes> value) {
        const Entry* entry = entryFor(layout, tag);
        if (!entry && !value)
            return;
        const ByteView old = entry ? valueOf(file, layout, tag) : ByteView{};
        if (entry && value && entry->type == type && std::equal(value->begin(), value->end(), old.begin(), old.end()))
            return;
        result.changed.push_back({tag, type, std::move(value)});
    };

    Bytes description(text.begin(), text.end());
    description.push_back(0);
    const Entry* oldDescription = entryFor(layout, kImageDescription);
    const bool sameDescription = oldDescription && oldDescription->count == description.size() &&
                                 descriptionMatches(file, *oldDescription, description);
    if (!sameDescription)
        changeTo(kImageDescription, kAscii, text.empty() ? std::nullopt : std::optional(description));

    const std::string_view packet = asText(valueOf(file, layout, kXmpTag));
    const auto current = xmp::descriptionOf(packet);
    std::optional<std::string> changed;
    if (!current)
        write.packetUnreadable();
    else if (*current != text)
        changed = write.into([&](std::string_view edited) { return xmp::withDescription(packet, edited); });
    result.notice = write.notice();
    if (changed) {
        const Entry* entry = entryFor(layout, kXmpTag);
        changeTo(kXmpTag, entry ? byteType(entry->type, kByte) : kByte,
                 changed->empty() ? std::nullopt : std::optional(Bytes(changed->begin(), changed->end())));
    }

    const Entry* iptcEntry = entryFor(layout, kIptcTag);
    if (!iptcEntry)
        return result;
    ByteView datasets = valueOf(file, layout, kIptcTag);
    // A LONG-typed value is padded to whole numbers with NULs, which belong to no dataset.
    const ByteView padding = datasets.subspan(iptc::datasetsLength(datasets));
    if (std::all_of(padding.begin(), padding.end(), [](uint8_t byte) { return byte == 0; }))
        datasets = datasets.first(datasets.size() - padding.size());
    Bytes newDatasets = iptc::datasetsWithCaption(datasets, text);
    if (std::equal(newDatasets.begin(), newDatasets.end(), datasets.begin(), datasets.end()))
        return result;
    Bytes stored = newDatasets;
    // IPTC is stored as bytes or, padded, as longs.
    const uint16_t iptcType = iptcEntry->type == kLong ? kLong : byteType(iptcEntry->type, kUndefined);
    if (iptcType == kLong)
        stored.resize((stored.size() + 3) / 4 * 4, 0);
    const ByteView list = valueOf(file, layout, kResourcesTag);
    const auto resources = iptc::parseResources(list);
    // Readers take the digest over the value as stored, padding included.
    const Bytes newList = iptc::resourcesWithIptc(list, resources, newDatasets, stored);
    changeTo(kIptcTag, iptcType, std::move(stored));
    if (iptc::findResource(resources, iptc::kDigestResource))
        changeTo(kResourcesTag, entryFor(layout, kResourcesTag)->type, newList);
    return result;
}

}
