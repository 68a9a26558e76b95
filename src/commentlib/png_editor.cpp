#include "commentlib/png_editor.h"

#include "commentlib/png_layout.h"
#include "commentlib/replacement_list.h"
#include "commentlib/utf8.h"
#include "commentlib/xmp_packet.h"
#include "commentlib/zlib_support.h"

namespace corvane::png {

namespace {

constexpr size_t kMaxInflatedText = 16 * 1024 * 1024;
constexpr std::string_view kKeyword = "Comment";

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
    return inflateLimited({reinterpret_cast<const uint8_t*>(compressed.data()), compressed.size()},
                          kMaxInflatedText);
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
    if (!takeTerminated(body) || !takeTerminated(body))  // language tag, translated keyword
        return std::nullopt;
    if (!compressed)
        return std::string(body);
    return inflateText(body);
}

// The chunk's text in UTF-8, or nothing when the chunk is corrupt.
std::optional<std::string> decodeComment(ByteView file, const Chunk& chunk)
{
    const ByteView typeAndData = file.subspan(chunk.offset + 4, uint64_t(chunk.dataLength) + 4);
    if (crc32Of(typeAndData) != readU32(file, chunk.dataOffset() + chunk.dataLength, Endian::Big))
        return std::nullopt;
    std::string_view body = asText(typeAndData.subspan(4));
    takeTerminated(body);
    if (chunk.type == "iTXt")
        return decodeInternationalText(body);
    return decodeLatin1Text(body, chunk.type == "zTXt");
}

// The text of the first of `chunks` that can be decoded.
std::string firstText(ByteView file, const std::vector<Chunk>& chunks)
{
    for (const Chunk& textChunk : chunks)
        if (auto text = decodeComment(file, textChunk))
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

// tEXt is Latin-1 by definition, so only ASCII may go there; anything else goes into an uncompressed iTXt.
Bytes commentChunk(std::string_view text)
{
    Bytes data;
    appendText(data, kKeyword);
    data.push_back(0);
    if (utf8::isAscii(text)) {
        appendText(data, text);
        return chunk("tEXt", data);
    }
    data.insert(data.end(), {0, 0, 0, 0});  // not compressed, method 0, no language tag, no translated keyword
    appendText(data, text);
    return chunk("iTXt", data);
}

// iTXt, uncompressed, with the XMP packet.
Bytes xmpChunk(std::string_view packet)
{
    Bytes data;
    appendText(data, kXmpKeyword);
    data.insert(data.end(), {0, 0, 0, 0, 0});  // keyword end, not compressed, method 0, no language, no translation
    appendText(data, packet);
    return chunk("iTXt", data);
}

struct XmpEdit {
    std::optional<Replacement> edit;  // nothing when the packet cannot be parsed
    int32_t notice = CORVANE_OK;      // when the packet could not take the text, or could not be parsed
};

// The XMP chunk rewritten with the description (removed when nothing else is left in it), or a new one before
// the image data. A packet that already holds the text is left as it is; one that cannot carry it loses its
// old description, which must not outlive the new text.
XmpEdit xmpEdit(ByteView file, const Layout& layout, std::string_view text)
{
    const Chunk* existing = layout.xmp.empty() ? nullptr : &layout.xmp.front();
    const std::string packet = existing ? firstText(file, layout.xmp) : std::string();
    const auto current = xmp::descriptionOf(packet);
    if (!current)
        return {std::nullopt, CORVANE_PARTIAL_XMP};
    const uint64_t at = existing ? existing->offset : layout.firstImageData;
    const uint64_t length = existing ? existing->totalLength() : 0;
    if (*current == text && (existing || text.empty()))
        return {Replacement{at, 0, {}}};
    XmpEdit result;
    auto changed = xmp::withDescription(packet, text);
    if (!changed) {
        result.notice = CORVANE_PARTIAL;
        changed = xmp::withDescription(packet, {});
    }
    if (changed)
        result.edit = Replacement{at, existing ? length : 0, changed->empty() ? Bytes{} : xmpChunk(*changed)};
    return result;
}

}

bool looksLike(ByteView file)
{
    return startsWith(file, kSignature);
}

ReadResult readComment(ByteView file)
{
    const auto layout = parseLayout(file);
    if (!layout)
        return readFailure(CORVANE_E_DAMAGED);
    const std::string packet = firstText(file, layout->xmp);
    std::vector<CaptionField> fields{{kXmpDescriptionField, xmp::descriptionOf(packet).value_or(std::string())},
                                     {kPngDescriptionField, firstText(file, layout->descriptions)},
                                     {kCommentField, firstText(file, layout->comments)}};
    std::string caption = chosenCaption(fields);
    return {CORVANE_OK, std::move(caption), std::move(fields)};
}

PlanResult planComment(ByteView file, std::string_view text)
{
    const auto layout = parseLayout(file);
    if (!layout)
        return planFailure(CORVANE_E_DAMAGED);
    std::vector<Replacement> edits;
    for (const Chunk& comment : layout->comments)
        edits.push_back({comment.offset, comment.totalLength(), {}});
    // Nothing is left for a reader to take for a caption after an erase.
    if (text.empty())
        for (const Chunk& description : layout->descriptions)
            edits.push_back({description.offset, description.totalLength(), {}});
    XmpEdit xmp = xmpEdit(file, *layout, text);
    if (xmp.edit)
        edits.push_back(std::move(*xmp.edit));
    edits.push_back({layout->firstImageData, 0, text.empty() ? Bytes{} : commentChunk(text)});
    // A packet that cannot be parsed is left alone; the comment still takes the text.
    return {CORVANE_OK, planOf(file.size(), std::move(edits)), xmp.notice};
}

}
