// Parsing and writing the item tables. A field width other than 0, 4 or 8 bytes, an entry that runs past its
// box, or an iloc version or construction method not known is taken for damage: no reader could find the items.
#include "commentlib/isobmff/isobmff_items.h"

#include <algorithm>

namespace corvane::isobmff {

namespace {

bool knownWidth(unsigned bytes)
{
    return bytes == 0 || bytes == 4 || bytes == 8;
}

std::optional<ItemInfo> parseEntry(ByteView data, const Box& infe)
{
    FieldReader fields(data, infe.payload(), infe.end());
    const auto version = fields.uint(1);
    fields.uint(3);
    ItemInfo info;
    if (version < 2) {
        info.id = uint32_t(fields.uint(2));
        return fields.failed() ? std::nullopt : std::optional<ItemInfo>(info);
    }
    info.id = uint32_t(fields.uint(version == 2 ? 2 : 4));
    fields.uint(2);
    info.type = asText(data.subspan(fields.at(), std::min<uint64_t>(4, infe.end() - fields.at())));
    fields.uint(4);
    fields.text();
    if (info.type == "mime")
        info.contentType = fields.text();
    return fields.failed() ? std::nullopt : std::optional<ItemInfo>(info);
}

bool parseLocation(FieldReader& fields, const LocationTable& table, ItemLocation& item)
{
    item.id = uint32_t(fields.uint(table.idSize()));
    if (table.version > 0)
        item.constructionField = uint16_t(fields.uint(2));
    item.dataReference = uint16_t(fields.uint(2));
    item.baseOffset = fields.uint(table.baseOffsetSize());
    const uint64_t count = fields.uint(2);
    for (uint64_t i = 0; i < count && !fields.failed(); ++i) {
        Extent extent;
        extent.index = fields.uint(table.indexSize());
        extent.offset = fields.uint(table.offsetSize());
        extent.length = fields.uint(table.lengthSize());
        item.extents.push_back(extent);
    }
    return !fields.failed() && item.construction() <= Construction::Item;
}

}

const ItemLocation* LocationTable::find(uint32_t id) const
{
    const auto found =
        std::find_if(items.begin(), items.end(), [&](const ItemLocation& item) { return item.id == id; });
    return found == items.end() ? nullptr : &*found;
}

std::optional<ItemInfoTable> parseItemInfo(ByteView data, const Box& iinf)
{
    FieldReader fields(data, iinf.payload(), iinf.end());
    ItemInfoTable table;
    table.version = uint8_t(fields.uint(1));
    fields.uint(3);
    const uint64_t count = fields.uint(table.version == 0 ? 2 : 4);
    if (fields.failed())
        return std::nullopt;
    const auto entries = readChildBoxes(data, fields.at(), iinf.end());
    if (!entries || entries->size() != count)
        return std::nullopt;
    for (const Box& entry : *entries) {
        const auto info = entry.type == "infe" ? parseEntry(data, entry) : std::nullopt;
        if (!info)
            return std::nullopt;
        table.items.push_back(*info);
    }
    return table;
}

std::optional<LocationTable> parseLocations(ByteView data, const Box& iloc)
{
    FieldReader fields(data, iloc.payload(), iloc.end());
    LocationTable table;
    table.version = uint8_t(fields.uint(1));
    table.flags = uint32_t(fields.uint(3));
    table.sizes[0] = uint8_t(fields.uint(1));
    table.sizes[1] = uint8_t(fields.uint(1));
    if (table.version > 2 || !knownWidth(table.offsetSize()) || !knownWidth(table.lengthSize()) ||
        !knownWidth(table.baseOffsetSize()) || !knownWidth(table.indexSize()))
        return std::nullopt;
    const uint64_t count = fields.uint(table.version < 2 ? 2 : 4);
    for (uint64_t i = 0; i < count && !fields.failed(); ++i) {
        ItemLocation item;
        if (!parseLocation(fields, table, item))
            return std::nullopt;
        table.items.push_back(std::move(item));
    }
    if (fields.failed())
        return std::nullopt;
    return table;
}

std::optional<std::vector<ItemReference>> parseReferences(ByteView data, const Box& iref)
{
    FieldReader header(data, iref.payload(), iref.end());
    const unsigned idSize = header.uint(1) == 0 ? 2 : 4;
    header.uint(3);
    const auto boxes = header.failed() ? std::nullopt : readChildBoxes(data, header.at(), iref.end());
    if (!boxes)
        return std::nullopt;
    std::vector<ItemReference> references;
    for (const Box& box : *boxes) {
        FieldReader fields(data, box.payload(), box.end());
        ItemReference reference{box.type, uint32_t(fields.uint(idSize)), {}};
        const uint64_t count = fields.uint(2);
        for (uint64_t i = 0; i < count && !fields.failed(); ++i)
            reference.to.push_back(uint32_t(fields.uint(idSize)));
        if (fields.failed())
            return std::nullopt;
        references.push_back(std::move(reference));
    }
    return references;
}

std::optional<uint32_t> parsePrimary(ByteView data, const Box& pitm)
{
    FieldReader fields(data, pitm.payload(), pitm.end());
    const unsigned idSize = fields.uint(1) == 0 ? 2 : 4;
    fields.uint(3);
    const auto id = uint32_t(fields.uint(idSize));
    return fields.failed() ? std::nullopt : std::optional<uint32_t>(id);
}

Bytes locationPayload(const LocationTable& table)
{
    Bytes out;
    appendUint(out, table.version, 1);
    appendUint(out, table.flags, 3);
    out.insert(out.end(), {table.sizes[0], table.sizes[1]});
    appendUint(out, table.items.size(), table.version < 2 ? 2 : 4);
    for (const ItemLocation& item : table.items) {
        appendUint(out, item.id, table.idSize());
        if (table.version > 0)
            appendUint(out, item.constructionField, 2);
        appendUint(out, item.dataReference, 2);
        appendUint(out, item.baseOffset, table.baseOffsetSize());
        appendUint(out, item.extents.size(), 2);
        for (const Extent& extent : item.extents) {
            appendUint(out, extent.index, table.indexSize());
            appendUint(out, extent.offset, table.offsetSize());
            appendUint(out, extent.length, table.lengthSize());
        }
    }
    return out;
}

Bytes itemInfoEntry(uint32_t id, std::string_view type, std::string_view contentType)
{
    constexpr uint32_t kHidden = 1;
    const bool wideId = !fitsWidth(id, 2);
    Bytes payload;
    appendUint(payload, wideId ? 3 : 2, 1);
    appendUint(payload, kHidden, 3);
    appendUint(payload, id, wideId ? 4 : 2);
    appendUint(payload, 0, 2);
    appendText(payload, type);
    payload.push_back(0);
    if (!contentType.empty()) {
        appendText(payload, contentType);
        payload.push_back(0);
    }
    return boxOf("infe", payload);
}

Bytes describesReference(uint32_t from, uint32_t to, bool wideIds)
{
    Bytes payload;
    appendUint(payload, from, wideIds ? 4 : 2);
    appendUint(payload, 1, 2);
    appendUint(payload, to, wideIds ? 4 : 2);
    return boxOf("cdsc", payload);
}

}
