// A new description in a block's first directory: the directory stays where it is while its entries fit and nothing
// else points into it; what must grow is appended past every range another tag refers to, with room left for the later
// directories. Freed bytes are zeroed.
#include "commentlib/fields/exif_description_edit.h"

#include "commentlib/tiff/tiff_layout.h"

#include <algorithm>
#include <string>

namespace corvane::exif {

namespace {

constexpr uint16_t kImageDescription = 0x010E;
constexpr uint16_t kAscii = 2;
constexpr uint64_t kEntrySize = 12;

void putU16(Bytes& block, uint64_t offset, uint16_t value, Endian endian)
{
    Bytes bytes;
    appendU16(bytes, value, endian);
    std::copy(bytes.begin(), bytes.end(), block.begin() + offset);
}

void putU32(Bytes& block, uint64_t offset, uint32_t value, Endian endian)
{
    Bytes bytes;
    appendU32(bytes, value, endian);
    std::copy(bytes.begin(), bytes.end(), block.begin() + offset);
}

uint64_t endOf(const SourceRange& range)
{
    return range.offset + range.length;
}

bool overlaps(const SourceRange& a, const SourceRange& b)
{
    return a.offset < endOf(b) && b.offset < endOf(a);
}

uint64_t directorySize(size_t entryCount)
{
    return 2 + entryCount * kEntrySize + 4;
}

class DescriptionEdit {
public:
    DescriptionEdit(ByteView original, const FirstDirectory& directory, const tiff::Layout& layout,
                    std::string_view value)
        : block_(original.begin(), original.end()), directory_(directory), layout_(layout), value_(value)
    {
    }

    std::optional<Bytes> run()
    {
        const std::vector<Bytes> entries = otherEntries();
        const size_t entryCount = entries.size() + (value_.empty() ? 0 : 1);
        const bool keepDirectory = entryCount <= directory_.entryCount && isFree(directoryRange());
        const bool reuseValue = oldValueFree() && value_.size() > 4 && value_.size() <= oldValue()->length;
        const bool appendValue = value_.size() > 4 && !reuseValue;
        blankUnused();
        uint64_t directoryAt = directory_.offset;
        uint64_t valueAt = reuseValue ? oldValue()->offset : 0;
        if (!keepDirectory || appendValue) {
            if (!cutTail(keepDirectory, reuseValue))
                return std::nullopt;
            const uint64_t tailStart = block_.size();
            if (!keepDirectory)
                directoryAt = append(Bytes(directorySize(entryCount), 0));
            if (appendValue)
                valueAt = append(Bytes(value_.begin(), value_.end()));
            leaveRoomForLaterDirectories(directoryAt);
            if (!newBytesClear(tailStart))
                return std::nullopt;
        }
        if (block_.size() > kMaxBlock)
            return std::nullopt;
        if (reuseValue)
            std::copy(value_.begin(), value_.end(), block_.begin() + valueAt);
        writeDirectory(directoryAt, withDescriptionEntry(entries, uint32_t(valueAt)));
        if (directoryAt != directory_.offset)
            putU32(block_, 4, uint32_t(directoryAt), directory_.endian);
        return std::move(block_);
    }

private:
    SourceRange directoryRange() const { return {directory_.offset, directory_.end() - directory_.offset}; }

    std::optional<SourceRange> oldValue() const
    {
        if (!directory_.descriptionEntry || directory_.descriptionValue.offset == *directory_.descriptionEntry + 8)
            return std::nullopt;
        return directory_.descriptionValue;
    }

    // Bytes that nothing but the first directory's description and the directory itself refer to.
    bool isFree(const SourceRange& range) const { return !tiff::overlapsAny(layout_.referenced, range); }

    bool oldValueFree() const
    {
        const auto old = oldValue();
        return old && isFree(*old) && !overlaps(*old, directoryRange());
    }

    // The directory's entries but the description's, in their order.
    std::vector<Bytes> otherEntries() const
    {
        std::vector<Bytes> entries;
        for (uint32_t i = 0; i < directory_.entryCount; ++i) {
            const uint64_t at = directory_.offset + 2 + uint64_t(i) * kEntrySize;
            if (readU16(block_, at, directory_.endian) != kImageDescription)
                entries.emplace_back(block_.begin() + at, block_.begin() + at + kEntrySize);
        }
        return entries;
    }

