// Test pictures made in code.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace fixtures {

// A picture whose left half is `left` and right half is `right`.
QImage halves(int width, int height, QColor left, QColor right);

// Deterministic photo-like content: smooth colour gradients, soft waves and fine grain.
QImage photographic(int width, int height);

// Writes `image` with the toolkit's encoder for `format` ("jpg", "png", "bmp", "tif"...).
QString writeImage(const QTemporaryDir& dir, const QString& name, const QImage& image, const char* format,
                   int quality = 95);

QString writeBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes);

// A GIF89a whose frames are filled with palette entries; `transparentIndex` (or -1) is marked
// transparent in every frame.
QByteArray gifBytes(int width, int height, const std::vector<QRgb>& palette,
                    const std::vector<std::vector<uint8_t>>& frames, int transparentIndex = -1);

// JPEG bytes of `image` with an EXIF orientation tag inserted after the start marker.
QByteArray jpegWithOrientation(const QImage& image, int orientation);

// A PNG that declares width x height RGB pixels but carries only the first few: enough to make a
// decoder decide on allocating the picture.
QByteArray pngHeaderOnly(int width, int height);

// Mean absolute difference per colour channel, in levels (images of equal size).
double meanAbsoluteDifference(const QImage& a, const QImage& b);

// Whether every pixel of `rect` in `image` is within `tolerance` levels of `color` on each channel.
bool regionIs(const QImage& image, const QRect& rect, QColor color, int tolerance = 0);

} // namespace fixtures
