// Making test pictures in code: solid halves, photo-like content and hand-built GIFs.
#include "fixtures.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace fixtures {

QImage halves(int width, int height, QColor left, QColor right)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x < width / 2 ? left : right).rgb());
    return image;
}

QImage photographic(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int((seed >> 24) % 17) - 8;
            const double u = double(x) / width, v = double(y) / height;
            const double wave = 30.0 * std::sin(u * 9.0 + v * 4.0) * std::cos(v * 7.0 - u * 3.0);
            const auto channel = [&](double base) { return std::clamp(int(base + wave) + grain, 0, 255); };
            row[x] = qRgb(channel(40 + 170 * u), channel(60 + 130 * v), channel(200 - 150 * u * v));
        }
    }
    return image;
}

QString writeBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    return path;
}

QString writeImage(const QTemporaryDir& dir, const QString& name, const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        std::abort();
    return writeBytes(dir, name, bytes);
}

namespace {

// Packs GIF LZW codes least-significant bit first.
class CodeWriter {
public:
    void put(int code, int width)
    {
        bits_ |= uint32_t(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_.append(char(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray finish()
    {
        if (count_ > 0)
            bytes_.append(char(bits_ & 0xFF));
        return bytes_;
    }

private:
    QByteArray bytes_;
    uint32_t bits_ = 0;
    int count_ = 0;
};

// LZW data that only ever emits literal codes: a clear code every 100 pixels keeps the decoder's
// table, and so the code width, from growing. Valid and simple, if not small.
QByteArray lzwLiterals(const std::vector<uint8_t>& indices)
{
    constexpr int minimumCodeSize = 8, clear = 256, end = 257, width = 9;
    CodeWriter writer;
    for (size_t i = 0; i < indices.size(); ++i) {
        if (i % 100 == 0)
            writer.put(clear, width);
        writer.put(indices[i], width);
    }
    writer.put(end, width);
    QByteArray data(1, char(minimumCodeSize));
    const QByteArray codes = writer.finish();
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        data.append(char(block.size())).append(block);
    }
    return data.append(char(0));
}

void appendLittle16(QByteArray& bytes, int value)
{
    bytes.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

} // namespace

QByteArray gifBytes(int width, int height, const std::vector<QRgb>& palette,
                    const std::vector<std::vector<uint8_t>>& frames, int transparentIndex)
{
    QByteArray gif("GIF89a");
    appendLittle16(gif, width);
    appendLittle16(gif, height);
    gif.append(char(0xF7)).append(char(0)).append(char(0)); // 256-entry global table
    for (int i = 0; i < 256; ++i) {
        const QRgb color = i < int(palette.size()) ? palette[size_t(i)] : 0;
        gif.append(char(qRed(color))).append(char(qGreen(color))).append(char(qBlue(color)));
    }
    for (const auto& frame : frames) {
        gif.append("\x21\xF9\x04", 3);
        gif.append(char(transparentIndex >= 0 ? 0x09 : 0x08)); // restore to background, maybe transparent
        appendLittle16(gif, 10);
        gif.append(char(transparentIndex >= 0 ? transparentIndex : 0)).append(char(0));
        gif.append(char(0x2C));
        appendLittle16(gif, 0);
        appendLittle16(gif, 0);
        appendLittle16(gif, width);
        appendLittle16(gif, height);
        gif.append(char(0));
        gif.append(lzwLiterals(frame));
    }
    return gif.append(char(0x3B));
}

QByteArray jpegWithOrientation(const QImage& image, int orientation)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "jpg", 95))
        std::abort();
    // APP1 "Exif": a little-endian TIFF header and one IFD holding only the orientation (tag 0x0112).
    const char exif[] = "\xFF\xE1\x00\x22"
                        "Exif\x00\x00"
                        "II\x2A\x00\x08\x00\x00\x00"
                        "\x01\x00"
                        "\x12\x01\x03\x00\x01\x00\x00\x00\x00\x00\x00\x00"
                        "\x00\x00\x00\x00";
    constexpr int orientationValueAt = 2 + 2 + 6 + 8 + 2 + 8; // marker, length, "Exif", header, count, entry head
    QByteArray segment(exif, sizeof exif - 1);
    segment[orientationValueAt] = char(orientation);
    return jpeg.insert(2, segment);
}

namespace {

uint32_t crc32(const QByteArray& bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= uint8_t(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray pngChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian(uint32_t(data.size()), chunk.data());
    const QByteArray body = QByteArray(type, 4) + data;
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(body), crc.data());
    return chunk + body + crc;
}

} // namespace

QByteArray pngHeaderOnly(int width, int height)
{
    QByteArray header(13, '\0');
    qToBigEndian(uint32_t(width), header.data());
    qToBigEndian(uint32_t(height), header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 2; // RGB
    // The start of the first row (filter byte and a few pixels), as a complete zlib stream.
    const QByteArray firstBytes = qCompress(QByteArray(16, '\0')).mid(4);
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", firstBytes) +
           pngChunk("IEND", QByteArray());
}

double meanAbsoluteDifference(const QImage& a, const QImage& b)
{
    double total = 0.0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return total / (3.0 * a.width() * a.height());
}

bool regionIs(const QImage& image, const QRect& rect, QColor color, int tolerance)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - color.red()) > tolerance || std::abs(qGreen(p) - color.green()) > tolerance ||
                std::abs(qBlue(p) - color.blue()) > tolerance)
                return false;
        }
    return true;
}

} // namespace fixtures
