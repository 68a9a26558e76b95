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

// Appends `count` bytes by growing the buffer and copying into the new room: inlined at -O2, GCC 12
// takes a range insert at the end of a buffer that may be empty for an overflow and warns.
inline void appendBytes(Bytes& out, const uint8_t* bytes, size_t count)
{
    const size_t at = out.size();
    out.resize(at + count);
    std::copy_n(bytes, count, out.data() + at);
}

inline void appendU16(Bytes& out, uint16_t value, Endian endian)
{
    const uint8_t bytes[] = {uint8_t(value >> 8), uint8_t(value)};
    const uint8_t swapped[] = {bytes[1], bytes[0]};
    appendBytes(out, endian == Endian::Big ? bytes : swapped, 2);
}

inline void appendU32(Bytes& out, uint32_t value, Endian endian)
{
    const uint8_t bytes[] = {uint8_t(value >> 24), uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)};
    const uint8_t swapped[] = {bytes[3], bytes[2], bytes[1], bytes[0]};
    appendBytes(out, endian == Endian::Big ? bytes : swapped, 4);
}

inline void appendText(Bytes& out, std::string_view text)
{
    appendBytes(out, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

inline bool startsWith(ByteView data, std::string_view prefix)
{
    return data.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), data.begin(), [](char a, uint8_t b) { return uint8_t(a) == b; });
}

inline std::string_view asText(ByteView data)
{
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}

}