    // The description's entry where the old one stood, or before the first entry of a larger tag.
    std::vector<Bytes> withDescriptionEntry(std::vector<Bytes> entries, uint32_t valueAt) const
    {
        if (value_.empty())
            return entries;
        Bytes entry;
        appendU16(entry, kImageDescription, directory_.endian);
        appendU16(entry, kAscii, directory_.endian);
        appendU32(entry, uint32_t(value_.size()), directory_.endian);
        if (value_.size() <= 4) {
            appendText(entry, value_);
            entry.resize(kEntrySize, 0);
        } else {
            appendU32(entry, valueAt, directory_.endian);
        }
        const size_t index = std::min(descriptionIndex(entries), entries.size());
        entries.insert(entries.begin() + index, std::move(entry));
        return entries;
    }

    size_t descriptionIndex(const std::vector<Bytes>& entries) const
    {
        if (directory_.descriptionEntry)
            return size_t((*directory_.descriptionEntry - directory_.offset - 2) / kEntrySize);
        const auto larger = std::find_if(entries.begin(), entries.end(), [&](const Bytes& entry) {
            return readU16(entry, 0, directory_.endian) > kImageDescription;
        });
        return size_t(larger - entries.begin());
    }

    void blank(const SourceRange& range)
    {
        const uint64_t end = std::min<uint64_t>(endOf(range), block_.size());
        if (range.offset < end)
            std::fill(block_.begin() + range.offset, block_.begin() + end, 0);
    }

    // The old value and directory are blanked where nothing else refers to them, so an erased caption cannot
    // be found in the block.
    void blankUnused()
    {
        if (oldValueFree())
            blank(*oldValue());
        if (isFree(directoryRange()))
            blank(directoryRange());
    }

    bool onlyZerosFrom(uint64_t offset) const
    {
        return std::all_of(block_.begin() + offset, block_.end(), [](uint8_t byte) { return byte == 0; });
    }

    // Cuts the block back over what this edit no longer uses when it ends the block (blanked, with only zeros
    // after it), and past every range something refers to that starts before. False when such a range runs
    // past the end of the block, where any new byte would land in it.
    bool cutTail(bool keepDirectory, bool reuseValue)
    {
        std::vector<SourceRange> reclaimable;
        if (oldValueFree() && !reuseValue)
            reclaimable.push_back(*oldValue());
        if (!keepDirectory && isFree(directoryRange()))
            reclaimable.push_back(directoryRange());
        const uint64_t size = block_.size();
        for (bool moved = true; moved;) {
            moved = false;
            for (const SourceRange& range : reclaimable) {
                if (range.offset < block_.size() && endOf(range) <= block_.size() && onlyZerosFrom(range.offset)) {
                    block_.resize(range.offset);
                    moved = true;
                }
            }
        }
        uint64_t end = block_.size();
        for (const SourceRange& range : layout_.referenced)
            if (range.offset < size)
                end = std::max(end, endOf(range));
        if (keepDirectory)
            end = std::max(end, directory_.end());
        if (reuseValue)
            end = std::max(end, endOf(*oldValue()));
        if (end > size)
            return false;
        block_.resize(end, 0);
        return true;
    }

    // True when the bytes from `start` on, new to the block, lie where no offset points, even one that points
    // past the end of a damaged block.
    bool newBytesClear(uint64_t start) const
    {
        return block_.size() <= start || !tiff::overlapsAny(layout_.referenced, {start, block_.size() - start});
    }

    // Values and directories start on an even offset.
    uint64_t append(const Bytes& bytes)
    {
        if (block_.size() % 2 != 0)
            block_.push_back(0);
        const uint64_t at = block_.size();
        block_.insert(block_.end(), bytes.begin(), bytes.end());
        return at;
    }

    // Readers take the bytes from the first directory to the end of the block as the room the later
    // directories of the chain have, and report a later one that does not fit as damaged.
    void leaveRoomForLaterDirectories(uint64_t directoryAt)
    {
        if (block_.size() - directoryAt < layout_.longestLaterDirectory)
            block_.resize(directoryAt + layout_.longestLaterDirectory, 0);
    }

    void writeDirectory(uint64_t at, const std::vector<Bytes>& entries)
    {
        putU16(block_, at, uint16_t(entries.size()), directory_.endian);
        for (size_t i = 0; i < entries.size(); ++i)
            std::copy(entries[i].begin(), entries[i].end(), block_.begin() + at + 2 + i * kEntrySize);
        putU32(block_, at + 2 + entries.size() * kEntrySize, directory_.nextDirectory, directory_.endian);
    }

    Bytes block_;
    const FirstDirectory& directory_;
    const tiff::Layout& layout_;
    std::string_view value_;
};

}

std::optional<Bytes> withDescription(ByteView block, const FirstDirectory& directory, std::string_view text)
{
    const auto layout = tiff::parseExifLayout(block);
    if (!layout)
        return std::nullopt;
    const std::string value = text.empty() ? std::string() : std::string(text) + '\0';
    return DescriptionEdit(block, directory, *layout, value).run();
}

}
