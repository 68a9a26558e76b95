#include "commentlib/bmp_layout.h"

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
    if (!width || !height || !bits || !compression || int32_t(*width) < 0)
        return std::nullopt;
    // A negative height marks a top-down bitmap.
    return Geometry{*width, uint64_t(std::llabs(int32_t(*height))), *bits, *compression};
}

bool pixelsFit(const Geometry& geometry, uint64_t available)
{
    const bool uncompressed = geometry.compression == kUncompressed || geometry.compression == kBitFields ||
                              geometry.compression == kAlphaBitFields;
    if (!uncompressed)
        return true;
    const uint64_t rowBytes = (geometry.width * geometry.bitsPerPixel + 31) / 32 * 4;
    return geometry.height == 0 || rowBytes <= available / geometry.height;
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
    if (!declaredSize || !pixelOffset || !dibSize || *declaredSize > file.size() || *dibSize < kCoreHeader ||
        kFileHeader + *dibSize > *pixelOffset || *pixelOffset > *declaredSize)
        return std::nullopt;
    const auto geometry = readGeometry(file, *dibSize);
    if (!geometry)
        return std::nullopt;
    TrailerSearch trailer = findCountedTrailer(file, *declaredSize, *pixelOffset);
    const bool counted = trailer.state != TrailerState::Absent;
    if (!counted)
        trailer = findTrailerAfter(file, *declaredSize);
    if (trailer.state == TrailerState::CutOff)
        return std::nullopt;
    Layout layout;
    layout.bitmapEnd = counted ? trailer.whole.offset : *declaredSize;
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
