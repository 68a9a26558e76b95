// The benchmarks' stand-in for a photo: smooth colour fields with fine grain, which compress and decode as a
// camera's pictures do. Each seed shifts the fields and the grain, so pictures of one folder differ.
#pragma once

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace bench {

inline QImage photoLike(QSize size, int seed = 0)
{
    QImage image(size, QImage::Format_RGB32);
    uint32_t noise = 2463534242u + uint32_t(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            const int grain = int(noise % 13) - 6;
            const double u = (x + seed * 397) / 900.0, v = (y + seed * 211) / 700.0;
            const int r = 128 + int(90 * std::sin(u) * std::cos(v * 0.7)) + grain;
            const int g = 128 + int(80 * std::sin(v + u * 0.3)) + grain;
            const int b = 120 + int(70 * std::cos(u * 0.6 - v)) + grain;
            row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    return image;
}

} // namespace bench
