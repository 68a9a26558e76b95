#include "tiff_metadata.h"

#include "iptc_caption.h"

namespace corvane::tiff {

namespace {

const Entry* entryFor(const Layout& layout, uint16_t tag)
{
    for (const Entry& entry : layout.firstIfdEntries)
        if (entry.tag == tag)
            return &entry;
    return nullptr;
}

ByteView valueOf(ByteView file, const Layout& layout, uint16_t tag)
{
    const Entry* entry = entryFor(layout, tag);
    return entry ? file.subspan(entry->value.offset, entry->value.length) : ByteView{};
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
    stored.iptcDatasets = valueOf(file, layout, kIptcTag);
    const ByteView list = valueOf(file, layout, kResourcesTag);
    stored.iptcDigestStale = iptc::digestIsStale(list, iptc::parseResources(list), stored.iptcDatasets);
    return stored;
}

}
