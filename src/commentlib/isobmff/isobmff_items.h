// The item tables of a file's meta box: what each item is (iinf, its infe entries), where its bytes are
// (iloc: extents in the file, in the meta box's idat, or in another item) and how items refer to each other
// (iref; a cdsc reference says an item describes another). iloc is read into fields that can be written back
// byte for byte, so an edit changes only the values it means to.
#pragma once

#include "commentlib/isobmff/isobmff_boxes.h"

namespace corvane::isobmff {

struct ItemInfo {
    uint32_t id = 0;
    std::string_view type;        // the four letters of infe versions 2 and 3; empty for older entries
    std::string_view contentType; // of a "mime" item
};

struct ItemInfoTable {
    uint8_t version = 0; // 0: a 16-bit entry count
    std::vector<ItemInfo> items;
};

struct Extent {
    uint64_t index = 0;
    uint64_t offset = 0;
    uint64_t length = 0; // 0: to the end of what holds it
};

enum class Construction : uint8_t { File = 0, Idat = 1, Item = 2 };

struct ItemLocation {
    uint32_t id = 0;
    uint16_t constructionField = 0; // its reserved bits kept as they were
    uint16_t dataReference = 0;     // 0: this file
    uint64_t baseOffset = 0;
    std::vector<Extent> extents;

    Construction construction() const { return Construction(constructionField & 0x0F); }
};

struct LocationTable {
    uint8_t version = 0;
    uint32_t flags = 0;
    uint8_t sizes[2] = {}; // offset and length widths, then base offset and index widths (v0: reserved)
    std::vector<ItemLocation> items;

    unsigned offsetSize() const { return sizes[0] >> 4; }
    unsigned lengthSize() const { return sizes[0] & 0x0F; }
    unsigned baseOffsetSize() const { return sizes[1] >> 4; }
    unsigned indexSize() const { return version == 0 ? 0 : sizes[1] & 0x0F; }
    unsigned idSize() const { return version < 2 ? 2 : 4; }
    const ItemLocation* find(uint32_t id) const;
};

struct ItemReference {
    std::string_view type;
    uint32_t from = 0;
    std::vector<uint32_t> to;
};

std::optional<ItemInfoTable> parseItemInfo(ByteView data, const Box& iinf);
std::optional<LocationTable> parseLocations(ByteView data, const Box& iloc);
std::optional<std::vector<ItemReference>> parseReferences(ByteView data, const Box& iref);
// The item id pitm names.
std::optional<uint32_t> parsePrimary(ByteView data, const Box& pitm);

// The iloc payload (version and flags first) of `table`.
Bytes locationPayload(const LocationTable& table);
// A new infe box of a hidden item; `contentType` is written for a "mime" item.
Bytes itemInfoEntry(uint32_t id, std::string_view type, std::string_view contentType);
// A single cdsc reference box from `from` to `to`, ids of 16 bits (iref version 0) or 32.
Bytes describesReference(uint32_t from, uint32_t to, bool wideIds);

}
