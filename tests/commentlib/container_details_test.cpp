// Container details that a plain round trip does not reach: where comments sit, what else is kept, and the
// text encodings other writers use.
#include "comment_test_support.h"

#include "commentlib/corvane.h"
#include "commentlib/png/zlib_support.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstring>

#include <gtest/gtest.h>

#include <zlib.h>

using namespace commenttest;

namespace {

class ContainerSpecifics : public FolderTest {};

QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian(quint32(data.size()), chunk.data());
    chunk += type + data;
    const QByteArray typeAndData = type + data;
    QByteArray crc(4, '\0');
    qToBigEndian(
        corvane::crc32Of({reinterpret_cast<const uint8_t*>(typeAndData.constData()), size_t(typeAndData.size())}),
        crc.data());
    return chunk + crc;
}

QByteArray withChunkBeforeImageData(const QByteArray& png, const QByteArray& chunk)
{
    const qsizetype imageData = png.indexOf("IDAT") - 4;
    return png.left(imageData) + chunk + png.mid(imageData);
}

QByteArray compressed(const QByteArray& text)
{
    uLongf size = compressBound(uLong(text.size()));
    QByteArray out(qsizetype(size), '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(text.constData()),
             uLong(text.size()));
    return out.left(qsizetype(size));
}

TEST_F(ContainerSpecifics, PngLatin1TextAndCompressedChunksAreRead)
{
    const QByteArray png = fixture(Format::Png);
    const QString latin1 = store("latin1.png", withChunkBeforeImageData(png, pngChunk("tEXt", "Comment\0caf\xE9"_qba)));
    EXPECT_EQ(readComment(latin1).text, "caf\xC3\xA9");

    const QByteArray zText = "Comment\0\0"_qba + compressed("squeezed \xE9 text");
    const QString zipped = store("ztxt.png", withChunkBeforeImageData(png, pngChunk("zTXt", zText)));
    EXPECT_EQ(readComment(zipped).text, "squeezed \xC3\xA9 text");

    const QByteArray iText = "Comment\0\1\0en\0Kommentar\0"_qba + compressed("\xE6\x97\xA5\xE6\x9C\xAC");
    const QString international = store("itxt.png", withChunkBeforeImageData(png, pngChunk("iTXt", iText)));
    EXPECT_EQ(readComment(international).text, "\xE6\x97\xA5\xE6\x9C\xAC");

    ASSERT_EQ(eraseComment(international), CORVANE_OK);
    EXPECT_EQ(readFile(international), png) << "erasing removes compressed comments too";
}

TEST_F(ContainerSpecifics, PngOtherTextChunksAndBrokenCommentsAreLeftAlone)
{
    const QByteArray png = fixture(Format::Png);
    const QByteArray author = pngChunk("tEXt", "Author\0someone"_qba);
    QByteArray badCrc = pngChunk("tEXt", "Comment\0corrupt"_qba);
    badCrc[badCrc.size() - 1] = char(badCrc[badCrc.size() - 1] ^ 1);
    const QString path = store("other.png", withChunkBeforeImageData(png, author + badCrc));
    EXPECT_EQ(readComment(path).status, 0);
    EXPECT_EQ(readComment(path).text, "") << "a comment chunk with a wrong checksum is not trusted";
    ASSERT_EQ(setComment(path, "fresh"), CORVANE_OK);
    EXPECT_EQ(readComment(path).text, "fresh");
    EXPECT_TRUE(readFile(path).contains(author));
    EXPECT_FALSE(readFile(path).contains("corrupt"));
}

TEST_F(ContainerSpecifics, PngChunkKindFollowsTheText)
{
    const QString path = store("kind.png", fixture(Format::Png));
    ASSERT_EQ(setComment(path, "plain ascii"), CORVANE_OK);
    EXPECT_TRUE(readFile(path).contains(pngChunk("tEXt", "Comment\0plain ascii"_qba)));
    ASSERT_EQ(setComment(path, "caf\xC3\xA9"), CORVANE_OK);
    EXPECT_TRUE(readFile(path).contains(pngChunk("iTXt", "Comment\0\0\0\0\0caf\xC3\xA9"_qba)));
    EXPECT_LT(readFile(path).indexOf("iTXt"), readFile(path).indexOf("IDAT"));
}

