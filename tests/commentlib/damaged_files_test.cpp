// Damaged files: whatever is wrong with them, the library never crashes, never writes, and reads no comment,
// except a JPEG damaged only in its image data: its intact header is read and written, its damaged image data
// kept byte for byte.
#include "comment_test_support.h"

#include "commentlib/container.h"
#include "commentlib/corvane.h"
#include "file_edit_check.h"
#include "round_trip_check.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstring>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

class DamagedFiles : public ::testing::Test {
protected:
    static constexpr const char* kComment = "a comment\r\nwith two lines \xC3\xA9";

    // Every way in must refuse: read, set and erase, and the bytes on disk stay as they were.
    void expectRefused(const QByteArray& damaged, const std::string& what)
    {
        const QString path = folder.filePath("damaged");
        writeFile(path, damaged);
        const Comment read = readComment(path);
        EXPECT_LT(read.status, 0) << what;
        EXPECT_EQ(read.text, "") << what;
        EXPECT_LT(setComment(path, "new comment"), 0) << what;
        EXPECT_LT(eraseComment(path), 0) << what;
        EXPECT_EQ(readFile(path), damaged) << what;
    }

    // A JPEG whose header holds kComment, its image data from `imageData` on cut or damaged.
    void expectWrittenKeepingImageData(const QByteArray& damaged, qsizetype imageData, const std::string& what)
    {
        const QString path = folder.filePath("damaged");
        writeFile(path, damaged);
        EXPECT_EQ(readComment(path).text, kComment) << what;
        ASSERT_EQ(setComment(path, "new comment"), CORVANE_OK) << what;
        EXPECT_TRUE(readFile(path).endsWith(damaged.mid(imageData))) << what;
        EXPECT_EQ(readComment(path).text, "new comment") << what;
        ASSERT_EQ(eraseComment(path), CORVANE_OK) << what;
        EXPECT_TRUE(readFile(path).endsWith(damaged.mid(imageData))) << what;
    }

    // A file that decoders read: read as having no comment, written and erased keeping every byte it had.
    void expectReadWithoutComment(const QByteArray& bytes, const std::string& what)
    {
        const QString path = folder.filePath("readable");
        writeFile(path, bytes);
        const Comment read = readComment(path);
        EXPECT_EQ(read.status, CORVANE_OK) << what;
        EXPECT_EQ(read.text, "") << what;
        ASSERT_EQ(setComment(path, "new comment"), CORVANE_OK) << what;
        EXPECT_EQ(readComment(path).text, "new comment") << what;
    }

    QByteArray commented(Format format)
    {
        const QString path = folder.filePath(QString("source.") + extension(format));
        writeFile(path, fixture(format));
        EXPECT_EQ(setComment(path, kComment), CORVANE_OK);
        return readFile(path);
    }

    QTemporaryDir folder;
};

// Where a JPEG's image data begins: after the first SOS segment.
qsizetype imageDataStart(const QByteArray& jpeg)
{
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    return scan < 0 ? jpeg.size() : scan + 2 + qFromBigEndian<quint16>(jpeg.constData() + scan + 2);
}

TEST_F(DamagedFiles, TruncatedAnywhere)
{
    for (Format format : {Format::Jpeg, Format::Png, Format::Gif, Format::Tiff, Format::TiffBigEndian, Format::Bmp}) {
        const QByteArray whole = commented(format);
        const qsizetype readableFrom = format == Format::Jpeg ? imageDataStart(whole) : whole.size();
        ASSERT_LT(readableFrom, format == Format::Jpeg ? whole.size() - 2 : whole.size() + 1);
        // A BMP cut where its pixels end is a whole picture whose size field is too large.
        const qsizetype wholeBitmap = format == Format::Bmp ? fixture(format).size() : -1;
        for (qsizetype length = 0; length < whole.size();
             length += (length < 64 || length > whole.size() - 64) ? 1 : 37) {
            const std::string what = formatName(format).toStdString() + " cut at " + std::to_string(length);
            if (length == wholeBitmap)
                expectReadWithoutComment(whole.left(length), what);
            else if (length >= readableFrom)
                expectWrittenKeepingImageData(whole.left(length), readableFrom, what);
            else
                expectRefused(whole.left(length), what);
        }
    }
}

