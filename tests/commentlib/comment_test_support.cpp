// Fixtures are made once per format and kept for the whole run: most by the toolkit's own encoders, GIF and the
// big-endian TIFF by an external converter. Programs are looked up in /usr/bin before the rest of PATH.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <map>

namespace commenttest {

namespace {

QImage gradientPicture()
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, 255 - x * 3));
    return image;
}

QByteArray encodedByQt(const char* qtFormat)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(gradientPicture().save(&buffer, qtFormat)) << qtFormat;
    return bytes;
}

QByteArray encodedByImageMagick(const QStringList& options, const char* extension)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QString("fixture.") + extension);
    const ProcessResult result =
        run(findProgram("convert"), QStringList{"-size", "40x30", "gradient:red-blue"} + options + QStringList{path});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return readFile(path);
}

QByteArray make(Format format)
{
    switch (format) {
    case Format::Jpeg:
        return encodedByQt("JPEG");
    case Format::Png:
        return encodedByQt("PNG");
    case Format::Bmp:
        return encodedByQt("BMP");
    case Format::Tiff:
        return encodedByQt("TIFF");
    case Format::Gif:
        return encodedByImageMagick({}, "gif");
    case Format::TiffBigEndian:
        return encodedByImageMagick({"-endian", "MSB", "-compress", "none"}, "tif");
    }
    return {};
}

}

const char* extension(Format format)
{
    switch (format) {
    case Format::Jpeg:
        return "jpg";
    case Format::Png:
        return "png";
    case Format::Gif:
        return "gif";
    case Format::Tiff:
    case Format::TiffBigEndian:
        return "tif";
    case Format::Bmp:
        return "bmp";
    }
    return "";
}

QString formatName(Format format)
{
    return format == Format::TiffBigEndian ? "TiffBigEndian" : QString(extension(format)).toUpper();
}

QByteArray fixture(Format format)
{
    static std::map<Format, QByteArray> made;
    auto it = made.find(format);
    if (it == made.end())
        it = made.emplace(format, make(format)).first;
    return it->second;
}

QByteArray patternedBitmap(quint32 width, quint32 height)
{
    constexpr quint32 pixelOffset = 54;
    const quint32 size = pixelOffset + width * height * 4;
    QByteArray bytes(qsizetype(size), '\0');
    for (qsizetype i = pixelOffset; i < bytes.size(); ++i)
        bytes[i] = char(i % 251);
    char* header = bytes.data();
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian(size, header + 2);
    qToLittleEndian(pixelOffset, header + 10);
    qToLittleEndian(quint32(40), header + 14);
    qToLittleEndian(width, header + 18);
    qToLittleEndian(height, header + 22);
    qToLittleEndian(quint16(1), header + 26);
    qToLittleEndian(quint16(32), header + 28);
    return bytes;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

Comment readComment(const QString& path)
{
    const QByteArray encoded = path.toUtf8();
    char* pathText = const_cast<char*>(encoded.constData());
    std::string buffer(200000, ' ');
    const int32_t status = FillString(buffer.data(), int32_t(buffer.size()), &pathText);
    return {status, std::string(buffer.c_str())};
}

int32_t setComment(const QString& path, const std::string& text)
{
    const QByteArray encoded = path.toUtf8();
    char* pathText = const_cast<char*>(encoded.constData());
    char* comment = const_cast<char*>(text.c_str());
    return DisplayStringByRef(&comment, int32_t(QString::fromStdString(text).size()), &pathText);
}

int32_t eraseComment(const QString& path)
{
    const QByteArray encoded = path.toUtf8();
    char* pathText = const_cast<char*>(encoded.constData());
    return eraser(&pathText);
}

QString findProgram(const QString& name)
{
    // The distribution's own binary first: a wrapper earlier on PATH may stand in for the real program.
    const QString system = QStandardPaths::findExecutable(name, {"/usr/bin"});
    return system.isEmpty() ? QStandardPaths::findExecutable(name) : system;
}

ProcessResult run(const QString& program, const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

QString toolPath()
{
    return QString(CORVANE_BIN_DIR) + "/corvane-comment";
}

QStringList otherEntries(const QString& folder, const QStringList& keep)
{
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : keep)
        entries.removeAll(name);
    return entries;
}

}
