// Checks a PNG chunk by chunk from IHDR to an empty IEND after at least one IDAT, and sorts its text chunks by keyword,
// compared without case, into comments, descriptions, XMP packets and raw profiles.
#include "commentlib/png/png_layout.h"

#include "commentlib/png/png_raw_profile.h"

#include <algorithm>
#include <cctype>

namespace corvane::png {

namespace {

constexpr uint32_t kMaxChunkLength = 0x7FFFFFFF;

bool isChunkType(std::string_view type)
{
    return std::all_of(type.begin(), type.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
}

bool isTextChunk(std::string_view type)
{
    return type == "tEXt" || type == "zTXt" || type == "iTXt";
}

// The keyword of a text chunk, or nothing when it has no terminating NUL within the keyword's 79 bytes.
std::string_view keywordOf(ByteView file, const Chunk& chunk)
{
    const std::string_view data = asText(file.subspan(chunk.dataOffset(), std::min<uint32_t>(chunk.dataLength, 80)));
    const size_t end = data.find('\0');
    return end == std::string_view::npos ? std::string_view() : data.substr(0, end);
}

// Keywords are case-sensitive by the format, but some writers store "comment"; both mean the same.
// `keyword` is given in lower case.
bool startsWithKeyword(const Chunk& chunk, std::string_view keyword)
{
    return chunk.keyword.size() >= keyword.size() &&
           std::equal(keyword.begin(), keyword.end(), chunk.keyword.begin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

bool hasKeyword(const Chunk& chunk, std::string_view keyword)
{
    return chunk.keyword.size() == keyword.size() && startsWithKeyword(chunk, keyword);
}

std::optional<Chunk> chunkAt(ByteView file, uint64_t offset)
{
    const auto length = readU32(file, offset, Endian::Big);
    if (!length || *length > kMaxChunkLength || !fits(file.size(), offset, uint64_t(*length) + 12))
        return std::nullopt;
    Chunk chunk{offset, *length, asText(file.subspan(offset + 4, 4)), {}};
    if (!isChunkType(chunk.type))
        return std::nullopt;
    return chunk;
}

void noteTextChunk(Layout& layout, const Chunk& chunk)
{
    if (hasKeyword(chunk, "comment"))
        layout.comments.push_back(chunk);
    if (hasKeyword(chunk, "description"))
        layout.descriptions.push_back(chunk);
    if (chunk.type == "iTXt" && hasKeyword(chunk, "xml:com.adobe.xmp"))
        layout.xmp.push_back(chunk);
    if (startsWithKeyword(chunk, kRawProfileKeyword))
        layout.rawProfiles.push_back(chunk);
}

}

std::optional<Layout> parseLayout(ByteView file)
{
    if (!startsWith(file, kSignature))
        return std::nullopt;
    Layout layout;
    bool seenImageData = false;
    uint64_t offset = kSignature.size();
    for (bool first = true;; first = false) {
        const auto chunk = chunkAt(file, offset);
        if (!chunk || first != (chunk->type == "IHDR"))
            return std::nullopt;
        if (chunk->type == "IEND")
            return seenImageData && chunk->dataLength == 0 ? std::optional(layout) : std::nullopt;
        if (chunk->type == "IDAT" && !seenImageData) {
            seenImageData = true;
            layout.firstImageData = chunk->offset;
        }
        if (chunk->type == "eXIf")
            layout.exif.push_back(*chunk);
        if (isTextChunk(chunk->type))
            noteTextChunk(layout, Chunk{chunk->offset, chunk->dataLength, chunk->type, keywordOf(file, *chunk)});
        offset += chunk->totalLength();
    }
}

}
