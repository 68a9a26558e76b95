// A PNG's captions wherever other programs keep them: a "Description" text, EXIF in an eXIf chunk, and EXIF,
// IPTC and XMP in the raw profile text chunks converters write. After a set each holds the new caption (or
// none), after an erase none is left, and no old caption comes back.
#include "comment_test_support.h"

#include "commentlib/corvane.h"
#include "commentlib/png/zlib_support.h"

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

QByteArray bigEndian32(qsizetype value)
{
    QByteArray out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[i] = char(value >> (24 - 8 * i));
    return out;
}

// A tEXt chunk holding `profile` as a raw profile named `name`, placed before the image data of `png`.
QByteArray withRawProfile(const QByteArray& png, const QByteArray& name, const QByteArray& profile)
{
    QByteArray text = "\n" + name + "\n" + QByteArray::number(profile.size()).rightJustified(8, ' ');
    for (qsizetype at = 0; at < profile.size(); at += 36)
        text += "\n" + profile.mid(at, 36).toHex();
    const QByteArray typeAndData = "tEXtRaw profile type " + name + '\0' + text + "\n";
    const corvane::ByteView bytes(reinterpret_cast<const uint8_t*>(typeAndData.constData()),
                                  size_t(typeAndData.size()));
    const QByteArray chunk = bigEndian32(typeAndData.size() - 4) + typeAndData + bigEndian32(corvane::crc32Of(bytes));
    const qsizetype imageData = png.indexOf("IDAT") - 4;
    return png.left(imageData) + chunk + png.mid(imageData);
}

class PngCaptions : public MetadataToolsTest {
protected:
    // Every copy of the field, one line each.
    std::string copies(const QString& path, const QString& name)
    {
        return run(exiftool, {"-a", "-s3", "-" + name, path}).out.toStdString();
    }

    void expectEverywhere(const QString& path, const std::string& text, int iptcCopies)
    {
        const std::string line = text.empty() ? "" : text + "\n";
        EXPECT_EQ(copies(path, "MWG:Description"), line);
        EXPECT_EQ(copies(path, "EXIF:ImageDescription"), line);
        EXPECT_EQ(copies(path, "XMP-dc:Description"), line);
        std::string iptc;
        for (int i = 0; i < iptcCopies; ++i)
            iptc += line;
        EXPECT_EQ(copies(path, "IPTC:Caption-Abstract"), iptc);
        const QByteArray validation = run(exiftool, {"-validate", "-warning", "-a", path}).out;
        EXPECT_FALSE(validation.contains("Duplicate XMP")) << validation.toStdString();
        EXPECT_EQ(readComment(path).text, text);
    }

    void expectEditsReachEveryCopy(const QString& path, int iptcCopies)
    {
        ASSERT_EQ(copies(path, "MWG:Description"), "old caption\n") << "exiftool reads the test file";
        EXPECT_EQ(readComment(path).text, "old caption");
        EXPECT_EQ(setComment(path, "new caption"), CORVANE_OK);
        expectEverywhere(path, "new caption", iptcCopies);
        EXPECT_EQ(eraseComment(path), CORVANE_OK);
        expectEverywhere(path, "", 0);
    }
};

TEST_F(PngCaptions, DescriptionTextNeverOutlivesTheNewCaption)
{
    for (const std::string& text : {std::string("bell \x07 in the caption"), std::string("   ")}) {
        const QString path = store("described.png", fixture(Format::Png));
        exiftoolWrites(path, {"-XMP-dc:Creator=Someone", "-PNG:Description=old caption"});
        const int32_t expected = text == "   " ? CORVANE_OK : CORVANE_PARTIAL; // XML cannot carry a bell
        ASSERT_EQ(setComment(path, text), expected);
        EXPECT_NE(readComment(path).text, "old caption");
        EXPECT_EQ(readComment(path).text, text == "   " ? "" : text);
        EXPECT_EQ(run(exiftool, {"-b", "-PNG:Description", path}).out.toStdString(), text);
        EXPECT_EQ(copies(path, "XMP-dc:Creator"), "Someone\n");
    }
}

TEST_F(PngCaptions, ExifChunkAndRawProfilesFollowTheCaption)
{
    const QString exifChunk = store("exif-chunk.png", fixture(Format::Png));
    exiftoolWrites(exifChunk, {"-EXIF:ImageDescription=old caption", "-EXIF:Artist=Someone"});
    ASSERT_TRUE(readFile(exifChunk).contains("eXIf"));
    expectEditsReachEveryCopy(exifChunk, 0);
    EXPECT_EQ(copies(exifChunk, "EXIF:Artist"), "Someone\n");

    const QString tagged = store("tagged.jpg", fixture(Format::Jpeg));
    exiftoolWrites(tagged, {"-EXIF:ImageDescription=old caption", "-EXIF:Artist=Someone",
                            "-IPTC:Caption-Abstract=old caption", "-XMP-dc:Description=old caption"});
    const QByteArray exifBlock = run(exiftool, {"-b", "-EXIF", tagged}).out;
    const QString exifProfile =
        store("exif-profile.png", withRawProfile(fixture(Format::Png), "exif", "Exif\0\0"_qba + exifBlock));
    expectEditsReachEveryCopy(exifProfile, 0);

    const QString convert = findProgram("convert");
    if (convert.isEmpty())
        GTEST_SKIP() << "ImageMagick is needed for its raw profiles";
    const QString converted = folder.filePath("converted.png");
    ASSERT_EQ(run(convert, {tagged, converted}).exitCode, 0);
    ASSERT_TRUE(readFile(converted).contains("Raw profile type xmp"));
    // Its IPTC profile and its image resources profile are read as two copies.
    expectEditsReachEveryCopy(converted, 2);
}

}
