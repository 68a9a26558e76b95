// Pieces of extended XMP are put together by GUID; each must state the same length and together they must cover the
// whole text, or there is no extension. Also the GUID of a text, and a text cut into segment bodies.
#include "commentlib/jpeg/jpeg_xmp_extension.h"

#include "commentlib/fields/md5_digest.h"

#include <algorithm>

namespace corvane::jpeg {

namespace {

constexpr size_t kGuidSize = 32;
constexpr size_t kHeaderSize = kGuidSize + 8; // the GUID, the text's length, the piece's offset
constexpr size_t kMaxPayload = 65533;         // the length field (at most 0xFFFF) counts its own two bytes
constexpr size_t kMaxPiece = kMaxPayload - kXmpExtensionIdentifier.size() - kHeaderSize;

}

std::string_view extensionGuidOf(ByteView body)
{
    return body.size() < kHeaderSize ? std::string_view() : asText(body.first(kGuidSize));
}

std::optional<std::string> assembledExtension(const std::vector<ByteView>& bodies, std::string_view guid)
{
    struct Piece {
        uint32_t length, offset;
        ByteView data;
    };
    std::vector<Piece> pieces;
    uint64_t carried = 0;
    for (const ByteView body : bodies)
        if (!guid.empty() && extensionGuidOf(body) == guid) {
            pieces.push_back({*readU32(body, kGuidSize, Endian::Big), *readU32(body, kGuidSize + 4, Endian::Big),
                              body.subspan(kHeaderSize)});
            carried += pieces.back().data.size();
        }
    // The length is checked against the bytes at hand before anything is made of that size.
    if (pieces.empty() || pieces.front().length > carried)
        return std::nullopt;
    std::string text(pieces.front().length, '\0');
    std::vector<bool> covered(text.size(), false);
    for (const Piece& piece : pieces) {
        if (piece.length != text.size() || !fits(text.size(), piece.offset, piece.data.size()))
            return std::nullopt;
        std::copy(piece.data.begin(), piece.data.end(), text.begin() + piece.offset);
        std::fill(covered.begin() + piece.offset, covered.begin() + piece.offset + piece.data.size(), true);
    }
    if (std::find(covered.begin(), covered.end(), false) != covered.end())
        return std::nullopt;
    return text;
}

std::string extensionGuid(std::string_view text)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string guid;
    for (const uint8_t byte : md5Of({reinterpret_cast<const uint8_t*>(text.data()), text.size()})) {
        guid += kDigits[byte >> 4];
        guid += kDigits[byte & 0x0F];
    }
    return guid;
}

std::vector<Bytes> extensionBodies(std::string_view text, std::string_view guid)
{
    std::vector<Bytes> bodies;
    for (size_t offset = 0; offset < text.size(); offset += kMaxPiece) {
        Bytes body;
        appendText(body, guid);
        appendU32(body, uint32_t(text.size()), Endian::Big);
        appendU32(body, uint32_t(offset), Endian::Big);
        appendText(body, text.substr(offset, kMaxPiece));
        bodies.push_back(std::move(body));
    }
    return bodies;
}

}
