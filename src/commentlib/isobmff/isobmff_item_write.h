// Writing metadata items' new payloads. They go into a new mdat box at the end of the file, so no byte of the
// picture moves; an existing item's iloc entry is pointed at its new bytes and its old ones are blanked where
// no other item uses them. An item the file lacks gets an infe entry, an iloc entry and a cdsc reference to
// the primary item; the meta box grows by those, and every file offset in iloc that points past it moves by
// as much.
#pragma once

#include "commentlib/isobmff/isobmff_layout.h"
#include "commentlib/replacement_list.h"

namespace corvane::isobmff {

struct ItemWrite {
    std::optional<uint32_t> id; // none for an item to add
    MetadataKind kind = MetadataKind::Exif;
    Bytes payload;
};

// CORVANE_E_UNSUPPORTED, with nothing planned, where an existing item is not one extent in this file, an
// offset or length does not fit its iloc field, a new item id does not fit the tables, or a grown meta box
// would move bytes that boxes other than iloc locate (a track's sample tables, for instance).
// `file` holds the meta box parseLayout read.
int32_t planItemWrites(const Layout& layout, ByteView file, uint64_t fileSize, std::vector<ItemWrite> writes,
                       std::vector<Replacement>& edits);

}
