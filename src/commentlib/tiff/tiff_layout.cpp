// Walks the IFD chain and the directories tags point at, collecting every range an offset refers to so an edit keeps
// clear of it. A TIFF file must hold all of that within its bytes; an EXIF block is read leniently, noting what lies
// outside.
#include "commentlib/tiff/tiff_layout.h"

#include <algorithm>
#include <unordered_set>

namespace corvane::tiff {

namespace {

constexpr size_t kMaxDirectories = 4096;
constexpr size_t kMaxSubDirectoryDepth = 4;
constexpr uint16_t kStripOffsets = 273, kStripByteCounts = 279, kTileOffsets = 324, kTileByteCounts = 325;
constexpr uint16_t kThumbnailOffset = 513, kThumbnailLength = 514;
constexpr uint16_t kShort = 3, kLong = 4, kIfd = 13;
constexpr uint64_t kHeaderSize = 8;

// Nothing a well-formed file refers to overlaps the header, whose directory offset every edit rewrites.
bool clearOfHeader(uint64_t offset, uint64_t length)
{
    return length == 0 || offset >= kHeaderSize;
}

uint64_t typeSize(uint16_t type)
{
    switch (type) {
    case 1:
    case 2:
    case 6:
    case 7:
        return 1;
    case 3:
    case 8:
        return 2;
    case 4:
    case 9:
    case 11:
    case 13:
        return 4;
    case 5:
    case 10:
    case 12:
    case 16:
    case 17:
    case 18:
        return 8;
    default:
        return 0; // unknown types are carried along untouched, never interpreted
    }
}

// Tags whose value is the offset of another directory (sub-images, Exif, GPS, interoperability).
bool isDirectoryPointer(uint16_t tag)
{
    return tag == 330 || tag == 34665 || tag == 34853 || tag == 40965;
}

bool overlaps(const SourceRange& a, const SourceRange& b)
{
    return a.offset < b.offset + b.length && b.offset < a.offset + a.length;
}

// How strictly the directory chain is checked.
enum class Strictness {
    Whole,    // a TIFF file: every directory and value must lie inside it, or the file counts as damaged
    Tolerant, // an EXIF block: what lies outside is noted as referred to and the walk goes on where it can
};

class Parser {
public:
    Parser(ByteView file, const HeldRanges* held, Strictness strictness)
        : file_(file), held_(held), tolerant_(strictness == Strictness::Tolerant)
    {
    }

    std::optional<SourceRange> missing() const { return missing_; }

    std::optional<Layout> run()
    {
        if (startsWith(file_, {"II*\0", 4}))
            layout_.endian = Endian::Little;
        else if (startsWith(file_, {"MM\0*", 4}))
            layout_.endian = Endian::Big;
        else
            return std::nullopt;
        const auto first = u32(4);
        if (!first)
            return std::nullopt;
        layout_.firstIfd = *first;
        return walkChain() ? std::optional(layout_) : std::nullopt;
    }

private:
    // False for a range outside the file, or one not in memory (noted as missing).
    bool available(uint64_t offset, uint64_t length)
    {
        if (!held_ || !fits(file_.size(), offset, length) || (*held_)(offset, length))
            return true;
        missing_ = SourceRange{offset, length};
        return false;
    }

    std::optional<uint16_t> u16(uint64_t offset)
    {
        return available(offset, 2) ? readU16(file_, offset, layout_.endian) : std::nullopt;
    }
    std::optional<uint32_t> u32(uint64_t offset)
    {
        return available(offset, 4) ? readU32(file_, offset, layout_.endian) : std::nullopt;
    }

    bool walkChain()
    {
        std::unordered_set<uint64_t> visited;
        uint64_t offset = layout_.firstIfd;
        while (offset != 0) {
            if (!visited.insert(offset).second || visited.size() > kMaxDirectories)
                return false;
            const auto next = readDirectory(offset, visited.size() == 1);
            if (!next && tolerant_ && visited.size() > 1) {
                layout_.referenced.push_back({offset, 2});
                return true;
            }
            if (!next)
                return false;
            offset = *next;
        }
        return !visited.empty();
    }

