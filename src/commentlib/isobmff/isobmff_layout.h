// A HEIF or AVIF file's layout: top-level boxes (ftyp first, then meta and mdat in any order), and in the meta
// box the handler, the primary item, the item tables and the idat box. The caption lives in two kinds of
// metadata item describing the primary item: "Exif" (a 4-byte offset to the TIFF header, then the block) and
// a "mime" item of type application/rdf+xml (an XMP packet).
#pragma once

#include "commentlib/file_io/source_file.h"
#include "commentlib/isobmff/isobmff_items.h"

namespace corvane::isobmff {

enum class MetadataKind { Exif, Xmp };

struct MetadataItem {
    uint32_t id = 0;
    Bytes data;           // its bytes, extents joined
    bool readable = true; // false where they are in another item or another file
};

struct Layout {
    std::vector<Box> topLevel;
    Box meta;
    std::vector<Box> metaChildren;
    uint32_t primary = 0;
    ItemInfoTable itemInfo;
    LocationTable locations;
    bool wideReferenceIds = false; // iref version 1
    std::vector<ItemReference> references;
    std::optional<Box> idat;
    // The metadata items that describe the primary item, or no item at all, in file order.
    std::vector<MetadataItem> exif;
    std::vector<MetadataItem> xmp;

    const Box* metaChild(std::string_view type) const;
};

inline constexpr std::string_view kXmpContentType = "application/rdf+xml";

// True when the file starts with an ftyp box naming an image brand of HEIF or AVIF.
bool looksLike(ByteView first);

// Walks the top-level boxes reading only their headers, then the meta box and the metadata items' bytes.
// CORVANE_E_DAMAGED when a box or an item table runs past what holds it, a needed box is missing or
// repeated, the primary item is not listed, or an item's bytes lie outside the file;
// CORVANE_E_UNSUPPORTED for several meta boxes or a meta box that does not describe a picture.
int32_t parseLayout(SourceFile& file, Layout& layout);

}