TEST_F(ContainerSpecifics, JpegCommentGoesAfterTheApplicationSegments)
{
    const QByteArray jpeg = fixture(Format::Jpeg);
    ASSERT_TRUE(jpeg.startsWith("\xFF\xD8\xFF\xE0"));
    const qsizetype afterApp0 = 4 + qFromBigEndian<quint16>(jpeg.constData() + 4);
    const QString path = store("order.jpg", jpeg);
    ASSERT_EQ(setComment(path, "here"), CORVANE_OK);
    // JFIF stays first; the new EXIF and XMP segments follow it, then the comment.
    const QByteArray written = readFile(path);
    qsizetype at = afterApp0;
    for (const char* identifier : {"Exif", "http://ns.adobe.com/xap/1.0/"}) {
        EXPECT_EQ(written.mid(at, 2), "\xFF\xE1"_qba);
        EXPECT_EQ(written.mid(at + 4, qsizetype(std::strlen(identifier))), QByteArray(identifier));
        at += 2 + qFromBigEndian<quint16>(written.constData() + at + 2);
    }
    EXPECT_EQ(written.mid(at, 8), "\xFF\xFE\x00\x06here"_qba);
}

TEST_F(ContainerSpecifics, JpegLongCommentSplitsIntoFullSegmentsOnCharacterBoundaries)
{
    std::string text = "ab";
    while (text.size() < 70000)
        text += "\xE2\x82\xAC"; // characters start at 2 + 3k, so byte 65533 falls inside one
    const QString path = store("long.jpg", fixture(Format::Jpeg));
    ASSERT_EQ(setComment(path, text), CORVANE_PARTIAL) << "too long for the EXIF and XMP segments";
    const QByteArray bytes = readFile(path);
    const qsizetype first = bytes.indexOf("\xFF\xFE");
    const quint16 firstLength = qFromBigEndian<quint16>(bytes.constData() + first + 2);
    EXPECT_EQ(firstLength, 65531u + 2u) << "backs off to the start of the cut character";
    EXPECT_EQ(bytes.mid(first + 2 + firstLength, 2), "\xFF\xFE");
    EXPECT_EQ(readComment(path).text, text);
}

TEST_F(ContainerSpecifics, JpegCommentsBetweenScansAreErasedToo)
{
    const QString convert = findProgram("convert");
    if (convert.isEmpty())
        GTEST_SKIP() << "ImageMagick is not installed";
    const QString progressive = folder.filePath("progressive.jpg");
    ASSERT_EQ(run(convert, {"-size", "40x30", "gradient:red-blue", "-interlace", "JPEG", progressive}).exitCode, 0);
    QByteArray bytes = readFile(progressive);
    const qsizetype secondScan = bytes.indexOf("\xFF\xDA", bytes.indexOf("\xFF\xDA") + 2);
    ASSERT_GT(secondScan, 0);
    bytes.insert(secondScan, "\xFF\xFE\x00\x07later"_qba);
    const QString path = store("late-comment.jpg", bytes);
    const QImage before(path);
    ASSERT_FALSE(before.isNull());
    ASSERT_EQ(setComment(path, "front"), CORVANE_OK);
    EXPECT_EQ(readComment(path).text, "front");
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_FALSE(readFile(path).contains("\xFF\xFE"));
    EXPECT_EQ(QImage(path), before);
}

QByteArray withMultiPictureIndex(const QByteArray& jpeg, bool commentAfterIndex)
{
    const QByteArray index = "\xFF\xE2\x00\x0A"
                             "MPF\0MM\0*"_qba;
    const QByteArray comment = commentAfterIndex ? "\xFF\xFE\x00\x05old"_qba : QByteArray();
    const qsizetype afterApp0 = 4 + qFromBigEndian<quint16>(jpeg.constData() + 4);
    return jpeg.left(afterApp0) + index + comment + jpeg.mid(afterApp0);
}

TEST_F(ContainerSpecifics, JpegMultiPictureOffsetsAreNeverShifted)
{
    const QByteArray plain = withMultiPictureIndex(fixture(Format::Jpeg), false);
    const QString path = store("mpf.jpg", plain);
    ASSERT_EQ(setComment(path, "before the index"), CORVANE_OK);
    const QByteArray bytes = readFile(path);
    EXPECT_LT(bytes.indexOf("\xFF\xFE"), bytes.indexOf("MPF"));
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(readFile(path), plain);

    const QByteArray risky = withMultiPictureIndex(fixture(Format::Jpeg), true);
    const QString riskyPath = store("mpf-late-comment.jpg", risky);
    EXPECT_EQ(readComment(riskyPath).text, "old");
    EXPECT_EQ(setComment(riskyPath, "new"), CORVANE_E_UNSUPPORTED);
    EXPECT_EQ(eraseComment(riskyPath), CORVANE_E_UNSUPPORTED);
    EXPECT_EQ(readFile(riskyPath), risky);
}

