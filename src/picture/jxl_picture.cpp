// Decoding a JPEG XL file's first frame with libjxl into an upright 8-bit bitmap.
#include "picture/jxl_picture.h"

#include "picture/allocation_limit.h"
#include "picture/picture_error.h"

#include <jxl/decode_cxx.h>
#include <jxl/thread_parallel_runner_cxx.h>

namespace picture {

namespace {

// Eight bits in R, G, B, A order; a grey picture comes out with its grey repeated in R, G and B.
constexpr JxlPixelFormat kRgba8 = {4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};

// The size the picture has once turned upright: orientations 5 to 8 swap its sides.
QSize uprightSize(const JxlBasicInfo& info)
{
    const QSize stored(int(info.xsize), int(info.ysize));
    return info.orientation >= JXL_ORIENT_TRANSPOSE ? stored.transposed() : stored;
}

// Decodes pictures whose colours are stored in the codec's own space to sRGB, which is what the
// screen shows without colour management; a picture stored in its own profile keeps it.
void preferSrgb(JxlDecoder* decoder, const JxlBasicInfo& info)
{
    JxlColorEncoding srgb{};
    srgb.color_space = info.num_color_channels == 1 ? JXL_COLOR_SPACE_GRAY : JXL_COLOR_SPACE_RGB;
    srgb.white_point = JXL_WHITE_POINT_D65;
    srgb.primaries = JXL_PRIMARIES_SRGB;
    srgb.transfer_function = JXL_TRANSFER_FUNCTION_SRGB;
    srgb.rendering_intent = JXL_RENDERING_INTENT_PERCEPTUAL;
    JxlDecoderSetPreferredColorProfile(decoder, &srgb);
}

class JxlReading {
public:
    JxlReading(const QByteArray& bytes, const QString& path)
        : decoder_(JxlDecoderMake(nullptr)),
          runner_(JxlThreadParallelRunnerMake(nullptr, JxlThreadParallelRunnerDefaultNumWorkerThreads())), path_(path)
    {
        const int events = JXL_DEC_BASIC_INFO | JXL_DEC_COLOR_ENCODING | JXL_DEC_FULL_IMAGE;
        if (!decoder_ || !runner_ ||
            JxlDecoderSetParallelRunner(decoder_.get(), JxlThreadParallelRunner, runner_.get()) != JXL_DEC_SUCCESS ||
            JxlDecoderSubscribeEvents(decoder_.get(), events) != JXL_DEC_SUCCESS ||
            JxlDecoderSetInput(decoder_.get(), reinterpret_cast<const uint8_t*>(bytes.constData()),
                               size_t(bytes.size())) != JXL_DEC_SUCCESS)
            throw PictureError(path_);
        JxlDecoderCloseInput(decoder_.get());
    }

    DecodedPicture run()
    {
        for (;;) {
            switch (JxlDecoderProcessInput(decoder_.get())) {
            case JXL_DEC_BASIC_INFO:
                takeBasicInfo();
                break;
            case JXL_DEC_COLOR_ENCODING:
                preferSrgb(decoder_.get(), info_);
                break;
            case JXL_DEC_NEED_IMAGE_OUT_BUFFER:
                setOutputBuffer();
                break;
            case JXL_DEC_FULL_IMAGE:
                // The first frame is the picture shown; the rest of an animation is not decoded.
                return {image_.convertToFormat(info_.alpha_bits ? QImage::Format_ARGB32 : QImage::Format_RGB32),
                        image_.size()};
            default:
                throw PictureError(path_);
            }
        }
    }

private:
    void takeBasicInfo()
    {
        if (JxlDecoderGetBasicInfo(decoder_.get(), &info_) != JXL_DEC_SUCCESS ||
            !fitsAllocationLimit(uprightSize(info_)))
            throw PictureError(path_);
    }

    void setOutputBuffer()
    {
        const QSize size = uprightSize(info_);
        image_ = QImage(size, QImage::Format_RGBA8888);
        size_t needed = 0;
        if (image_.isNull() || JxlDecoderImageOutBufferSize(decoder_.get(), &kRgba8, &needed) != JXL_DEC_SUCCESS ||
            needed != size_t(image_.sizeInBytes()) ||
            JxlDecoderSetImageOutBuffer(decoder_.get(), &kRgba8, image_.bits(), needed) != JXL_DEC_SUCCESS)
            throw PictureError(path_);
    }

    JxlDecoderPtr decoder_;
    JxlThreadParallelRunnerPtr runner_;
    QString path_;
    JxlBasicInfo info_{};
    QImage image_;
};

} // namespace

DecodedPicture decodeJxl(const QByteArray& bytes, const QString& path)
{
    return JxlReading(bytes, path).run();
}

} // namespace picture
