// Checksums, inflating and deflating through the compression library, which counts lengths in 32 bits: the checksum is
// fed larger spans in slices, and a larger compressed input is refused.
#include "commentlib/png/zlib_support.h"

#include <zlib.h>

#include <limits>

namespace corvane {

namespace {

uLong crcUpdate(uLong crc, ByteView data)
{
    // zlib takes lengths as unsigned int; feed larger spans in slices.
    while (!data.empty()) {
        const size_t slice = std::min<size_t>(data.size(), std::numeric_limits<uInt>::max());
        crc = crc32(crc, data.data(), static_cast<uInt>(slice));
        data = data.subspan(slice);
    }
    return crc;
}

}

uint32_t crc32Of(ByteView first, ByteView second)
{
    return static_cast<uint32_t>(crcUpdate(crcUpdate(crc32(0, nullptr, 0), first), second));
}

std::optional<std::string> inflateLimited(ByteView compressed, size_t limit)
{
    if (compressed.size() > std::numeric_limits<uInt>::max())
        return std::nullopt;
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return std::nullopt;
    std::string out;
    char window[16384];
    stream.next_in = const_cast<Bytef*>(compressed.data());
    stream.avail_in = static_cast<uInt>(compressed.size());
    int result = Z_OK;
    while (result == Z_OK && out.size() <= limit) {
        stream.next_out = reinterpret_cast<Bytef*>(window);
        stream.avail_out = sizeof window;
        result = inflate(&stream, Z_NO_FLUSH);
        out.append(window, sizeof window - stream.avail_out);
        if (result == Z_BUF_ERROR && stream.avail_in == 0)
            break;
    }
    inflateEnd(&stream);
    if (result != Z_STREAM_END || out.size() > limit)
        return std::nullopt;
    return out;
}

Bytes deflated(std::string_view text)
{
    uLongf length = compressBound(uLong(text.size()));
    Bytes out(length);
    compress2(out.data(), &length, reinterpret_cast<const Bytef*>(text.data()), uLong(text.size()), Z_BEST_COMPRESSION);
    out.resize(length);
    return out;
}

}
