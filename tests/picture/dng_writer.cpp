// Writing small DNG files in code, with or without a JPEG preview.
#include "dng_writer.h"

#include <QBuffer>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>

namespace fixtures {

namespace {

enum Type : uint16_t { Byte = 1, Ascii = 2, Short = 3, Long = 4, SRational = 10 };

struct Entry {
    uint16_t tag;
    Type type;
    uint32_t count;
    QByteArray value; // little-endian
};

template<typename T>
QByteArray little(std::initializer_list<T> values)
{
    QByteArray bytes;
    for (const T value : values) {
        char at[sizeof(T)];
        qToLittleEndian(value, at);
        bytes.append(at, sizeof(T));
    }
    return bytes;
}

Entry shorts(uint16_t tag, std::initializer_list<uint16_t> values)
{
    return {tag, Short, uint32_t(values.size()), little(values)};
}

Entry longs(uint16_t tag, std::initializer_list<uint32_t> values)
{
    return {tag, Long, uint32_t(values.size()), little(values)};
}

Entry bytes(uint16_t tag, const QByteArray& values)
{
    return {tag, Byte, uint32_t(values.size()), values};
}

Entry ascii(uint16_t tag, const char* text)
{
    const QByteArray value = QByteArray(text) + '\0';
    return {tag, Ascii, uint32_t(value.size()), value};
}

// Identity colour matrix: the mosaic's levels are taken as they are.
Entry identityMatrix(uint16_t tag)
{
    return {tag, SRational, 9, little<int32_t>({1, 1, 0, 1, 0, 1, 0, 1, 1, 1, 0, 1, 0, 1, 0, 1, 1, 1})};
}

void padToEven(QByteArray& file)
{
    if (file.size() % 2)
        file.append('\0');
}

// Appends a directory, its longer values after it, and returns where it starts.
uint32_t appendDirectory(QByteArray& file, std::vector<Entry> entries)
{
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
    padToEven(file);
    const uint32_t at = uint32_t(file.size());
    uint32_t valuesAt = at + 2 + 12 * uint32_t(entries.size()) + 4;
    QByteArray directory = little<uint16_t>({uint16_t(entries.size())});
    QByteArray values;
    for (const Entry& entry : entries) {
        directory += little<uint16_t>({entry.tag, entry.type}) + little<uint32_t>({entry.count});
        if (entry.value.size() <= 4) {
            directory += entry.value.leftJustified(4, '\0');
            continue;
        }
        directory += little<uint32_t>({valuesAt + uint32_t(values.size())});
        values += entry.value;
        padToEven(values);
    }
    file += directory + little<uint32_t>({0}) + values;
    return at;
}

// Appends data and returns where it starts.
uint32_t appendData(QByteArray& file, const QByteArray& data)
{
    padToEven(file);
    const uint32_t at = uint32_t(file.size());
    file += data;
    return at;
}

QByteArray jpegOf(const QImage& image, int quality)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "jpg", quality))
        std::abort();
    return jpeg;
}

std::vector<Entry> dngTags(int orientation)
{
    return {bytes(50706, QByteArray("\x01\x04\x00\x00", 4)),
            bytes(50707, QByteArray("\x01\x01\x00\x00", 4)),
            ascii(271, "Corvane"),
            ascii(272, "Test DNG"),
            ascii(50708, "Corvane Test DNG"),
            shorts(274, {uint16_t(orientation)}),
            identityMatrix(50721),
            shorts(50778, {21}),
            {50728, SRational, 3, little<int32_t>({1, 1, 1, 1, 1, 1})}};
}

std::vector<Entry> rawTags(QSize size, uint32_t dataAt)
{
    const auto width = uint32_t(size.width()), height = uint32_t(size.height());
    return {longs(254, {0}),       longs(256, {width}),
            longs(257, {height}),  shorts(258, {16}),
            shorts(259, {1}),      shorts(262, {32803}),
            longs(273, {dataAt}),  shorts(277, {1}),
            longs(278, {height}),  longs(279, {width * height * 2}),
            shorts(33421, {2, 2}), bytes(33422, QByteArray("\x00\x01\x01\x02", 4)),
            longs(50717, {4095})};
}

std::vector<Entry> previewTags(QSize size, uint32_t dataAt, uint32_t length, uint32_t rawDirectoryAt)
{
    const auto width = uint32_t(size.width()), height = uint32_t(size.height());
    return {longs(254, {1}),      longs(256, {width}),  longs(257, {height}),        shorts(258, {8, 8, 8}),
            shorts(259, {7}),     shorts(262, {6}),     longs(273, {dataAt}),        shorts(277, {3}),
            longs(278, {height}), longs(279, {length}), longs(330, {rawDirectoryAt})};
}

QByteArray samplesOf(const std::vector<uint16_t>& samples)
{
    QByteArray data(qsizetype(samples.size() * 2), '\0');
    for (std::size_t i = 0; i < samples.size(); ++i)
        qToLittleEndian(samples[i], data.data() + 2 * i);
    return data;
}

} // namespace

QByteArray dngBytes(const DngContent& content, int previewQuality)
{
    QByteArray file("II\x2A\x00\x00\x00\x00\x00", 8);
    const uint32_t rawAt = appendData(file, samplesOf(content.rawSamples));
    std::vector<Entry> first;
    if (content.preview.isNull()) {
        first = rawTags(content.rawSize, rawAt);
    } else {
        const uint32_t rawDirectoryAt = appendDirectory(file, rawTags(content.rawSize, rawAt));
        const QByteArray jpeg = jpegOf(content.preview, previewQuality);
        const uint32_t previewAt = appendData(file, jpeg);
        first = previewTags(content.preview.size(), previewAt, uint32_t(jpeg.size()), rawDirectoryAt);
    }
    const std::vector<Entry> dng = dngTags(content.orientation);
    first.insert(first.end(), dng.begin(), dng.end());
    qToLittleEndian(appendDirectory(file, first), file.data() + 4);
    return file;
}

std::vector<uint16_t> brightLeftMosaic(QSize size)
{
    std::vector<uint16_t> samples;
    samples.reserve(std::size_t(size.width()) * std::size_t(size.height()));
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            samples.push_back(x < size.width() / 2 ? 3600 : 300);
    return samples;
}

} // namespace fixtures
