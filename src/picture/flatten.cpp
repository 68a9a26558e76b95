// Drawing a picture's transparency over a background colour.
#include "picture/flatten.h"

namespace picture {

// Every channel c + bg * (255 - alpha) / 255.
QRgb flattenPixel(QRgb premultiplied, QRgb background)
{
    const int remaining = 255 - qAlpha(premultiplied);
    const auto blend = [remaining](int channel, int backgroundChannel) {
        return channel + (backgroundChannel * remaining + 127) / 255;
    };
    return qRgb(blend(qRed(premultiplied), qRed(background)), blend(qGreen(premultiplied), qGreen(background)),
                blend(qBlue(premultiplied), qBlue(background)));
}

QImage flattenOnto(QImage image, QRgb background)
{
    if (!image.hasAlphaChannel()) {
        image.convertTo(QImage::Format_RGB32);
        return image;
    }
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = flattenPixel(row[x], background);
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

} // namespace picture