// A multi-picture file as phones and stereo cameras write it: the first picture carries an index (APP2 "MPF")
// of every picture, each found by its start counted from the index's own header; the others follow its EOI.
// `beforeTables` goes after the index, `beforeEnd` just before the first picture's EOI.
QByteArray multiPictureFile(const QByteArray& first, const QByteArray& second, bool bigEndian,
                            const QByteArray& beforeTables, const QByteArray& beforeEnd)
{
    const auto u16 = [&](quint16 value) {
        QByteArray out(2, '\0');
        bigEndian ? qToBigEndian(value, out.data()) : qToLittleEndian(value, out.data());
        return out;
    };
    const auto u32 = [&](quint32 value) {
        QByteArray out(4, '\0');
        bigEndian ? qToBigEndian(value, out.data()) : qToLittleEndian(value, out.data());
        return out;
    };
    const qsizetype afterApp0 = 4 + qFromBigEndian<quint16>(first.constData() + 4);
    const auto index = [&](quint32 firstLength, quint32 secondStart) {
        const QByteArray header = (bigEndian ? "MM\0*"_qba : "II*\0"_qba) + u32(8);
        const QByteArray directory = u16(2) + u16(0xB001) + u16(4) + u32(1) + u32(2) + u16(0xB002) + u16(7) + u32(32) +
                                     u32(8 + 2 + 24 + 4) + u32(0);
        const QByteArray entries = u32(0x20030000) + u32(firstLength) + u32(0) + u32(0) + u32(0x00020002) +
                                   u32(quint32(second.size())) + u32(secondStart) + u32(0);
        const QByteArray payload = "MPF\0"_qba + header + directory + entries;
        QByteArray length(2, '\0');
        qToBigEndian(quint16(payload.size() + 2), length.data());
        return "\xFF\xE2"_qba + length + payload;
    };
    const qsizetype indexSize = index(0, 0).size();
    const qsizetype firstSize = first.size() + indexSize + beforeTables.size() + beforeEnd.size();
    const qsizetype indexHeader = afterApp0 + 8;
    return first.left(afterApp0) + index(quint32(firstSize), quint32(firstSize - indexHeader)) + beforeTables +
           first.mid(afterApp0, first.size() - afterApp0 - 2) + beforeEnd + "\xFF\xD9"_qba + second;
}

// Each picture the index lists, cut out where it says.
QList<QByteArray> listedPictures(const QByteArray& file)
{
    const qsizetype header = file.indexOf("MPF\0"_qba) + 4;
    const bool big = file.mid(header, 2) == "MM";
    const auto u16 = [&](qsizetype at) {
        return big ? qFromBigEndian<quint16>(file.constData() + at) : qFromLittleEndian<quint16>(file.constData() + at);
    };
    const auto u32 = [&](qsizetype at) {
        return big ? qFromBigEndian<quint32>(file.constData() + at) : qFromLittleEndian<quint32>(file.constData() + at);
    };
    const qsizetype directory = header + u32(header + 4);
    QList<QByteArray> pictures;
    for (quint16 i = 0; i < u16(directory); ++i) {
        const qsizetype entry = directory + 2 + 12 * i;
        if (u16(entry) != 0xB002)
            continue;
        for (qsizetype at = header + u32(entry + 8); at < header + u32(entry + 8) + u32(entry + 4); at += 16)
            pictures << file.mid(u32(at + 8) == 0 ? 0 : header + u32(at + 8), u32(at + 4));
    }
    return pictures;
}

