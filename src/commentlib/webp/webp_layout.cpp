// The RIFF chunk walk loads every chunk header and of each payload only what an edit needs: a bitstream's first bytes,
// nothing of frames or unknown chunks, all of VP8X, EXIF and XMP. A file whose chunks hold no picture counts as
// damaged.
#include "commentlib/webp/webp_layout.h"

#include "commentlib/webp/webp_canvas.h"

#include "commentlib/corvane.h"

#include <algorithm>
#include <array>

namespace corvane::webp {

namespace {

constexpr std::array kKnownNames{kExtended, kLossy, kLossless, kFrame, kExif, kXmp};
// How much of a bitstream's payload holds the canvas size and alpha flag a new VP8X takes from it.
constexpr uint64_t kBitstreamHeader = 10;

std::string_view knownName(ByteView header)
{
    for (const std::string_view name : kKnownNames)
        if (startsWith(header, name))
            return name;
    return {};
}

// How much of a chunk's payload is read: all of what an edit rewrites or takes a size from.
uint64_t neededPayload(const Chunk& chunk)
{
    if (chunk.name == kLossy || chunk.name == kLossless)
        return std::min<uint64_t>(chunk.size, kBitstreamHeader);
    return chunk.name.empty() || chunk.name == kFrame ? 0 : chunk.size;
}

int32_t walkChunks(SourceFile& file, Layout& layout)
{
    for (uint64_t at = kFirstChunk; at < layout.riffEnd;) {
        if (at + 8 > layout.riffEnd)
            return CORVANE_E_DAMAGED;
        if (const int32_t status = file.loadRange(at, 8); status != CORVANE_OK)
            return status;
        const ByteView header = file.whole().subspan(at, 8);
        const Chunk chunk{knownName(header), at, *readU32(header, 4, Endian::Little)};
        if (chunk.end() > layout.riffEnd)
            return CORVANE_E_DAMAGED;
        if (const int32_t status = file.loadRange(chunk.payload(), neededPayload(chunk)); status != CORVANE_OK)
            return status;
        layout.chunks.push_back(chunk);
        at = chunk.end();
    }
    return CORVANE_OK;
}

// A picture's bitstream alone, with a header that tells its size (a caption added later needs it for the VP8X
// chunk), or a whole VP8X header (its flags and canvas) before a bitstream or frames.
bool holdsPicture(const Layout& layout, ByteView file)
{
    if (layout.chunks.empty())
        return false;
    const Chunk& front = layout.chunks.front();
    if (front.name == kLossy || front.name == kLossless)
        return extendedHeader(front.name, file.subspan(front.payload(), front.size), 0).has_value();
    const bool wholeHeader = front.name == kExtended && front.size >= kExtendedHeaderSize;
    return wholeHeader && (layout.first(kLossy) || layout.first(kLossless) || layout.first(kFrame));
}

}

const Chunk* Layout::first(std::string_view name) const
{
    const auto found =
        std::find_if(chunks.begin(), chunks.end(), [&](const Chunk& chunk) { return chunk.name == name; });
    return found == chunks.end() ? nullptr : &*found;
}

size_t Layout::count(std::string_view name) const
{
    return size_t(std::count_if(chunks.begin(), chunks.end(), [&](const Chunk& chunk) { return chunk.name == name; }));
}

bool looksLike(ByteView first)
{
    return startsWith(first, "RIFF") && startsWith(first.subspan(std::min<size_t>(first.size(), 8)), "WEBP");
}

int32_t parseLayout(SourceFile& file, Layout& layout)
{
    if (const int32_t status = file.readAnywhere(); status != CORVANE_OK)
        return status;
    const auto riffSize = readU32(file.bytes(), 4, Endian::Little);
    if (!riffSize || *riffSize < 4 || *riffSize % 2 != 0 || 8 + uint64_t(*riffSize) > file.size())
        return CORVANE_E_DAMAGED;
    layout = Layout{8 + uint64_t(*riffSize), {}};
    if (const int32_t status = walkChunks(file, layout); status != CORVANE_OK)
        return status;
    return holdsPicture(layout, file.whole()) ? CORVANE_OK : CORVANE_E_DAMAGED;
}

}
