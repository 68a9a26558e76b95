// The meta box is written anew with its iinf, iloc and iref boxes rebuilt (iinf's entries and iref's references
// kept byte for byte, new ones after them, iloc from its parsed fields at their own widths) and its other
// children copied.
#include "commentlib/isobmff/isobmff_item_write.h"

#include "commentlib/corvane.h"

#include <algorithm>
#include <array>

namespace corvane::isobmff {

namespace {

// Top-level boxes whose contents hold no file offsets: the only ones that may move when the meta box grows.
constexpr std::array<std::string_view, 5> kMovableBoxes{"ftyp", "meta", "mdat", "free", "skip"};

struct Additions {
    Bytes itemInfo;   // new infe boxes
    Bytes references; // new cdsc boxes
    uint32_t count = 0;
};

ByteView boxBytes(ByteView file, const Box& box, uint64_t from)
{
    return file.subspan(box.payload() + from, box.payloadSize() - from);
}

Bytes rebuiltItemInfo(ByteView file, const Layout& layout, const Box& iinf, const Additions& added)
{
    const unsigned countSize = layout.itemInfo.version == 0 ? 2 : 4;
    Bytes payload(file.begin() + ptrdiff_t(iinf.payload()), file.begin() + ptrdiff_t(iinf.payload() + 4));
    appendUint(payload, layout.itemInfo.items.size() + added.count, countSize);
    const ByteView entries = boxBytes(file, iinf, 4 + countSize);
    payload.insert(payload.end(), entries.begin(), entries.end());
    payload.insert(payload.end(), added.itemInfo.begin(), added.itemInfo.end());
    return boxOf("iinf", payload, iinf.headerSize == 16);
}

Bytes rebuiltReferences(ByteView file, const Layout& layout, const Additions& added)
{
    const Box* iref = layout.metaChild("iref");
    Bytes payload;
    if (iref) {
        const ByteView old = boxBytes(file, *iref, 0);
        payload.assign(old.begin(), old.end());
    } else {
        appendUint(payload, layout.wideReferenceIds ? 1 : 0, 4);
    }
    payload.insert(payload.end(), added.references.begin(), added.references.end());
    return boxOf("iref", payload, iref && iref->headerSize == 16);
}

Bytes rebuiltMeta(ByteView file, const Layout& layout, const LocationTable& locations, const Additions& added)
{
    Bytes payload(file.begin() + ptrdiff_t(layout.meta.payload()), file.begin() + ptrdiff_t(layout.meta.payload() + 4));
    const auto append = [&](const Bytes& box) { payload.insert(payload.end(), box.begin(), box.end()); };
    for (const Box& child : layout.metaChildren) {
        if (child.type == "iinf")
            append(rebuiltItemInfo(file, layout, child, added));
        else if (child.type == "iloc")
            append(boxOf("iloc", locationPayload(locations), child.headerSize == 16));
        else if (child.type == "iref")
            append(rebuiltReferences(file, layout, added));
        else
            appendBytes(payload, file.data() + child.offset, child.size);
    }
    if (!layout.metaChild("iref") && added.count > 0)
        append(rebuiltReferences(file, layout, added));
    return boxOf("meta", payload, layout.meta.headerSize == 16);
}

uint32_t nextItemId(const Layout& layout)
{
    uint32_t highest = 0;
    for (const ItemInfo& item : layout.itemInfo.items)
        highest = std::max(highest, item.id);
    for (const ItemLocation& item : layout.locations.items)
        highest = std::max(highest, item.id);
    return highest + 1;
}

// The infe, iloc entry and cdsc reference of each item to add; false when an id does not fit the tables.
bool addItems(const Layout& layout, std::vector<ItemWrite>& writes, LocationTable& locations, Additions& added)
{
    uint32_t id = nextItemId(layout);
    for (ItemWrite& write : writes) {
        if (write.id)
            continue;
        const bool narrowTables = layout.locations.version < 2 || layout.itemInfo.version == 0;
        if (id == 0 || (narrowTables && !fitsWidth(id, 2)) || (!layout.wideReferenceIds && !fitsWidth(id, 2)))
            return false;
        write.id = id;
        const bool xmp = write.kind == MetadataKind::Xmp;
        const Bytes entry = itemInfoEntry(id, xmp ? "mime" : "Exif", xmp ? kXmpContentType : "");
        added.itemInfo.insert(added.itemInfo.end(), entry.begin(), entry.end());
        const Bytes reference = describesReference(id, layout.primary, layout.wideReferenceIds);
        added.references.insert(added.references.end(), reference.begin(), reference.end());
        locations.items.push_back({id, 0, 0, 0, {Extent{}}});
        ++added.count;
        ++id;
    }
    return true;
}

bool countsFit(const Layout& layout, const LocationTable& locations, const Additions& added)
{
    const uint64_t entries = layout.itemInfo.items.size() + added.count;
    return fitsWidth(entries, layout.itemInfo.version == 0 ? 2 : 4) &&
           fitsWidth(locations.items.size(), locations.version < 2 ? 2 : 4);
}

bool rewritten(const std::vector<ItemWrite>& writes, uint32_t id)
{
    return std::any_of(writes.begin(), writes.end(), [&](const ItemWrite& write) { return write.id == id; });
}

bool inThisFile(const ItemLocation& item)
{
    return item.construction() == Construction::File && item.dataReference == 0;
}

// Moves an item located after the meta box by `growth`: through its base offset where it has one, otherwise
// through each extent's offset. False where the item straddles or lies inside the meta box, or a moved offset
// does not fit its field.
bool shifted(ItemLocation& item, const LocationTable& table, const Box& meta, uint64_t growth)
{
    size_t after = 0;
    for (const Extent& extent : item.extents) {
        const uint64_t start = item.baseOffset + extent.offset;
        if (start < item.baseOffset || (start >= meta.offset && start < meta.end()))
            return false;
        after += start >= meta.end() ? 1 : 0;
    }
    if (after == 0)
        return true;
    if (item.baseOffset != 0) {
        item.baseOffset += growth;
        return after == item.extents.size() && fitsWidth(item.baseOffset, table.baseOffsetSize());
    }
    for (Extent& extent : item.extents) {
        if (extent.offset >= meta.end())
            extent.offset += growth;
        if (!fitsWidth(extent.offset, table.offsetSize()))
            return false;
    }
    return true;
}

// An extent of length 0 runs to the end of the file: it is given its length, so the new box stays out of it.
bool closedAtFileEnd(ItemLocation& item, const LocationTable& table, uint64_t fileSize)
{
    for (Extent& extent : item.extents) {
        const uint64_t start = item.baseOffset + extent.offset;
        if (extent.length != 0)
            continue;
        if (start < item.baseOffset || start >= fileSize || table.lengthSize() == 0)
            return false;
        extent.length = fileSize - start;
        if (!fitsWidth(extent.length, table.lengthSize()))
            return false;
    }
    return true;
}

bool shiftedAll(const Layout& layout, const std::vector<ItemWrite>& writes, LocationTable& locations, uint64_t fileSize,
                uint64_t growth)
{
    for (ItemLocation& item : locations.items)
        if (inThisFile(item) && !rewritten(writes, item.id) && !closedAtFileEnd(item, locations, fileSize))
            return false;
    if (growth == 0)
        return true;
    for (const Box& box : layout.topLevel)
        if (std::find(kMovableBoxes.begin(), kMovableBoxes.end(), box.type) == kMovableBoxes.end())
            return false;
    for (ItemLocation& item : locations.items)
        if (inThisFile(item) && !rewritten(writes, item.id) && !shifted(item, locations, layout.meta, growth))
            return false;
    return true;
}

// Points a file-held item at `length` bytes at `position`; false where its fields cannot say so.
bool placed(ItemLocation& item, const LocationTable& table, uint64_t position, uint64_t length)
{
    if (table.lengthSize() == 0 || !fitsWidth(length, table.lengthSize()) || length == 0)
        return false;
    Extent extent{item.extents.front().index, 0, length};
    if (table.offsetSize() > 0 && position >= item.baseOffset) {
        extent.offset = position - item.baseOffset;
        if (!fitsWidth(extent.offset, table.offsetSize()))
            return false;
    } else if (table.baseOffsetSize() > 0 && fitsWidth(position, table.baseOffsetSize())) {
        item.baseOffset = position;
    } else {
        return false;
    }
    item.extents = {extent};
    return true;
}

ItemLocation* locationOf(LocationTable& table, uint32_t id)
{
    return const_cast<ItemLocation*>(table.find(id));
}

bool placedAll(const std::vector<ItemWrite>& writes, LocationTable& locations, uint64_t firstPayload)
{
    uint64_t position = firstPayload;
    for (const ItemWrite& write : writes) {
        ItemLocation* item = locationOf(locations, *write.id);
        if (!item || !inThisFile(*item) || item->extents.size() != 1 ||
            !placed(*item, locations, position, write.payload.size()))
            return false;
        position += write.payload.size();
    }
    return true;
}

bool overlaps(uint64_t start, uint64_t length, uint64_t otherStart, uint64_t otherLength)
{
    return start < otherStart + otherLength && otherStart < start + length;
}

// The old bytes of rewritten items, blanked where they lie inside an mdat box and no other item shares them.
void blankOldPayloads(const Layout& layout, const std::vector<ItemWrite>& writes, std::vector<Replacement>& edits)
{
    for (const ItemWrite& write : writes) {
        const ItemLocation* item = layout.locations.find(*write.id);
        if (!item)
            continue;
        const uint64_t start = item->baseOffset + item->extents.front().offset;
        const uint64_t length = item->extents.front().length;
        if (start < item->baseOffset)
            continue;
        const bool inMdat = std::any_of(layout.topLevel.begin(), layout.topLevel.end(), [&](const Box& box) {
            return box.type == "mdat" && start >= box.payload() && length > 0 && length <= box.end() - start;
        });
        const bool shared =
            std::any_of(layout.locations.items.begin(), layout.locations.items.end(), [&](const ItemLocation& other) {
                return other.id != item->id && inThisFile(other) &&
                       std::any_of(other.extents.begin(), other.extents.end(), [&](const Extent& extent) {
                           return overlaps(start, length, other.baseOffset + extent.offset,
                                           std::max<uint64_t>(extent.length, 1));
                       });
            });
        if (inMdat && !shared)
            edits.push_back({start, length, Bytes(length, 0)});
    }
}

// The last top-level box may run to the end of the file: it gets its size, so the new box stays out of it.
bool closeLastBox(const Layout& layout, std::vector<Replacement>& edits)
{
    const Box& last = layout.topLevel.back();
    if (!last.toEnd || last.type == "meta")
        return true;
    if (!fitsWidth(last.size, 4))
        return false;
    Bytes size;
    appendUint(size, last.size, 4);
    edits.push_back({last.offset, 4, size});
    return true;
}

}

int32_t planItemWrites(const Layout& layout, ByteView file, uint64_t fileSize, std::vector<ItemWrite> writes,
                       std::vector<Replacement>& edits)
{
    LocationTable locations = layout.locations;
    Additions added;
    if (!addItems(layout, writes, locations, added) || !countsFit(layout, locations, added))
        return CORVANE_E_UNSUPPORTED;
    const uint64_t growth = rebuiltMeta(file, layout, locations, added).size() - layout.meta.size;
    Bytes payloads;
    for (const ItemWrite& write : writes)
        payloads.insert(payloads.end(), write.payload.begin(), write.payload.end());
    Bytes mdat = boxOf("mdat", payloads);
    const uint64_t firstPayload = fileSize + growth + (mdat.size() - payloads.size());
    if (!shiftedAll(layout, writes, locations, fileSize, growth) || !placedAll(writes, locations, firstPayload) ||
        !closeLastBox(layout, edits))
        return CORVANE_E_UNSUPPORTED;
    edits.push_back({layout.meta.offset, layout.meta.size, rebuiltMeta(file, layout, locations, added)});
    edits.push_back({fileSize, 0, std::move(mdat)});
    blankOldPayloads(layout, writes, edits);
    return CORVANE_OK;
}

}