    // A value outside the file fails the entry unless `acceptOutside`, when it is kept as the entry says.
    std::optional<Entry> readEntry(uint64_t offset, bool acceptOutside)
    {
        const auto tag = u16(offset), type = u16(offset + 2);
        const auto count = u32(offset + 4);
        if (!tag || !type || !count)
            return std::nullopt;
        Entry entry{*tag, *type, *count, offset, {offset + 8, 4}, std::nullopt};
        const uint64_t size = typeSize(*type) * *count;
        if (size > 4) {
            const auto valueOffset = u32(offset + 8);
            if (!valueOffset)
                return std::nullopt;
            const bool inside = fits(file_.size(), *valueOffset, size) && clearOfHeader(*valueOffset, size);
            if (!inside && !acceptOutside)
                return std::nullopt;
            entry.value = {*valueOffset, size};
        } else if (*count == 1 && (*type == kIfd || (*type == kLong && isDirectoryPointer(*tag)))) {
            entry.pointer = u32(offset + 8);
        }
        return entry;
    }

    // Returns the offset of the next directory (0 at the end of the chain).
    std::optional<uint32_t> readDirectory(uint64_t offset, bool isFirst)
    {
        const auto count = u16(offset);
        if (!count || *count == 0)
            return std::nullopt;
        const uint64_t end = offset + 2 + *count * kEntrySize + 4;
        if (!fits(file_.size(), offset, end - offset) || !clearOfHeader(offset, end - offset) ||
            !available(offset, end - offset))
            return std::nullopt;
        std::vector<Entry> entries;
        for (uint64_t i = 0; i < *count; ++i) {
            auto entry = readEntry(offset + 2 + i * kEntrySize, tolerant_);
            if (!entry)
                return std::nullopt;
            entries.push_back(*entry);
        }
        const bool imageDataInside = checkImageData(entries, kStripOffsets, kStripByteCounts) &&
                                     checkImageData(entries, kTileOffsets, kTileByteCounts);
        if (!imageDataInside && !tolerant_)
            return std::nullopt;
        noteThumbnail(entries);
        const auto next = u32(end - 4);
        if (isFirst) {
            layout_.firstIfdEnd = end;
            layout_.nextIfd = *next;
        } else {
            layout_.referenced.push_back({offset, end - offset});
            layout_.longestLaterDirectory = std::max(layout_.longestLaterDirectory, end - offset);
        }
        noteReferences(entries, isFirst);
        if (isFirst)
            layout_.firstIfdEntries = std::move(entries);
        return next;
    }

    void noteReferences(const std::vector<Entry>& entries, bool isFirst)
    {
        for (const Entry& entry : entries) {
            if (isFirst && entry.tag == kImageDescription)
                continue;
            if (entry.value.offset != entry.offset + 8)
                layout_.referenced.push_back(entry.value);
            if (entry.pointer) {
                layout_.referenced.push_back({*entry.pointer, 1});
                noteSubDirectory(*entry.pointer, 1);
            }
        }
    }

    // A directory some tag points at (Exif, GPS, interoperability, sub-images): its entries and values are
    // referred to as well. Such directories are only read, never rewritten, so one that cannot be read leaves
    // just its pointer noted. One cut short by the end of the data keeps the whole room it claims, so that
    // bytes added later never become its entries.
    void noteSubDirectory(uint64_t offset, size_t depth)
    {
        const auto count = u16(offset);
        if (!count || depth > kMaxSubDirectoryDepth)
            return;
        const uint64_t end = offset + 2 + *count * kEntrySize + 4;
        if (!fits(file_.size(), offset, end - offset)) {
            layout_.referenced.push_back({offset, end - offset});
            return;
        }
        if (!available(offset, end - offset))
            return;
        layout_.referenced.push_back({offset, end - offset});
        std::vector<Entry> entries;
        for (uint64_t i = 0; i < *count; ++i) {
            const auto entry = readEntry(offset + 2 + i * kEntrySize, true);
            if (!entry)
                continue;
            if (entry->value.offset != entry->offset + 8)
                layout_.referenced.push_back(entry->value);
            if (entry->pointer && *entry->pointer != offset)
                noteSubDirectory(*entry->pointer, depth + 1);
            entries.push_back(*entry);
        }
        noteThumbnail(entries);
    }

