// Reading the layout: top-level box headers, the whole meta box, and of the mdat boxes only the metadata items.
#include "commentlib/isobmff/isobmff_layout.h"

#include "commentlib/corvane.h"
#include "commentlib/edit_plan.h"

#include <algorithm>
#include <array>

namespace corvane::isobmff {

namespace {

constexpr std::array<std::string_view, 14> kImageBrands{"heic", "heix", "heim", "heis", "hevc", "hevx", "hevm",
                                                        "hevs", "mif1", "mif2", "msf1", "avif", "avis", "avio"};
constexpr std::array<std::string_view, 6> kSingleChildren{"hdlr", "pitm", "iinf", "iloc", "iref", "idat"};

bool isImageBrand(ByteView brand)
{
    return std::any_of(kImageBrands.begin(), kImageBrands.end(),
                       [&](std::string_view known) { return startsWith(brand, known); });
}

int32_t walkTopLevel(SourceFile& file, Layout& layout)
{
    for (uint64_t at = 0; at < file.size();) {
        if (const int32_t status = file.loadRange(at, 16); status != CORVANE_OK)
            return status;
        const auto box = readBox(file.whole(), at, file.size());
        if (!box)
            return CORVANE_E_DAMAGED;
        layout.topLevel.push_back(*box);
        at = box->end();
    }
    const auto metas = std::count_if(layout.topLevel.begin(), layout.topLevel.end(),
                                     [](const Box& box) { return box.type == "meta"; });
    if (metas > 1)
        return CORVANE_E_UNSUPPORTED;
    if (metas == 0 || layout.topLevel.front().type != "ftyp")
        return CORVANE_E_DAMAGED;
    layout.meta = *std::find_if(layout.topLevel.begin(), layout.topLevel.end(),
                                [](const Box& box) { return box.type == "meta"; });
    return file.loadRange(layout.meta.offset, layout.meta.size);
}

bool childrenAreSound(const std::vector<Box>& children)
{
    for (const std::string_view type : kSingleChildren)
        if (std::count_if(children.begin(), children.end(), [&](const Box& box) { return box.type == type; }) > 1)
            return false;
    return true;
}

int32_t parseTables(ByteView data, Layout& layout)
{
    const Box *hdlr = layout.metaChild("hdlr"), *pitm = layout.metaChild("pitm"), *iinf = layout.metaChild("iinf"),
              *iloc = layout.metaChild("iloc"), *iref = layout.metaChild("iref");
    if (!hdlr || !pitm || !iinf || !iloc || hdlr->payloadSize() < 12)
        return CORVANE_E_DAMAGED;
    const auto primary = parsePrimary(data, *pitm);
    const auto itemInfo = parseItemInfo(data, *iinf);
    const auto locations = parseLocations(data, *iloc);
    const auto references = iref ? parseReferences(data, *iref) : std::vector<ItemReference>{};
    if (!primary || !itemInfo || !locations || !references)
        return CORVANE_E_DAMAGED;
    layout.primary = *primary;
    layout.itemInfo = *itemInfo;
    layout.locations = *locations;
    layout.references = *references;
    layout.wideReferenceIds = iref && data[iref->payload()] != 0;
    if (const Box* idat = layout.metaChild("idat"))
        layout.idat = *idat;
    const auto& items = layout.itemInfo.items;
    if (std::none_of(items.begin(), items.end(), [&](const ItemInfo& item) { return item.id == layout.primary; }))
        return CORVANE_E_DAMAGED;
    return startsWith(data.subspan(hdlr->payload() + 8), "pict") ? CORVANE_OK : CORVANE_E_UNSUPPORTED;
}

std::optional<MetadataKind> metadataKind(const ItemInfo& item)
{
    if (item.type == "Exif")
        return MetadataKind::Exif;
    if (item.type == "mime" && item.contentType.substr(0, kXmpContentType.size()) == kXmpContentType)
        return MetadataKind::Xmp;
    return std::nullopt;
}

bool describesPrimary(const Layout& layout, uint32_t id)
{
    bool describesAny = false;
    for (const ItemReference& reference : layout.references) {
        if (reference.type != "cdsc" || reference.from != id)
            continue;
        describesAny = true;
        if (std::find(reference.to.begin(), reference.to.end(), layout.primary) != reference.to.end())
            return true;
    }
    return !describesAny;
}

// Where an extent's bytes are in the file, for an extent counted from `origin` in `size` bytes (the file, or
// the idat box's payload); nothing when they are not all in those bytes.
std::optional<SourceRange> extentRange(uint64_t base, uint64_t size, const Extent& extent, uint64_t origin)
{
    const uint64_t start = base + extent.offset;
    if (start < base || start > size)
        return std::nullopt;
    const uint64_t available = size - start;
    if (extent.length > available)
        return std::nullopt;
    return SourceRange{origin + start, extent.length == 0 ? available : extent.length};
}

int32_t loadItem(SourceFile& file, const Layout& layout, const ItemLocation& location, MetadataItem& item)
{
    const bool inIdat = location.construction() == Construction::Idat;
    if (location.dataReference != 0 || location.construction() == Construction::Item || (inIdat && !layout.idat)) {
        item.readable = false;
        return inIdat ? CORVANE_E_DAMAGED : CORVANE_OK;
    }
    const uint64_t origin = inIdat ? layout.idat->payload() : 0;
    const uint64_t size = inIdat ? layout.idat->payloadSize() : file.size();
    for (const Extent& extent : location.extents) {
        const auto range = extentRange(location.baseOffset, size, extent, origin);
        if (!range)
            return CORVANE_E_DAMAGED;
        if (const int32_t status = file.loadRange(range->offset, range->length); status != CORVANE_OK)
            return status;
        const ByteView bytes = file.whole().subspan(range->offset, range->length);
        item.data.insert(item.data.end(), bytes.begin(), bytes.end());
    }
    return CORVANE_OK;
}

// Every item held in this file lies inside it: one that reaches past its end was cut off, and a box added at
// the end would become part of it.
bool itemsInsideFile(const Layout& layout, uint64_t size)
{
    for (const ItemLocation& item : layout.locations.items) {
        if (item.construction() != Construction::File || item.dataReference != 0)
            continue;
        for (const Extent& extent : item.extents)
            if (!extentRange(item.baseOffset, size, extent, 0))
                return false;
    }
    return true;
}

int32_t loadMetadataItems(SourceFile& file, Layout& layout)
{
    for (const ItemInfo& info : layout.itemInfo.items) {
        const auto kind = metadataKind(info);
        if (!kind || !describesPrimary(layout, info.id))
            continue;
        const ItemLocation* location = layout.locations.find(info.id);
        if (!location)
            return CORVANE_E_DAMAGED;
        MetadataItem item;
        item.id = info.id;
        if (const int32_t status = loadItem(file, layout, *location, item); status != CORVANE_OK)
            return status;
        (*kind == MetadataKind::Exif ? layout.exif : layout.xmp).push_back(std::move(item));
    }
    return CORVANE_OK;
}

}

const Box* Layout::metaChild(std::string_view type) const
{
    const auto found =
        std::find_if(metaChildren.begin(), metaChildren.end(), [&](const Box& box) { return box.type == type; });
    return found == metaChildren.end() ? nullptr : &*found;
}

bool looksLike(ByteView first)
{
    const auto size = readU32(first, 0, Endian::Big);
    if (!size || *size < 16 || !startsWith(first.subspan(4), "ftyp"))
        return false;
    const ByteView brands = first.subspan(0, std::min<uint64_t>(*size, first.size()));
    if (isImageBrand(brands.subspan(8)))
        return true;
    for (uint64_t at = 16; at + 4 <= brands.size(); at += 4)
        if (isImageBrand(brands.subspan(at, 4)))
            return true;
    return false;
}

int32_t parseLayout(SourceFile& file, Layout& layout)
{
    if (const int32_t status = file.readAnywhere(); status != CORVANE_OK)
        return status;
    if (const int32_t status = walkTopLevel(file, layout); status != CORVANE_OK)
        return status;
    const ByteView data = file.whole();
    const auto children = layout.meta.payloadSize() < 4
                              ? std::nullopt
                              : readChildBoxes(data, layout.meta.payload() + 4, layout.meta.end());
    if (!children || !childrenAreSound(*children))
        return CORVANE_E_DAMAGED;
    layout.metaChildren = *children;
    if (const int32_t status = parseTables(data, layout); status != CORVANE_OK)
        return status;
    if (!itemsInsideFile(layout, file.size()))
        return CORVANE_E_DAMAGED;
    return loadMetadataItems(file, layout);
}

}
