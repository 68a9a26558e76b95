// IPTC wherever other programs put it among a picture's image resources: after resources under other
// signatures, in a later APP13 segment or split over two, in a segment with no room left, and in a TIFF whose
// IPTC value is padded. Each is read, takes the new caption or loses the old one, and is erased.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

QByteArray bigEndian16(int value)
{
    return QByteArray(1, char(value >> 8)) + char(value);
}

QByteArray bigEndian32(qsizetype value)
{
    return bigEndian16(int(value >> 16)) + bigEndian16(int(value & 0xFFFF));
}

QByteArray resource(const QByteArray& signature, int id, const QByteArray& data)
{
    QByteArray out = signature + bigEndian16(id) + QByteArray(2, '\0') + bigEndian32(data.size()) + data;
    return data.size() % 2 ? out + '\0' : out;
}

QByteArray iptcCaption(const QByteArray& caption)
{
    return "\x1C\x02\x78"_qba + bigEndian16(int(caption.size())) + caption;
}

QByteArray app13(const QByteArray& list)
{
    const QByteArray payload = "Photoshop 3.0\0"_qba + list;
    return "\xFF\xED"_qba + bigEndian16(int(payload.size() + 2)) + payload;
}

// `segments` placed after the JFIF segment of a small JPEG.
QByteArray jpegWith(const QByteArray& segments)
{
    const QByteArray jpeg = fixture(Format::Jpeg);
    const qsizetype afterApp0 = 4 + (uchar(jpeg[4]) << 8 | uchar(jpeg[5]));
    return jpeg.left(afterApp0) + segments + jpeg.mid(afterApp0);
}

class IptcResources : public MetadataToolsTest {
protected:
    std::string tag(const QString& path, const QString& name)
    {
        return run(exiftool, {"-b", "-" + name, path}).out.toStdString();
    }

    std::string exiv2Caption(const QString& path)
    {
        return run(exiv2, {"-q", "-Pv", "-K", "Iptc.Application2.Caption", path}).out.toStdString();
    }

    // The caption is read, replaced and erased where exiftool (and exiv2, where it finds it) look for it.
    void expectCaptionFollowsEdits(const QString& path)
    {
        ASSERT_EQ(tag(path, "IPTC:Caption-Abstract"), "old caption") << "exiftool reads the test file";
        const bool exiv2Finds = exiv2Caption(path) == "old caption\n";
        EXPECT_EQ(readComment(path).text, "old caption");
        EXPECT_EQ(setComment(path, "new caption"), CORVANE_OK);
        EXPECT_EQ(tag(path, "IPTC:Caption-Abstract"), "new caption");
        if (exiv2Finds) {
            EXPECT_EQ(exiv2Caption(path), "new caption\n");
        }
        EXPECT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_EQ(tag(path, "IPTC:Caption-Abstract"), "");
        EXPECT_EQ(exiv2Caption(path), "");
        EXPECT_EQ(readComment(path).text, "");
    }
};

TEST_F(IptcResources, IptcAfterResourcesOfOtherSignaturesIsFound)
{
    for (const QByteArray& signature : {"MeSa"_qba, "PHUT"_qba, "AgHg"_qba, "DCSR"_qba}) {
        SCOPED_TRACE(signature.toStdString());
        const QByteArray list =
            resource(signature, 0x0001, "their own data"_qba) + resource("8BIM", 0x0404, iptcCaption("old caption"));
        expectCaptionFollowsEdits(store(signature + ".jpg", jpegWith(app13(list))));
    }
}

TEST_F(IptcResources, IptcInALaterOrSplitSegmentIsFound)
{
    const QByteArray resolution = resource("8BIM", 0x03ED, QByteArray(16, '\1'));
    const QByteArray betweenThem = "\xFF\xE2\0\x06MARK"_qba;
    const QString later = store("later.jpg", jpegWith(app13(resolution) + betweenThem +
                                                      app13(resource("8BIM", 0x0404, iptcCaption("old caption")))));
    expectCaptionFollowsEdits(later);

    const QByteArray list = resolution + resource("8BIM", 0x0404, iptcCaption("old caption"));
    const QString split = store("split.jpg", jpegWith(app13(list.left(30)) + app13(list.mid(30))));
    expectCaptionFollowsEdits(split);
}

TEST_F(IptcResources, FullSegmentLosesTheOldCaptionAndSaysSo)
{
    const QByteArray filler = resource("8BIM", 0x0FA0, QByteArray(65400, 'f'));
    const QString path =
        store("full.jpg", jpegWith(app13(filler + resource("8BIM", 0x0404, iptcCaption("old caption")))));
    ASSERT_EQ(tag(path, "IPTC:Caption-Abstract"), "old caption");
    const std::string text(1500, 'n');
    EXPECT_EQ(setComment(path, text), CORVANE_PARTIAL);
    EXPECT_EQ(tag(path, "IPTC:Caption-Abstract"), "") << "the old caption does not outlive the new text";
    EXPECT_EQ(tag(path, "XMP-dc:Description"), text);
    EXPECT_EQ(readComment(path).text, text);
    EXPECT_EQ(setComment(path, "short"), CORVANE_OK);
    EXPECT_EQ(tag(path, "IPTC:Caption-Abstract"), "short");
}

TEST_F(IptcResources, TiffDigestCoversThePaddedValue)
{
    const QString path = store("padded.tif", fixture(Format::Tiff));
    exiftoolWrites(path, {"-IPTC:Keywords=harbour", "-IPTC:Caption-Abstract=old caption", "-Photoshop:IPTCDigest=new"});
    // Captions of every length modulo four, one beyond what IPTC holds: the value is padded to whole LONGs.
    for (const std::string& text :
         {std::string(2101, 'a'), std::string("new"), std::string("new1"), std::string("ne")}) {
        ASSERT_EQ(setComment(path, text), CORVANE_OK);
        EXPECT_EQ(tag(path, "Photoshop:IPTCDigest"), tag(path, "CurrentIPTCDigest")) << text.size();
        EXPECT_FALSE(run(exiftool, {"-validate", "-warning", "-a", path}).out.contains("IPTCDigest is not current"));
        EXPECT_EQ(readComment(path).text, text) << "XMP holds the whole text and is read before IPTC";
    }
}

}
