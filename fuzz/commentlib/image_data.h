// The bytes of a picture that an edit of its comment must keep as they are, found in each container the way
// its own readers find them: a JPEG's image data (comment segments inside it aside), a PNG's critical chunks,
// a GIF's blocks other than its comments, a TIFF's first picture's strips or tiles, a BMP's bitmap, a WebP's
// chunks other than its header and metadata, a HEIF's item properties and the bytes of its items other than
// Exif and XMP, a JPEG XL's codestream and boxes other than its metadata.
#pragma once

#include "commentlib/bmp/bmp_layout.h"
#include "commentlib/container.h"
#include "commentlib/gif/gif_layout.h"
#include "commentlib/isobmff/isobmff_items.h"
#include "commentlib/jpeg/jpeg_layout.h"
#include "commentlib/png/png_layout.h"
#include "commentlib/tiff/tiff_layout.h"

#include <optional>

namespace corvane::fuzzing {

inline void appendRange(Bytes& out, ByteView file, uint64_t offset, uint64_t length)
{
    out.insert(out.end(), file.begin() + offset, file.begin() + offset + length);
}

// Everything of `file` from `from` on, except the ranges in `skipped` (in file order, not overlapping).
inline Bytes withoutRanges(ByteView file, uint64_t from, const std::vector<SourceRange>& skipped)
{
    Bytes kept;
    for (const SourceRange& range : skipped) {
        if (range.offset < from)
            continue;
        appendRange(kept, file, from, range.offset - from);
        from = range.offset + range.length;
    }
    appendRange(kept, file, from, file.size() - from);
    return kept;
}

inline std::optional<Bytes> jpegImageData(ByteView file)
{
    const jpeg::Header header = jpeg::parseHeader(file, file.size());
    const std::optional<jpeg::Layout> layout = jpeg::parseLayout(file);
    if (header.status != jpeg::Header::Status::Complete || !layout)
        return std::nullopt;
    std::vector<SourceRange> comments;
    for (const jpeg::CommentSegment& comment : layout->comments)
        comments.push_back(comment.whole);
    return withoutRanges(file, header.scanStart, comments);
}

inline std::optional<Bytes> pngImageData(ByteView file)
{
    if (!png::parseLayout(file))
        return std::nullopt;
    Bytes critical;
    for (uint64_t offset = png::kSignature.size(); fits(file.size(), offset, 12);) {
        const uint64_t length = uint64_t(*readU32(file, offset, Endian::Big)) + 12;
        if (!fits(file.size(), offset, length))
            break;
        // A chunk type whose first letter is upper case is critical: a reader cannot show the picture without it.
        if (file[offset + 4] >= 'A' && file[offset + 4] <= 'Z')
            appendRange(critical, file, offset, length);
        offset += length;
    }
    return critical;
}

inline std::optional<Bytes> gifImageData(ByteView file)
{
    const std::optional<gif::Layout> layout = gif::parseLayout(file);
    if (!layout)
        return std::nullopt;
    std::vector<SourceRange> comments;
    for (const gif::CommentExtension& comment : layout->comments)
        comments.push_back(comment.whole);
    // The version may move to 89a, which comment extensions need.
    Bytes kept = withoutRanges(file, 0, comments);
    std::fill_n(kept.begin() + gif::kVersionOffset, 3, 0);
    return kept;
}

inline std::optional<uint32_t> tiffArrayValue(ByteView file, const tiff::Entry& entry, uint32_t index, Endian endian)
{
    constexpr uint16_t kShort = 3;
    constexpr uint16_t kLong = 4;
    if (entry.type == kShort)
        return readU16(file, entry.value.offset + uint64_t(index) * 2, endian);
    if (entry.type == kLong)
        return readU32(file, entry.value.offset + uint64_t(index) * 4, endian);
    return std::nullopt;
}

inline const tiff::Entry* tiffEntry(const tiff::Layout& layout, uint16_t tag)
{
    for (const tiff::Entry& entry : layout.firstIfdEntries)
        if (entry.tag == tag)
            return &entry;
    return nullptr;
}

inline std::optional<Bytes> tiffImageData(ByteView file)
{
    const std::optional<tiff::Layout> layout = tiff::parseLayout(file);
    if (!layout)
        return std::nullopt;
    Bytes pixels;
    // StripOffsets and StripByteCounts, then TileOffsets and TileByteCounts.
    for (const auto& [offsetsTag, countsTag] : {std::pair<uint16_t, uint16_t>{273, 279}, {324, 325}}) {
        const tiff::Entry* offsets = tiffEntry(*layout, offsetsTag);
        const tiff::Entry* counts = tiffEntry(*layout, countsTag);
        if (!offsets || !counts)
            continue;
        for (uint32_t i = 0; i < offsets->count && i < counts->count; ++i) {
            const auto start = tiffArrayValue(file, *offsets, i, layout->endian);
            const auto length = tiffArrayValue(file, *counts, i, layout->endian);
            if (start && length && fits(file.size(), *start, *length))
                appendRange(pixels, file, *start, *length);
        }
    }
    return pixels;
}

inline std::optional<Bytes> bmpImageData(ByteView file)
{
    const std::optional<bmp::Layout> layout = bmp::parseLayout(file);
    if (!layout || !fits(file.size(), 0, layout->bitmapEnd))
        return std::nullopt;
    Bytes bitmap;
    appendRange(bitmap, file, 0, layout->bitmapEnd);
    // The declared size counts our trailer.
    if (bitmap.size() >= bmp::kDeclaredSizeOffset + 4)
        std::fill_n(bitmap.begin() + bmp::kDeclaredSizeOffset, 4, 0);
    return bitmap;
}

// Every chunk but VP8X and the metadata chunks, walked as a decoder walks them.
inline std::optional<Bytes> webpImageData(ByteView file)
{
    const auto riffSize = readU32(file, 4, Endian::Little);
    if (!riffSize || !fits(file.size(), 0, 8 + uint64_t(*riffSize)))
        return std::nullopt;
    Bytes kept;
    for (uint64_t at = 12; at + 8 <= 8 + uint64_t(*riffSize);) {
        const uint64_t size = *readU32(file, at + 4, Endian::Little);
        const uint64_t end = at + 8 + size + (size & 1);
        if (!fits(file.size(), at, end - at))
            return std::nullopt;
        const ByteView name = file.subspan(at, 4);
        if (!startsWith(name, "VP8X") && !startsWith(name, "EXIF") && !startsWith(name, "XMP "))
            appendRange(kept, file, at, end - at);
        at = end;
    }
    return kept;
}

inline const isobmff::Box* heifChild(const std::vector<isobmff::Box>& boxes, std::string_view type)
{
    for (const isobmff::Box& box : boxes)
        if (box.type == type)
            return &box;
    return nullptr;
}

inline bool heifMetadataItem(const isobmff::ItemInfoTable& info, uint32_t id)
{
    for (const isobmff::ItemInfo& item : info.items)
        if (item.id == id)
            return item.type == "Exif" || item.type == "mime";
    return false;
}

// The item properties, then each picture item's extents, as a reader finds them through iloc.
inline std::optional<Bytes> heifImageData(ByteView file)
{
    const auto top = isobmff::readBoxes(file, 0, file.size());
    const isobmff::Box* meta = top ? heifChild(*top, "meta") : nullptr;
    const auto children = meta && meta->payloadSize() >= 4
                              ? isobmff::readChildBoxes(file, meta->payload() + 4, meta->end())
                              : std::nullopt;
    const isobmff::Box* iinf = children ? heifChild(*children, "iinf") : nullptr;
    const isobmff::Box* iloc = children ? heifChild(*children, "iloc") : nullptr;
    const isobmff::Box* iprp = children ? heifChild(*children, "iprp") : nullptr;
    const auto info = iinf ? isobmff::parseItemInfo(file, *iinf) : std::nullopt;
    const auto locations = iloc ? isobmff::parseLocations(file, *iloc) : std::nullopt;
    if (!info || !locations)
        return std::nullopt;
    Bytes kept;
    if (iprp)
        appendRange(kept, file, iprp->offset, iprp->size);
    for (const isobmff::ItemLocation& item : locations->items) {
        if (item.construction() != isobmff::Construction::File || item.dataReference != 0 ||
            heifMetadataItem(*info, item.id))
            continue;
        for (const isobmff::Extent& extent : item.extents) {
            const uint64_t start = item.baseOffset + extent.offset;
            if (start >= item.baseOffset && fits(file.size(), start, extent.length))
                appendRange(kept, file, start, extent.length == 0 ? file.size() - start : extent.length);
        }
    }
    return kept;
}

// A JPEG XL's codestream (the whole of a bare one, which a caption puts in a box) and every box but the file
// type and the metadata, walked as a decoder walks them.
inline std::optional<Bytes> jxlImageData(ByteView file)
{
    if (startsWith(file, "\xFF\x0A"))
        return Bytes(file.begin(), file.end());
    Bytes kept;
    for (uint64_t at = 12; at < file.size();) {
        const auto size = readU32(file, at, Endian::Big);
        if (!size || !fits(file.size(), at, 8) || (*size == 1 && !fits(file.size(), at, 16)))
            return std::nullopt;
        uint64_t header = 8, length = *size;
        if (*size == 1) {
            header = 16;
            length = uint64_t(*readU32(file, at + 8, Endian::Big)) << 32 | *readU32(file, at + 12, Endian::Big);
        } else if (*size == 0) {
            length = file.size() - at;
        }
        if (length < header || !fits(file.size(), at, length))
            return std::nullopt;
        const ByteView type = file.subspan(at + 4, 4);
        if (startsWith(type, "jxlc"))
            appendRange(kept, file, at + header, length - header);
        else if (!startsWith(type, "ftyp") && !startsWith(type, "Exif") && !startsWith(type, "xml ") &&
                 !startsWith(type, "brob"))
            appendRange(kept, file, at, length);
        at += length;
    }
    return kept;
}

// Nothing when the file does not parse as the container it claims to be.
inline std::optional<Bytes> imageData(ByteView file)
{
    switch (detectContainer(file)) {
    case Container::Jpeg:
        return jpegImageData(file);
    case Container::Png:
        return pngImageData(file);
    case Container::Gif:
        return gifImageData(file);
    case Container::Tiff:
        return tiffImageData(file);
    case Container::Bmp:
        return bmpImageData(file);
    case Container::Webp:
        return webpImageData(file);
    case Container::Heif:
        return heifImageData(file);
    case Container::Jxl:
        return jxlImageData(file);
    case Container::Unknown:
        break;
    }
    return std::nullopt;
}

}