QByteArray withU16(QByteArray bytes, qsizetype offset, quint16 value, bool bigEndian)
{
    if (bigEndian)
        qToBigEndian(value, bytes.data() + offset);
    else
        qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

QByteArray withU32(QByteArray bytes, qsizetype offset, quint32 value, bool bigEndian)
{
    if (bigEndian)
        qToBigEndian(value, bytes.data() + offset);
    else
        qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

TEST_F(DamagedFiles, JpegSegmentLengthsThatLie)
{
    const QByteArray jpeg = commented(Format::Jpeg);
    const qsizetype comment = jpeg.indexOf("\xFF\xFE");
    ASSERT_GT(comment, 0);
    expectRefused(withU16(jpeg, 4, 0xFFFF, true), "first segment runs past the end");
    expectRefused(withU16(jpeg, comment + 2, 1, true), "comment length below its own size");
    expectRefused(withU16(jpeg, comment + 2, 0xFFFF, true), "comment runs past the end");
    expectWrittenKeepingImageData(jpeg.left(jpeg.size() - 2) + QByteArray(2, '\0'), imageDataStart(jpeg),
                                  "no end of image");
    // Without a comment in the header, the image data is walked for one up to its damage.
    QByteArray bare = fixture(Format::Jpeg);
    bare = bare.left(bare.size() - 2) + QByteArray(2, '\0');
    const QString path = folder.filePath("bare.jpg");
    writeFile(path, bare);
    EXPECT_EQ(readComment(path).status, 0);
    EXPECT_EQ(setComment(path, "new comment"), CORVANE_OK);
    EXPECT_TRUE(readFile(path).endsWith(bare.mid(imageDataStart(bare))));
}

TEST_F(DamagedFiles, PngChunkLengthsThatLie)
{
    const QByteArray png = commented(Format::Png);
    expectRefused(withU32(png, 8, 0x7FFFFFF0, true), "header chunk runs past the end");
    expectRefused(withU32(png, 8, 0xFFFFFFFF, true), "chunk length beyond the format's limit");
    const qsizetype comment = png.indexOf("iTXtComment") - 4;
    ASSERT_GT(comment, 0);
    expectRefused(withU32(png, comment, 3, true), "comment chunk shorter than its content");
    expectRefused(png.left(png.size() - 12), "no end chunk");
}

TEST_F(DamagedFiles, GifBlocksThatLie)
{
    const QByteArray gif = commented(Format::Gif);
    QByteArray hugeTable = gif;
    hugeTable[10] = char(quint8(hugeTable[10]) | 0x87);
    if (gif.size() < 13 + 768)
        expectRefused(hugeTable, "colour table runs past the end");
    QByteArray noTrailer = gif;
    noTrailer[noTrailer.size() - 1] = '\0';
    expectRefused(noTrailer, "trailer replaced by garbage");
    const qsizetype comment = gif.indexOf("\x21\xFE");
    ASSERT_GT(comment, 0);
    QByteArray longBlock = gif.left(comment + 2) + char(0xFF) + gif.mid(comment + 3, 40);
    expectRefused(longBlock, "sub-block runs past the end");
}

// A tiny uncompressed 2x1 grey TIFF: header, two pixel bytes, and one IFD at offset 10 with four entries.
QByteArray tinyTiff(bool bigEndian)
{
    QByteArray bytes = bigEndian ? QByteArray("MM\0*", 4) : QByteArray("II*\0", 4);
    bytes += QByteArray(4, '\0') + QByteArray("\x10\xF0", 2);
    bytes = withU32(bytes, 4, 10, bigEndian);
    QByteArray ifd(2 + 4 * 12 + 4, '\0');
    ifd = withU16(ifd, 0, 4, bigEndian);
    const quint16 entries[4][2] = {{256, 3}, {257, 3}, {273, 4}, {279, 4}};
    const quint32 values[4] = {2, 1, 8, 2};
    for (int i = 0; i < 4; ++i) {
        ifd = withU16(ifd, 2 + i * 12, entries[i][0], bigEndian);
        ifd = withU16(ifd, 4 + i * 12, entries[i][1], bigEndian);
        ifd = withU32(ifd, 6 + i * 12, 1, bigEndian);
        ifd = entries[i][1] == 3 ? withU16(ifd, 10 + i * 12, quint16(values[i]), bigEndian)
                                 : withU32(ifd, 10 + i * 12, values[i], bigEndian);
    }
    return bytes + ifd;
}

TEST_F(DamagedFiles, TiffDirectoriesThatLieOrLoop)
{
    constexpr qsizetype ifd = 10, next = ifd + 2 + 4 * 12;
    for (bool bigEndian : {false, true}) {
        const QByteArray tiff = tinyTiff(bigEndian);
        const QString path = folder.filePath("tiny.tif");
        writeFile(path, tiff);
        ASSERT_EQ(setComment(path, "valid to begin with"), CORVANE_OK) << bigEndian;

        expectRefused(withU32(tiff, 4, 5000, bigEndian), "first directory beyond the end");
        expectRefused(withU32(tiff, 4, 2, bigEndian), "first directory overlaps the header");
        expectRefused(withU16(tiff, ifd, 0xFFFF, bigEndian), "entry count runs past the end");
        expectRefused(withU32(tiff, ifd + 2 + 3 * 12 + 8, 0xFFFFFF00, bigEndian), "strip longer than the file");
        expectRefused(withU32(tiff, ifd + 2 + 2 * 12 + 8, 4000, bigEndian), "strip starts beyond the end");
        expectRefused(withU32(tiff, next, ifd, bigEndian), "directory chain points at itself");
        QByteArray twoLoop = withU32(tiff, next, quint32(tiff.size()), bigEndian) + tiff.mid(ifd);
        expectRefused(withU32(twoLoop, twoLoop.size() - 4, ifd, bigEndian), "two directories pointing at each other");
        QByteArray outOfLine = withU32(tiff, ifd + 2 + 4, 3, bigEndian); // width: three SHORTs, out of line
        expectRefused(withU32(outOfLine, ifd + 2 + 8, 0xFFFFFFF0, bigEndian), "value offset beyond the end");
    }
}

TEST_F(DamagedFiles, BmpSizesThatLie)
{
    const QByteArray bmp = commented(Format::Bmp);
    const quint32 declared = qFromLittleEndian<quint32>(bmp.constData() + 2);
    expectRefused(withU32(bmp, 2, quint32(bmp.size()) + 1, false), "declared size beyond the end");
    expectRefused(withU32(bmp, 10, declared + 1, false), "pixels start beyond the declared size");
    expectRefused(withU32(bmp, 18, 0x7FFFFFFF, false), "more pixels than the file holds");
    ASSERT_EQ(declared, quint32(bmp.size())) << "the trailer is counted in the declared size";
    expectRefused(withU32(bmp, bmp.size() - 16, quint32(bmp.size()), false), "trailer text longer than the file");
    expectRefused(withU32(bmp, bmp.size() - 12, declared - 15, false), "trailer claims a bitmap end inside itself");
    expectRefused(withU32(bmp, bmp.size() - 12, 20, false), "trailer claims a bitmap end inside the header");

    const QByteArray oldStyle = fixture(Format::Bmp) +
                                "\xC7"
                                "CORVCMT"_qba +
                                QByteArray(4, '\0');
    expectRefused(withU32(oldStyle, oldStyle.size() - 4, 5, false), "trailer of the older form longer than the file");
}

// Stray bytes that decoders skip are kept where they stand, and the comment is written around them.
class ReadableThoughDamaged : public DamagedFiles {
protected:
    // Erasing gives back `erased`: the file as it was, or with its size field right.
    void expectEditedKeeping(const QByteArray& bytes, const QByteArray& stray, const std::string& what,
                             const QByteArray& erased = {})
    {
        expectReadWithoutComment(bytes, what);
        const QString path = folder.filePath("readable");
        const QByteArray written = readFile(path);
        EXPECT_TRUE(written.contains(stray)) << what;
        EXPECT_EQ(QImage::fromData(written).convertToFormat(QImage::Format_RGB32),
                  QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32))
            << what;
        ASSERT_EQ(eraseComment(path), CORVANE_OK) << what;
        EXPECT_EQ(readFile(path), erased.isEmpty() ? bytes : erased) << what;
    }
};

TEST_F(ReadableThoughDamaged, JpegWithJunkBetweenHeaderSegments)
{
    const QByteArray jpeg = fixture(Format::Jpeg);
    const qsizetype secondSegment = 4 + qFromBigEndian<quint16>(jpeg.constData() + 4);
    const QByteArray junk("\x00\x17junk\xFF\x00", 8);
    expectEditedKeeping(jpeg.left(secondSegment) + junk + jpeg.mid(secondSegment), junk,
                        "junk after the first segment");
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    expectEditedKeeping(jpeg.left(scan) + junk + jpeg.mid(scan), junk, "junk before the scan");
    expectRefused(jpeg.left(secondSegment) + "junk up to the end", "junk without a marker after it");
}

TEST_F(ReadableThoughDamaged, GifWithAStrayByteBeforeItsTrailer)
{
    const QByteArray gif = fixture(Format::Gif);
    ASSERT_TRUE(gif.endsWith(';'));
    const QByteArray stray = gif.left(gif.size() - 1) + QByteArray(1, '\0') + ";";
    expectEditedKeeping(stray, QByteArray("\0;", 2), "stray byte before the trailer");
    expectRefused(gif.left(gif.size() - 1) + QByteArray(2, '\x7F') + ";", "two stray bytes");
}

TEST_F(ReadableThoughDamaged, BmpWithAWrongSizeField)
{
    const QByteArray bmp = fixture(Format::Bmp);
    for (const quint32 wrong : {0u, 14u, quint32(bmp.size()) - 1, quint32(bmp.size()) + 1000, 0xFFFFFFF0u}) {
        const QByteArray lying = withU32(bmp, 2, wrong, false);
        expectEditedKeeping(lying, bmp.mid(6), "size field " + std::to_string(wrong), bmp);
    }
    expectRefused(withU32(bmp, 2, 0, false).left(bmp.size() - 1), "pixels cut short");
    expectRefused(withU32(bmp, 2, quint32(bmp.size()) + 1000, false) + "x", "cut, with bytes after the pixels");
}

// Inputs the fuzzers once broke the library with, kept so those faults stay fixed.
TEST(FuzzRegressions, SavedInputsKeepTheEditProperty)
{
    const QDir folder(QString(CORVANE_TEST_DATA) + "/commentlib/regressions");
    const QStringList names = folder.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const QByteArray bytes = readFile(folder.filePath(name));
        const corvane::ByteView data(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
        for (const std::string& text : {corvane::fuzzing::textFor(data), std::string("abc"), std::string()})
            EXPECT_TRUE(corvane::fuzzing::editReadsBack(data, text)) << name.toStdString();
    }
}

// The same inputs as files, taken through get, show, set and erase as a real write takes them, with every text
// the fuzzers try.
TEST(FuzzRegressions, SavedInputsKeepTheFileProperties)
{
    const QDir folder(QString(CORVANE_TEST_DATA) + "/commentlib/regressions");
    for (const QString& name : folder.entryList(QDir::Files)) {
        const QByteArray bytes = readFile(folder.filePath(name));
        const corvane::ByteView data(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
        for (const std::string& text : corvane::fuzzing::fuzzTexts())
            EXPECT_EQ(corvane::fuzzing::fileEditFault(data, text), "")
                << name.toStdString() << " with a text of " << text.size() << " bytes";
    }
}

}
