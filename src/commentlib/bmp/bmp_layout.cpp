// Finds where a BMP's bitmap ends and which trailer follows it. A wrong size field is borne where the file's real size
// fits the pixels, but never beside a trailer; a trailer cut short makes the file unusable.
#include "commentlib/bmp/bmp_layout.h"

#include <cstdlib>

namespace corvane::bmp {

namespace {

constexpr uint64_t kFileHeader = 14;
constexpr uint32_t kCoreHeader = 12;
constexpr uint32_t kUncompressed = 0, kBitFields = 3, kAlphaBitFields = 6;

struct Geometry {
    uint64_t width = 0;
    uint64_t height = 0;
    uint32_t bitsPerPixel = 0;
    uint32_t compression = kUncompressed;
    uint64_t imageSize = 0; // what the header says the pixels take, 0 where it does not say
};

std::optional<Geometry> readGeometry(ByteView file, uint32_t dibSize)
{
    if (dibSize == kCoreHeader) {
        const auto width = readU16(file, 18, Endian::Little), height = readU16(file, 20, Endian::Little);
        const auto bits = readU16(file, 24, Endian::Little);
        if (!width || !height || !bits)
            return std::nullopt;
        return Geometry{*width, *height, *bits, kUncompressed};
    }
    const auto width = readU32(file, 18, Endian::Little), height = readU32(file, 22, Endian::Little);
    const auto bits = readU16(file, 28, Endian::Little);
    const auto compression = readU32(file, 30, Endian::Little);
    const auto imageSize = readU32(file, 34, Endian::Little);
    if (!width || !height || !bits || !compression || int32_t(*width) < 0)
        return std::nullopt;
    // A negative height marks a top-down bitmap.
    return Geometry{*width, uint64_t(std::llabs(int32_t(*height))), *bits, *compression, imageSize.value_or(0)};
}

bool isUncompressed(const Geometry& geometry)
{
    return geometry.compression == kUncompressed || geometry.compression == kBitFields ||
           geometry.compression == kAlphaBitFields;
}

uint64_t rowBytes(const Geometry& geometry)
{
    return (geometry.width * geometry.bitsPerPixel + 31) / 32 * 4;
}

bool pixelsFit(const Geometry& geometry, uint64_t available)
{
    if (!isUncompressed(geometry))
        return true;
    return geometry.height == 0 || rowBytes(geometry) <= available / geometry.height;
}

// A size field that cannot be right: beyond the end of the file, before the pixels, or too small for them.
bool declaredSizeIsWrong(uint64_t declared, uint64_t fileSize, uint64_t pixelOffset, const Geometry& geometry)
{
    return declared > fileSize || declared < pixelOffset || !pixelsFit(geometry, declared - pixelOffset);
}

// Whether the file's real size can stand in for a wrong size field: its pixels are whole (their size computed
// for an uncompressed bitmap, told by the header for a compressed one). A file shorter than the field says may
// have been cut, so it must end exactly where its pixels do.
bool realSizeServes(uint64_t declared, uint64_t fileSize, uint64_t pixelOffset, const Geometry& geometry)
{
    const uint64_t available = fileSize - pixelOffset;
    const bool mayBeCut = declared > fileSize;
    if (!isUncompressed(geometry))
        return geometry.imageSize > 0 && (mayBeCut ? geometry.imageSize == available : geometry.imageSize <= available);
    return pixelsFit(geometry, available) && (!mayBeCut || rowBytes(geometry) * geometry.height == available);
}

enum class TrailerState { Absent, Present, CutOff };

struct TrailerSearch {
    TrailerState state = TrailerState::Absent;
    SourceRange whole;
    SourceRange text;
};

// Bytes after the bitmap that start like our trailer but end early are a damaged trailer, not foreign data.
TrailerSearch findTrailerAfter(ByteView file, uint64_t bitmapEnd)
{
    const ByteView tail = file.subspan(bitmapEnd);
    if (tail.size() < kTrailerMagic.size()) {
        const bool cutMagic = !tail.empty() && kTrailerMagic.starts_with(asText(tail));
        return {cutMagic ? TrailerState::CutOff : TrailerState::Absent, {}, {}};
    }
    if (!startsWith(tail, kTrailerMagic))
        return {};
    const auto length = readU32(tail, kTrailerMagic.size(), Endian::Little);
    if (!length || !fits(tail.size(), kTrailerHeader, *length))
        return {TrailerState::CutOff, {}, {}};
    return {TrailerState::Present, {bitmapEnd, kTrailerHeader + *length}, {bitmapEnd + kTrailerHeader, *length}};
}

// A counted trailer ends at the declared size; its footer says where the bitmap ended before it.
TrailerSearch findCountedTrailer(ByteView file, uint64_t declaredSize, uint64_t pixelOffset)
{
    if (declaredSize < pixelOffset + kCountedTrailerFooter)
        return {};
    const uint64_t footer = declaredSize - kCountedTrailerFooter;
    if (!startsWith(file.subspan(footer + 8), kCountedTrailerMagic))
        return {};
    const uint64_t length = *readU32(file, footer, Endian::Little);
    const uint64_t bitmapEnd = *readU32(file, footer + 4, Endian::Little);
    if (bitmapEnd < pixelOffset || bitmapEnd + length + kCountedTrailerFooter != declaredSize)
        return {TrailerState::CutOff, {}, {}};
    return {TrailerState::Present, {bitmapEnd, declaredSize - bitmapEnd}, {bitmapEnd, length}};
}

}

std::optional<Layout> parseLayout(ByteView file)
{
    if (!startsWith(file, "BM"))
        return std::nullopt;
    const auto declaredSize = readU32(file, kDeclaredSizeOffset, Endian::Little);
    const auto pixelOffset = readU32(file, 10, Endian::Little);
    const auto dibSize = readU32(file, kFileHeader, Endian::Little);
    if (!declaredSize || !pixelOffset || !dibSize || *dibSize < kCoreHeader || kFileHeader + *dibSize > *pixelOffset ||
        *pixelOffset > file.size())
        return std::nullopt;
    const auto geometry = readGeometry(file, *dibSize);
    if (!geometry)
        return std::nullopt;
    // Decoders go by the pixels, not by the size field, which some writers leave wrong (zero, or the size
    // before the file was cut or grown): the file's real size serves instead where the rest of the header
    // holds. Our trailer never stands in such a file, since writing it sets the field.
    const bool sizeFieldWrong = declaredSizeIsWrong(*declaredSize, file.size(), *pixelOffset, *geometry);
    if (sizeFieldWrong && !realSizeServes(*declaredSize, file.size(), *pixelOffset, *geometry))
        return std::nullopt;
    const uint64_t size = sizeFieldWrong ? file.size() : *declaredSize;
    TrailerSearch trailer = findCountedTrailer(file, size, *pixelOffset);
    const bool counted = trailer.state != TrailerState::Absent;
    if (!counted)
        trailer = findTrailerAfter(file, size);
    if (trailer.state == TrailerState::CutOff || (sizeFieldWrong && trailer.state != TrailerState::Absent))
        return std::nullopt;
    Layout layout;
    layout.bitmapEnd = counted ? trailer.whole.offset : size;
    if (!pixelsFit(*geometry, layout.bitmapEnd - *pixelOffset))
        return std::nullopt;
    if (trailer.state == TrailerState::Present) {
        layout.trailer = trailer.whole;
        layout.text = trailer.text;
        layout.trailerCounted = counted;
        const uint64_t trailerEnd = trailer.whole.offset + trailer.whole.length;
        layout.foreignBytesMimicTrailer = findTrailerAfter(file, trailerEnd).state != TrailerState::Absent;
    }
    return layout;
}

}
