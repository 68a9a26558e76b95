#include "commentlib/png_layout.h"

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

// Keywords are case-sensitive by the format, but some writers store "comment"; both mean the same.
// `keyword` is given in lower case.
bool hasKeyword(ByteView file, const Chunk& chunk, std::string_view keyword)
{
    if (chunk.dataLength <= keyword.size())
        return false;
    const std::string_view data = asText(file.subspan(chunk.dataOffset(), keyword.size() + 1));
    return data.back() == '\0' && std::equal(keyword.begin(), keyword.end(), data.begin(), [](char a, char b) {
               return a == std::tolower(static_cast<unsigned char>(b));
           });
}

std::optional<Chunk> chunkAt(ByteView file, uint64_t offset)
{
    const auto length = readU32(file, offset, Endian::Big);
    if (!length || *length > kMaxChunkLength || !fits(file.size(), offset, uint64_t(*length) + 12))
        return std::nullopt;
    Chunk chunk{offset, *length, asText(file.subspan(offset + 4, 4))};
    if (!isChunkType(chunk.type))
        return std::nullopt;
    return chunk;
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
        if (isTextChunk(chunk->type) && hasKeyword(file, *chunk, "comment"))
            layout.comments.push_back(*chunk);
        if (isTextChunk(chunk->type) && hasKeyword(file, *chunk, "description"))
            layout.descriptions.push_back(*chunk);
        if (chunk->type == "iTXt" && hasKeyword(file, *chunk, "xml:com.adobe.xmp"))
            layout.xmp.push_back(*chunk);
        offset += chunk->totalLength();
    }
}

}
