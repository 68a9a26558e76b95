// Walks the blocks after the header and any global colour table to the trailer, counting extensions and noting each
// Comment Extension's sub-blocks. One stray byte just before the trailer is accepted; any other unknown byte is damage.
#include "commentlib/gif/gif_layout.h"

namespace corvane::gif {

namespace {

constexpr uint8_t kExtension = 0x21, kImage = 0x2C, kTrailer = 0x3B, kCommentLabel = 0xFE;
constexpr uint64_t kHeaderAndScreen = 13;
constexpr uint64_t kImageDescriptor = 10;

uint64_t colourTableSize(uint8_t packed)
{
    return (packed & 0x80) ? 3u << ((packed & 7) + 1) : 0;
}

// Walks a chain of sub-blocks from `pos` and returns the offset after its terminator.
std::optional<uint64_t> skipSubBlocks(ByteView file, uint64_t pos, std::vector<SourceRange>* blocks)
{
    while (pos < file.size()) {
        const uint8_t size = file[pos];
        if (size == 0)
            return pos + 1;
        if (!fits(file.size(), pos + 1, size))
            return std::nullopt;
        if (blocks)
            blocks->push_back({pos + 1, size});
        pos += 1 + size;
    }
    return std::nullopt;
}

std::optional<uint64_t> skipImage(ByteView file, uint64_t pos)
{
    if (!fits(file.size(), pos, kImageDescriptor + 1))
        return std::nullopt;
    const uint64_t tableSize = colourTableSize(file[pos + 9]);
    const uint64_t codeSizeAt = pos + kImageDescriptor + tableSize;
    if (!fits(file.size(), codeSizeAt, 1))
        return std::nullopt;
    return skipSubBlocks(file, codeSizeAt + 1, nullptr);
}

std::optional<uint64_t> readExtension(ByteView file, uint64_t pos, Layout& layout)
{
    if (!fits(file.size(), pos, 2))
        return std::nullopt;
    ++layout.extensions;
    const bool isComment = file[pos + 1] == kCommentLabel;
    CommentExtension comment;
    const auto end = skipSubBlocks(file, pos + 2, isComment ? &comment.blocks : nullptr);
    if (end && isComment) {
        comment.whole = {pos, *end - pos};
        layout.comments.push_back(std::move(comment));
    }
    return end;
}

// Decoders read a picture with one stray byte between its last block and the trailer; so do we, keeping it
// where it stands. A longer run, or a stray byte anywhere else, is damage.
bool strayByteBeforeTrailer(ByteView file, uint64_t pos)
{
    return fits(file.size(), pos, 2) && file[pos + 1] == kTrailer;
}

}

std::optional<Layout> parseLayout(ByteView file)
{
    if (!(startsWith(file, "GIF87a") || startsWith(file, "GIF89a")) || file.size() < kHeaderAndScreen)
        return std::nullopt;
    Layout layout;
    layout.afterColourTable = kHeaderAndScreen + colourTableSize(file[10]);
    std::optional<uint64_t> pos = layout.afterColourTable;
    while (pos && *pos < file.size()) {
        const uint8_t introducer = file[*pos];
        if (introducer == kTrailer)
            return layout;
        if (introducer == kExtension)
            pos = readExtension(file, *pos, layout);
        else if (introducer == kImage)
            pos = skipImage(file, *pos);
        else if (strayByteBeforeTrailer(file, *pos))
            return layout;
        else
            return std::nullopt;
    }
    return std::nullopt;
}

}