TEST_F(ContainerSpecifics, JpegMultiPictureIndexFollowsTheEdit)
{
    const QByteArray first = fixture(Format::Jpeg);
    QByteArray second;
    QBuffer buffer(&second);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImage::fromData(first).mirrored(true, false).save(&buffer, "JPEG"));
    const QImage firstPicture = QImage::fromData(first), secondPicture = QImage::fromData(second);
    const QByteArray comment = "\xFF\xFE\x00\x0Eother tool's"_qba;
    for (bool bigEndian : {true, false}) {
        for (const auto& [beforeTables, beforeEnd] :
             {std::pair{comment, QByteArray()}, std::pair{QByteArray(), comment},
              std::pair{QByteArray(), QByteArray()}}) {
            const QByteArray original = multiPictureFile(first, second, bigEndian, beforeTables, beforeEnd);
            ASSERT_EQ(listedPictures(original).value(1), second);
            const QString path = store("multi.jpg", original);
            for (const std::string& text : {std::string("ours, a little longer"), std::string()}) {
                ASSERT_EQ(setComment(path, text), CORVANE_OK) << bigEndian << text;
                const QByteArray written = readFile(path);
                EXPECT_EQ(readComment(path).text, text);
                const QList<QByteArray> pictures = listedPictures(written);
                ASSERT_EQ(pictures.size(), 2);
                EXPECT_TRUE(pictures[0].endsWith("\xFF\xD9") && written.mid(pictures[0].size()) == second) << bigEndian;
                EXPECT_EQ(QImage::fromData(pictures[0]), firstPicture);
                EXPECT_EQ(pictures[1], second);
                EXPECT_EQ(QImage::fromData(pictures[1]), secondPicture);
            }
        }
    }
}

TEST_F(ContainerSpecifics, GifBecomesVersion89aAndUsesShortSubBlocks)
{
    QByteArray gif = fixture(Format::Gif);
    gif.replace(0, 6, "GIF87a");
    const QString path = store("old.gif", gif);
    const std::string text(600, 'q');
    ASSERT_EQ(setComment(path, text), CORVANE_OK);
    const QByteArray bytes = readFile(path);
    EXPECT_TRUE(bytes.startsWith("GIF89a"));
    const qsizetype comment = bytes.indexOf("\x21\xFE");
    EXPECT_EQ(quint8(bytes[comment + 2]), 255);
    EXPECT_EQ(quint8(bytes[comment + 3 + 255]), 255);
    EXPECT_EQ(quint8(bytes[comment + 4 + 510]), 90);
    EXPECT_EQ(bytes[comment + 5 + 600], '\0');
    EXPECT_EQ(readComment(path).text, text);
}

TEST_F(ContainerSpecifics, TiffOtherPagesAreKept)
{
    const QString convert = findProgram("convert"), identify = findProgram("identify");
    if (convert.isEmpty() || identify.isEmpty())
        GTEST_SKIP() << "ImageMagick is not installed";
    const QString path = folder.filePath("pages.tif");
    ASSERT_EQ(run(convert, {"-size", "40x30", "gradient:red-blue", "-size", "20x10", "xc:green", path}).exitCode, 0);
    const QStringList arguments{"-format", "%# %wx%h\n", path};
    const QByteArray before = run(identify, arguments).out;
    ASSERT_EQ(before.count('\n'), 2);
    ASSERT_EQ(setComment(path, "first page only"), CORVANE_OK);
    EXPECT_EQ(run(identify, arguments).out, before);
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(run(identify, arguments).out, before);
}

TEST_F(ContainerSpecifics, TiffShortDescriptionLivesInsideItsEntry)
{
    const QString path = store("short.tif", fixture(Format::Tiff));
    const qsizetype sizeBefore = readFile(path).size();
    ASSERT_EQ(setComment(path, "abc"), CORVANE_OK);
    EXPECT_EQ(readComment(path).text, "abc");
    ASSERT_EQ(setComment(path, "abcd"), CORVANE_OK);
    EXPECT_EQ(readComment(path).text, "abcd");
    EXPECT_GT(readFile(path).size(), sizeBefore);
}

qsizetype gifAfterColourTable(const QByteArray& gif)
{
    const quint8 packed = quint8(gif[10]);
    return 13 + ((packed & 0x80) ? 3 << ((packed & 7) + 1) : 0);
}

TEST_F(ContainerSpecifics, GifVersion87aComesBackWhenTheLastExtensionIsErased)
{
    // The fixture's only extension is a graphic control block; without it the picture is a plain 87a file.
    const QByteArray withControl = fixture(Format::Gif);
    const qsizetype afterTable = gifAfterColourTable(withControl);
    ASSERT_EQ(withControl.mid(afterTable, 2), "\x21\xF9");
    QByteArray gif = withControl;
    gif.remove(afterTable, 8);
    gif.replace(0, 6, "GIF87a");
    const QString path = store("plain87.gif", gif);
    ASSERT_EQ(setComment(path, "for a while"), CORVANE_OK);
    ASSERT_TRUE(readFile(path).startsWith("GIF89a"));
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(readFile(path), gif);
    EXPECT_EQ(QImage(path), QImage::fromData(gif));

    const QString controlPath = store("control.gif", withControl);
    ASSERT_EQ(setComment(controlPath, "the control block still needs 89a"), CORVANE_OK);
    ASSERT_EQ(eraseComment(controlPath), CORVANE_OK);
    EXPECT_EQ(readFile(controlPath), withControl);
}

