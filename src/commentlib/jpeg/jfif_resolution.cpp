// Reads the densities of a JFIF APP0 segment only where it stands right after SOI. Unknown units or a zero density give
// no resolution at all.
#include "commentlib/jpeg/jfif_resolution.h"

namespace corvane::jpeg {

namespace {

constexpr uint64_t kApp0 = 2; // a JFIF segment stands right after SOI
constexpr uint64_t kUnits = kApp0 + 4 + 7, kXDensity = kUnits + 1, kYDensity = kUnits + 3;
constexpr uint8_t kMaxUnits = 2;

}

exif::Resolution jfifResolution(ByteView file)
{
    const auto length = readU16(file, kApp0 + 2, Endian::Big);
    const bool isJfif = startsWith(file, {"\xFF\xD8\xFF\xE0", 4}) && length && *length >= 16 &&
                        fits(file.size(), kApp0, 4 + 14) && startsWith(file.subspan(kApp0 + 4), {"JFIF\0", 5});
    if (!isJfif || file[kUnits] > kMaxUnits)
        return {};
    const auto x = readU16(file, kXDensity, Endian::Big), y = readU16(file, kYDensity, Endian::Big);
    if (!x || !y || *x == 0 || *y == 0)
        return {};
    return {*x, *y, uint16_t(file[kUnits] + 1)};
}

}
