// The stream decoder is fed everything at once and asked for output a block at a time, so decompression stops
// as soon as the limit is passed, whatever the stream claims.
#include "commentlib/jxl/jxl_brotli.h"

#include <brotli/decode.h>

#include <memory>

namespace corvane::jxl {

namespace {

constexpr size_t kBlock = 64 * 1024;

struct DecoderDeleter {
    void operator()(BrotliDecoderState* state) const { BrotliDecoderDestroyInstance(state); }
};

}

std::optional<Bytes> unpacked(ByteView compressed)
{
    const std::unique_ptr<BrotliDecoderState, DecoderDeleter> decoder(
        BrotliDecoderCreateInstance(nullptr, nullptr, nullptr));
    if (!decoder)
        return std::nullopt;
    size_t availableIn = compressed.size();
    const uint8_t* nextIn = compressed.data();
    Bytes out;
    for (;;) {
        const size_t at = out.size();
        out.resize(at + kBlock);
        size_t availableOut = kBlock;
        uint8_t* nextOut = out.data() + at;
        const BrotliDecoderResult result =
            BrotliDecoderDecompressStream(decoder.get(), &availableIn, &nextIn, &availableOut, &nextOut, nullptr);
        out.resize(out.size() - availableOut);
        if (out.size() > kMaxUnpacked)
            return std::nullopt;
        if (result == BROTLI_DECODER_RESULT_SUCCESS)
            return availableIn == 0 ? std::optional<Bytes>(std::move(out)) : std::nullopt;
        if (result != BROTLI_DECODER_RESULT_NEEDS_MORE_OUTPUT)
            return std::nullopt;
    }
}

}
