// Recognising HEIF, AVIF and JPEG XL files by their leading bytes.
#include "picture/codec_signature.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace picture {

namespace {

// Brands of still pictures and sequences whose primary picture libheif decodes. A camera RAW built
// on the same box structure carries a brand of its own and is left to the RAW decoder.
constexpr std::array<std::string_view, 13> kHeifBrands = {"heic", "heix", "heim", "heis", "hevc", "hevx", "hevm",
                                                          "hevs", "mif1", "msf1", "mif2", "avif", "avis"};

uint32_t bigEndian32(const QByteArray& bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return uint32_t(uint8_t(bytes[at + i])); };
    return byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
}

bool isHeifBrand(std::string_view brand)
{
    for (std::string_view known : kHeifBrands) {
        if (brand == known)
            return true;
    }
    return false;
}

// The file-type box: size, "ftyp", major brand, minor version, then compatible brands to its end.
bool hasHeifFileType(const QByteArray& head)
{
    if (head.size() < 16 || head.mid(4, 4) != "ftyp")
        return false;
    const qsizetype boxEnd = qMin<qsizetype>(bigEndian32(head, 0), head.size());
    if (isHeifBrand(std::string_view(head.constData() + 8, 4)))
        return true;
    for (qsizetype at = 16; at + 4 <= boxEnd; at += 4) {
        if (isHeifBrand(std::string_view(head.constData() + at, 4)))
            return true;
    }
    return false;
}

bool hasJpegXlSignature(const QByteArray& head)
{
    static const QByteArray container("\x00\x00\x00\x0CJXL \x0D\x0A\x87\x0A", 12);
    return head.startsWith("\xFF\x0A") || head.startsWith(container);
}

} // namespace

CodecKind codecKindOf(const QByteArray& head)
{
    if (hasHeifFileType(head))
        return CodecKind::Heif;
    if (hasJpegXlSignature(head))
        return CodecKind::JpegXl;
    return CodecKind::None;
}

} // namespace picture