TEST_F(ContainerSpecifics, BmpTrailerIsCountedInTheDeclaredSize)
{
    const QByteArray bmp = fixture(Format::Bmp);
    const QString path = store("counted.bmp", bmp);
    ASSERT_EQ(setComment(path, "counted \xC3\xA9"), CORVANE_OK);
    const QByteArray bytes = readFile(path);
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 2), quint32(bytes.size()));
    EXPECT_EQ(bytes.left(2) + bytes.mid(6, bmp.size() - 6), bmp.left(2) + bmp.mid(6));
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(readFile(path), bmp);
}

TEST_F(ContainerSpecifics, BmpTrailerOfTheOlderFormIsReadAndReplaced)
{
    const QByteArray bmp = fixture(Format::Bmp);
    QByteArray length(4, '\0');
    qToLittleEndian(quint32(9), length.data());
    const QByteArray older = bmp +
                             "\xC7"
                             "CORVCMT"_qba +
                             length + "older one";
    const QString path = store("older.bmp", older);
    EXPECT_EQ(readComment(path).text, "older one");
    ASSERT_EQ(setComment(path, "newer"), CORVANE_OK);
    EXPECT_EQ(readComment(path).text, "newer");
    EXPECT_EQ(qFromLittleEndian<quint32>(readFile(path).constData() + 2), quint32(readFile(path).size()));
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(readFile(path), bmp);

    const QString erased = store("older-erased.bmp", older);
    ASSERT_EQ(eraseComment(erased), CORVANE_OK);
    EXPECT_EQ(readFile(erased), bmp);
}

TEST_F(ContainerSpecifics, BmpForeignBytesAfterTheBitmapStayBehindOurTrailer)
{
    const QByteArray bitmap = fixture(Format::Bmp);
    const QByteArray bmp = bitmap + "foreign tail";
    const QString path = store("tail.bmp", bmp);
    ASSERT_EQ(setComment(path, "ours"), CORVANE_OK);
    QByteArray footer(8, '\0');
    qToLittleEndian(quint32(4), footer.data());
    qToLittleEndian(quint32(bitmap.size()), footer.data() + 4);
    const QByteArray bytes = readFile(path);
    EXPECT_EQ(bytes.mid(6), bitmap.mid(6) + "ours" + footer +
                                "\xC7"
                                "CORVCM2foreign tail"_qba);
    EXPECT_EQ(readComment(path).text, "ours");
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(readFile(path), bmp);
}

TEST_F(ContainerSpecifics, TiffErasedDescriptionLeavesNoTrace)
{
    for (Format format : {Format::Tiff, Format::TiffBigEndian}) {
        const QString path = store(QString("trace.") + extension(format), fixture(format));
        const QImage before(path);
        ASSERT_EQ(setComment(path, "a secret nobody should find later"), CORVANE_OK);
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_FALSE(readFile(path).contains("secret")) << formatName(format).toStdString();
        ASSERT_EQ(setComment(path, "second secret, longer than the first one was"), CORVANE_OK);
        ASSERT_EQ(setComment(path, "short"), CORVANE_OK);
        EXPECT_FALSE(readFile(path).contains("secret")) << formatName(format).toStdString();
        ASSERT_EQ(setComment(path, "abc"), CORVANE_OK); // inline in its entry
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_FALSE(readFile(path).contains("short")) << formatName(format).toStdString();
        EXPECT_EQ(readComment(path).text, "");
        EXPECT_EQ(QImage(path), before) << formatName(format).toStdString();
    }
}

TEST_F(ContainerSpecifics, TiffDescriptionWrittenElsewhereIsBlankedWhenErased)
{
    const QString convert = findProgram("convert");
    if (convert.isEmpty())
        GTEST_SKIP() << "ImageMagick is not installed";
    const QString path = folder.filePath("described.tif");
    ASSERT_EQ(run(convert, {"-size", "40x30", "gradient:red-blue", "-set", "comment", "written by another tool",
                            "-size", "20x10", "xc:green", path})
                  .exitCode,
              0);
    ASSERT_EQ(readComment(path).text, "written by another tool");
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_FALSE(readFile(path).contains("written by another tool"));
    EXPECT_EQ(readComment(path).text, "");
}

}
