// Every copy of EXIF, XMP and IPTC, in its own chunk or in a raw profile, is read (the standard chunks first) and given
// the caption where it stands; a PNG without XMP gains a new packet before the first IDAT.
#include "commentlib/png/png_metadata.h"

#include "commentlib/fields/caption_write.h"
#include "commentlib/fields/exif_description.h"
#include "commentlib/fields/exif_description_edit.h"
#include "commentlib/fields/iptc_caption.h"
#include "commentlib/fields/xmp_packet.h"
#include "commentlib/jpeg/jpeg_metadata.h"
#include "commentlib/png/png_raw_profile.h"
#include "commentlib/png/png_text.h"

#include <algorithm>
#include <cctype>

namespace corvane::png {

namespace {

enum class Kind { Exif, Xmp, IptcDatasets, IptcResources };

// One copy of a metadata block and the chunk that holds it.
struct Holder {
    Kind kind = Kind::Exif;
    Chunk chunk;
    std::optional<RawProfile> profile; // when held in a raw profile
    std::string_view header;           // what the profile keeps before the block (a JPEG segment's identifier)
    Bytes block;
};

std::string_view profileName(const Chunk& chunk)
{
    return chunk.keyword.substr(kRawProfileKeyword.size());
}

bool sameName(std::string_view name, std::string_view lowerCase)
{
    return name.size() == lowerCase.size() &&
           std::equal(name.begin(), name.end(), lowerCase.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// What a raw profile holds, judged by its name and, where the name allows several, by its first bytes.
std::optional<Holder> profileHolder(const Chunk& chunk, RawProfile profile)
{
    const std::string_view name = profileName(chunk);
    const ByteView data = profile.data;
    Holder holder{Kind::Exif, chunk, {}, {}, {}};
    if (sameName(name, "exif") || sameName(name, "app1")) {
        holder.header = startsWith(data, jpeg::kExifIdentifier)  ? jpeg::kExifIdentifier
                        : startsWith(data, jpeg::kXmpIdentifier) ? jpeg::kXmpIdentifier
                                                                 : std::string_view();
        holder.kind = holder.header == jpeg::kXmpIdentifier ? Kind::Xmp : Kind::Exif;
    } else if (sameName(name, "xmp")) {
        holder.kind = Kind::Xmp;
    } else if (sameName(name, "iptc") || sameName(name, "8bim")) {
        holder.kind = !data.empty() && data.front() == 0x1C ? Kind::IptcDatasets : Kind::IptcResources;
    } else {
        return std::nullopt;
    }
    holder.block.assign(data.begin() + holder.header.size(), data.end());
    holder.profile = std::move(profile);
    return holder;
}

// Every copy, the standard chunks first: readers take those before a raw profile. Of the XMP chunks, the
// first whose bytes are whole is the packet: a damaged one before it is neither read nor taken for a missing
// packet, which would add a new one at every edit.
std::vector<Holder> holders(ByteView file, const Layout& layout)
{
    std::vector<Holder> found;
    for (const Chunk& xmp : layout.xmp) {
        if (const auto packet = textOf(file, xmp)) {
            found.push_back({Kind::Xmp, xmp, {}, {}, Bytes(packet->begin(), packet->end())});
            break;
        }
    }
    for (const Chunk& exif : layout.exif)
        if (const auto data = checkedData(file, exif))
            found.push_back({Kind::Exif, exif, {}, {}, Bytes(data->begin(), data->end())});
    for (const Chunk& chunk : layout.rawProfiles) {
        const auto text = textOf(file, chunk);
        auto profile = text ? decodeRawProfile(*text) : std::nullopt;
        if (auto holder = profile ? profileHolder(chunk, std::move(*profile)) : std::nullopt)
            found.push_back(std::move(*holder));
    }
    return found;
}

const Holder* firstOf(const std::vector<Holder>& found, std::initializer_list<Kind> kinds)
{
    for (const Holder& holder : found)
        if (std::find(kinds.begin(), kinds.end(), holder.kind) != kinds.end())
            return &holder;
    return nullptr;
}

// The IPTC datasets inside a holder's block.
ByteView datasetsOf(const Holder& holder)
{
    if (holder.kind == Kind::IptcDatasets)
        return holder.block;
    const auto resources = iptc::parseResources(holder.block);
    const iptc::Resource* data = iptc::findResource(resources, iptc::kIptcResource);
    return data ? ByteView(holder.block).subspan(data->data.offset, data->data.length) : ByteView{};
}

// The chunk that holds `block` in place of the holder's.
Bytes chunkWith(const Holder& holder, const Bytes& block)
{
    if (holder.profile) {
        RawProfile profile{holder.profile->name, Bytes(holder.header.begin(), holder.header.end())};
        profile.data.insert(profile.data.end(), block.begin(), block.end());
        return rewrittenTextChunk(holder.chunk, encodeRawProfile(profile));
    }
    if (holder.kind == Kind::Xmp)
        return xmpChunk(asText(block));
    return chunk("eXIf", block);
}

Bytes asBytes(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

class Planner {
public:
    Planner(ByteView file, const Layout& layout, std::string_view text)
        : layout_(layout), text_(text), write_(text), holders_(holders(file, layout))
    {
    }

    MetadataEdits run()
    {
        for (const Holder& holder : holders_) {
            if (holder.kind == Kind::Exif)
                planExif(holder);
            else if (holder.kind == Kind::Xmp)
                planXmp(holder);
            else
                planIptc(holder);
        }
        if (!firstOf(holders_, {Kind::Xmp}))
            planNewXmp();
        result_.notice = write_.notice();
        return std::move(result_);
    }

private:
    void planExif(const Holder& holder)
    {
        const auto directory = exif::parseFirstDirectory(holder.block);
        if (!directory)
            return write_.fieldLeftOut();
        if (text_.empty() && !directory->descriptionEntry)
            return;
        const auto changed =
            write_.into([&](std::string_view text) { return exif::withDescription(holder.block, *directory, text); });
        if (changed)
            replace(holder, *changed, text_.empty() && exif::holdsNothing(*changed, exif::Resolution{}));
    }

    void planXmp(const Holder& holder)
    {
        const std::string_view packet = asText(holder.block);
        const auto current = xmp::descriptionOf(packet);
        if (!current)
            return write_.packetUnreadable();
        if (*current == text_)
            return;
        const auto changed = write_.into([&](std::string_view text) { return xmp::withDescription(packet, text); });
        if (changed)
            replace(holder, asBytes(*changed), changed->empty());
    }

    void planIptc(const Holder& holder)
    {
        const ByteView datasets = datasetsOf(holder);
        if (datasets.empty())
            return;
        const Bytes changed = iptc::datasetsWithCaption(datasets, text_);
        if (holder.kind == Kind::IptcDatasets)
            return replace(holder, changed, false);
        const auto resources = iptc::parseResources(holder.block);
        replace(holder, iptc::resourcesWithIptc(holder.block, resources, changed, changed), false);
    }

    void planNewXmp()
    {
        if (text_.empty())
            return;
        if (const auto packet = xmp::withDescription({}, text_))
            result_.edits.push_back({layout_.firstImageData, 0, xmpChunk(*packet)});
        else
            write_.fieldLeftOut();
    }

    void replace(const Holder& holder, const Bytes& block, bool removeChunk)
    {
        if (block == holder.block)
            return;
        result_.edits.push_back(
            {holder.chunk.offset, holder.chunk.totalLength(), removeChunk ? Bytes{} : chunkWith(holder, block)});
    }

    const Layout& layout_;
    std::string_view text_;
    CaptionWrite write_;
    std::vector<Holder> holders_;
    MetadataEdits result_;
};

}

std::vector<CaptionField> metadataFields(ByteView file, const Layout& layout)
{
    const std::vector<Holder> found = holders(file, layout);
    StoredCaptions stored;
    if (const Holder* exif = firstOf(found, {Kind::Exif}))
        if (const auto directory = exif::parseFirstDirectory(exif->block))
            stored.imageDescription = exif::descriptionOf(exif->block, *directory);
    if (const Holder* xmp = firstOf(found, {Kind::Xmp}))
        stored.xmpPacket = asText(xmp->block);
    if (const Holder* iptc = firstOf(found, {Kind::IptcDatasets, Kind::IptcResources})) {
        const ByteView datasets = datasetsOf(*iptc);
        stored.iptcDatasets.assign(datasets.begin(), datasets.end());
        if (iptc->kind == Kind::IptcResources)
            stored.iptcDigestStale = iptc::digestIsStale(iptc->block, iptc::parseResources(iptc->block), datasets);
    }
    return captionFields(stored);
}

MetadataEdits metadataEdits(ByteView file, const Layout& layout, std::string_view text)
{
    return Planner(file, layout, text).run();
}

}
