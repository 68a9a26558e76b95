// Byte buffers and bounds-checked integer access shared by the container editors. Every read goes through
// these helpers, so a length or offset taken from a file can never reach past the buffer.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace corvane {

using Bytes = std::vector<uint8_t>;
using ByteView = std::span<const uint8_t>;

enum class Endian { Little, Big };

// True when [offset, offset + length) lies inside a buffer of `size` bytes, without overflowing.
inline bool fits(size_t size, uint64_t offset, uint64_t length)
{
    return offset <= size && length <= size - offset;
}

inline std::optional<uint16_t> readU16(ByteView data, uint64_t offset, Endian endian)
{
    if (!fits(data.size(), offset, 2))
        return std::nullopt;
    const uint8_t* p = data.data() + offset;
    return endian == Endian::Big ? uint16_t(p[0] << 8 | p[1]) : uint16_t(p[1] << 8 | p[0]);
}

inline std::optional<uint32_t> readU32(ByteView data, uint64_t offset, Endian endian)
{
    if (!fits(data.size(), offset, 4))
        return std::nullopt;
    const uint8_t* p = data.data() + offset;
    if (endian == Endian::Big)
        return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

inline void appendU16(Bytes& out, uint16_t value, Endian endian)
{
    if (endian == Endian::Big)
        out.insert(out.end(), {uint8_t(value >> 8), uint8_t(value)});
    else
        out.insert(out.end(), {uint8_t(value), uint8_t(value >> 8)});
}

inline void appendU32(Bytes& out, uint32_t value, Endian endian)
{
    if (endian == Endian::Big)
        out.insert(out.end(), {uint8_t(value >> 24), uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)});
    else
        out.insert(out.end(), {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)});
}

inline void appendText(Bytes& out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
}

inline bool startsWith(ByteView data, std::string_view prefix)
{
    return data.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), data.begin(),
                                                      [](char a, uint8_t b) { return uint8_t(a) == b; });
}

inline std::string_view asText(ByteView data)
{
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}

}
