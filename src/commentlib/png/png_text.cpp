// A text chunk is read only when its CRC holds, and compressed text inflates to at most 16 MiB. A new chunk is tEXt for
// ASCII text and plain iTXt otherwise; a rewritten one keeps its type, a zTXt or iTXt coming back compressed.
#include "commentlib/png/png_text.h"

#include "commentlib/png/zlib_support.h"
#include "commentlib/utf8.h"

namespace corvane::png {

namespace {

constexpr size_t kMaxInflatedText = 16 * 1024 * 1024;

// Splits off the text up to the next NUL, or fails when there is none.
std::optional<std::string_view> takeTerminated(std::string_view& data)
{
    const size_t nul = data.find('\0');
    if (nul == std::string_view::npos)
        return std::nullopt;
    std::string_view field = data.substr(0, nul);
    data.remove_prefix(nul + 1);
    return field;
}

std::optional<std::string> inflateText(std::string_view compressed)
{
    return inflateLimited({reinterpret_cast<const uint8_t*>(compressed.data()), compressed.size()}, kMaxInflatedText);
}

std::optional<std::string> decodeLatin1Text(std::string_view body, bool compressed)
{
    if (!compressed)
        return utf8::fromLatin1(body);
    if (body.empty() || body.front() != 0)
        return std::nullopt;
    const auto inflated = inflateText(body.substr(1));
    return inflated ? std::optional(utf8::fromLatin1(*inflated)) : std::nullopt;
}

std::optional<std::string> decodeInternationalText(std::string_view body)
{
    if (body.size() < 2)
        return std::nullopt;
    const bool compressed = body[0] != 0;
    body.remove_prefix(2);
    if (!takeTerminated(body) || !takeTerminated(body)) // language tag, translated keyword
        return std::nullopt;
    if (!compressed)
        return std::string(body);
    return inflateText(body);
}

Bytes keywordAndText(std::string_view keyword, std::initializer_list<uint8_t> fields, ByteView text)
{
    Bytes data;
    appendText(data, keyword);
    data.push_back(0);
    data.insert(data.end(), fields);
    data.insert(data.end(), text.begin(), text.end());
    return data;
}

ByteView bytesOf(std::string_view text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

}

std::optional<ByteView> checkedData(ByteView file, const Chunk& chunk)
{
    const ByteView typeAndData = file.subspan(chunk.offset + 4, uint64_t(chunk.dataLength) + 4);
    if (crc32Of(typeAndData) != readU32(file, chunk.dataOffset() + chunk.dataLength, Endian::Big))
        return std::nullopt;
    return typeAndData.subspan(4);
}

std::optional<std::string> textOf(ByteView file, const Chunk& chunk)
{
    const auto data = checkedData(file, chunk);
    if (!data)
        return std::nullopt;
    std::string_view body = asText(*data);
    takeTerminated(body);
    if (chunk.type == "iTXt")
        return decodeInternationalText(body);
    return decodeLatin1Text(body, chunk.type == "zTXt");
}

std::string firstText(ByteView file, const std::vector<Chunk>& chunks)
{
    for (const Chunk& textChunk : chunks)
        if (auto text = textOf(file, textChunk))
            return std::move(*text);
    return {};
}

Bytes chunk(std::string_view type, const Bytes& data)
{
    Bytes out;
    appendU32(out, uint32_t(data.size()), Endian::Big);
    appendText(out, type);
    out.insert(out.end(), data.begin(), data.end());
    appendU32(out, crc32Of({out.data() + 4, out.size() - 4}), Endian::Big);
    return out;
}

Bytes textChunk(std::string_view keyword, std::string_view text)
{
    if (utf8::isAscii(text))
        return chunk("tEXt", keywordAndText(keyword, {}, bytesOf(text)));
    // not compressed, method 0, no language tag, no translated keyword
    return chunk("iTXt", keywordAndText(keyword, {0, 0, 0, 0}, bytesOf(text)));
}

Bytes rewrittenTextChunk(const Chunk& old, std::string_view text)
{
    if (old.type == "zTXt")
        return chunk("zTXt", keywordAndText(old.keyword, {0}, deflated(text)));
    if (old.type == "iTXt")
        return chunk("iTXt", keywordAndText(old.keyword, {1, 0, 0, 0}, deflated(text)));
    return chunk("tEXt", keywordAndText(old.keyword, {}, bytesOf(text)));
}

Bytes xmpChunk(std::string_view packet)
{
    // not compressed, method 0, no language, no translation
    return chunk("iTXt", keywordAndText(kXmpKeyword, {0, 0, 0, 0}, bytesOf(packet)));
}

}