    // A JPEG thumbnail's bytes, where a directory has one.
    void noteThumbnail(const std::vector<Entry>& entries)
    {
        const Entry* start = find(entries, kThumbnailOffset);
        const Entry* length = find(entries, kThumbnailLength);
        if (!start || !length || start->count != 1 || length->count != 1)
            return;
        const auto startValue = arrayValue(*start, 0), lengthValue = arrayValue(*length, 0);
        if (startValue && lengthValue)
            layout_.referenced.push_back({*startValue, *lengthValue});
    }

    const Entry* find(const std::vector<Entry>& entries, uint16_t tag) const
    {
        const auto it = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.tag == tag; });
        return it == entries.end() ? nullptr : &*it;
    }

    std::optional<uint32_t> arrayValue(const Entry& entry, uint32_t index)
    {
        if (entry.type == kShort)
            return u16(entry.value.offset + uint64_t(index) * 2);
        if (entry.type == kLong)
            return u32(entry.value.offset + uint64_t(index) * 4);
        return std::nullopt;
    }

    // The pixel data the directory points at must lie inside the file.
    bool checkImageData(const std::vector<Entry>& entries, uint16_t offsetsTag, uint16_t countsTag)
    {
        const Entry* offsets = find(entries, offsetsTag);
        const Entry* counts = find(entries, countsTag);
        if (!offsets)
            return true;
        if (counts && counts->count != offsets->count)
            return false;
        for (uint32_t i = 0; i < offsets->count; ++i) {
            const auto start = arrayValue(*offsets, i);
            const auto length = counts ? arrayValue(*counts, i) : std::optional<uint32_t>(0);
            if (!start || !length || !fits(file_.size(), *start, *length) || !clearOfHeader(*start, *length))
                return false;
            layout_.referenced.push_back({*start, *length});
        }
        return true;
    }

    ByteView file_;
    const HeldRanges* held_;
    bool tolerant_;
    std::optional<SourceRange> missing_;
    Layout layout_;
};

}

const Entry* Layout::description() const
{
    const auto it = std::find_if(firstIfdEntries.begin(), firstIfdEntries.end(),
                                 [](const Entry& entry) { return entry.tag == kImageDescription; });
    return it == firstIfdEntries.end() ? nullptr : &*it;
}

bool overlapsAny(const std::vector<SourceRange>& ranges, const SourceRange& range)
{
    return std::any_of(ranges.begin(), ranges.end(), [&](const SourceRange& used) { return overlaps(range, used); });
}

uint64_t endOf(const std::vector<SourceRange>& ranges)
{
    uint64_t end = 0;
    for (const SourceRange& range : ranges)
        end = std::max(end, range.offset + range.length);
    return end;
}

std::optional<Layout> parseLayout(ByteView file)
{
    return Parser(file, nullptr, Strictness::Whole).run();
}

std::optional<Layout> parseExifLayout(ByteView block)
{
    return Parser(block, nullptr, Strictness::Tolerant).run();
}

std::optional<Layout> parseLayout(ByteView file, const HeldRanges& held, std::optional<SourceRange>& missing)
{
    Parser parser(file, &held, Strictness::Whole);
    auto layout = parser.run();
    // Whatever the parse made of it, a range it could not see means the layout is not known yet.
    missing = parser.missing();
    return missing ? std::nullopt : layout;
}

}
