// The canvas is read from the first bytes of a VP8 key frame or a VP8L bitstream, and the VP8X chunk made with the
// caller's flags; a header that is not recognised, or a zero size, gives no chunk.
#include "commentlib/webp/webp_canvas.h"

#include "commentlib/webp/webp_layout.h"

namespace corvane::webp {

namespace {

constexpr uint8_t kAlphaFlag = 0x10;
constexpr uint32_t kFourteenBits = 0x3FFF;

struct Canvas {
    uint32_t width = 0;
    uint32_t height = 0;
    bool alpha = false;
};

// A key frame: a three-byte frame tag, the start code 9D 01 2A, then width and height in 14 bits each.
std::optional<Canvas> lossyCanvas(ByteView bitstream)
{
    const auto width = readU16(bitstream, 6, Endian::Little);
    const auto height = readU16(bitstream, 8, Endian::Little);
    const bool keyFrame = !bitstream.empty() && (bitstream[0] & 1) == 0;
    if (!keyFrame || !startsWith(bitstream.subspan(3), "\x9D\x01\x2A") || !width || !height)
        return std::nullopt;
    return Canvas{*width & kFourteenBits, *height & kFourteenBits, false};
}

// The signature byte 0x2F, then width - 1 and height - 1 in 14 bits each and the alpha-is-used bit.
std::optional<Canvas> losslessCanvas(ByteView bitstream)
{
    const auto bits = readU32(bitstream, 1, Endian::Little);
    if (!bits || bitstream[0] != 0x2F)
        return std::nullopt;
    return Canvas{(*bits & kFourteenBits) + 1, (*bits >> 14 & kFourteenBits) + 1, (*bits >> 28 & 1) != 0};
}

void appendU24(Bytes& out, uint32_t value)
{
    out.insert(out.end(), {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16)});
}

}

std::optional<Bytes> extendedHeader(std::string_view chunkName, ByteView bitstream, uint8_t flags)
{
    const auto canvas = chunkName == kLossless ? losslessCanvas(bitstream) : lossyCanvas(bitstream);
    if (!canvas || canvas->width == 0 || canvas->height == 0)
        return std::nullopt;
    Bytes chunk;
    appendText(chunk, kExtended);
    appendU32(chunk, kExtendedHeaderSize, Endian::Little);
    chunk.insert(chunk.end(), {uint8_t(flags | (canvas->alpha ? kAlphaFlag : 0)), 0, 0, 0});
    appendU24(chunk, canvas->width - 1);
    appendU24(chunk, canvas->height - 1);
    return chunk;
}

}
