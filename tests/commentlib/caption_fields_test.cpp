// The caption fields other photo programs read and write: what they wrote is read back in their order, and
// `corvane-comment show` lists each field that holds text.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

const std::string kCaption = "Harbour at dusk, caf\xC3\xA9 lights \xE2\x82\xAC";

class CaptionFields : public MetadataToolsTest {
protected:
    QString picture(const QString& name, Format format)
    {
        return store(name + "." + extension(format), fixture(format));
    }
};

TEST_F(CaptionFields, CaptionsOtherProgramsWroteAreRead)
{
    const QString caption = QString::fromStdString(kCaption);
    for (Format format : {Format::Jpeg, Format::Tiff}) {
        const QString byExiftool = picture("exiftool", format);
        exiftoolWrites(byExiftool, {"-MWG:Description=" + caption});
        EXPECT_EQ(readComment(byExiftool).text, kCaption) << formatName(format).toStdString();

        const QString byExiv2 = picture("exiv2", format);
        ASSERT_EQ(run(exiv2, {"-M", "set Xmp.dc.description lang=x-default " + caption, byExiv2}).exitCode, 0);
        EXPECT_EQ(readComment(byExiv2).text, kCaption) << formatName(format).toStdString();
    }
    const QString pngXmp = picture("xmp", Format::Png);
    ASSERT_EQ(run(exiv2, {"-M", "set Xmp.dc.description lang=x-default " + caption, pngXmp}).exitCode, 0);
    EXPECT_EQ(readComment(pngXmp).text, kCaption);
    const QString pngText = picture("text", Format::Png);
    exiftoolWrites(pngText, {"-PNG:Description=" + caption});
    EXPECT_EQ(readComment(pngText).text, kCaption);
}

TEST_F(CaptionFields, FieldsAreConsultedInTheirOrder)
{
    const QString jpeg = picture("order", Format::Jpeg);
    exiftoolWrites(jpeg, {"-Comment=from COM"});
    EXPECT_EQ(readComment(jpeg).text, "from COM");
    exiftoolWrites(jpeg, {"-IPTC:Caption-Abstract=from IPTC"});
    EXPECT_EQ(readComment(jpeg).text, "from IPTC");
    exiftoolWrites(jpeg, {"-XMP-dc:Description=from XMP"});
    EXPECT_EQ(readComment(jpeg).text, "from XMP");
    exiftoolWrites(jpeg, {"-EXIF:ImageDescription=OLYMPUS DIGITAL CAMERA"});
    EXPECT_EQ(readComment(jpeg).text, "from XMP") << "a camera's placeholder is no caption";
    exiftoolWrites(jpeg, {"-EXIF:ImageDescription=    "});
    EXPECT_EQ(readComment(jpeg).text, "from XMP") << "spaces are no caption";
    // IPTC changed after its digest was taken: a program unaware of XMP edited it last, so it wins.
    exiftoolWrites(jpeg, {"-Photoshop:IPTCDigest=00112233445566778899aabbccddeeff"});
    EXPECT_EQ(readComment(jpeg).text, "from IPTC");
    exiftoolWrites(jpeg, {"-EXIF:ImageDescription=from EXIF"});
    EXPECT_EQ(readComment(jpeg).text, "from EXIF");

    const QString png = picture("order", Format::Png);
    exiftoolWrites(png, {"-PNG:Comment=from Comment"});
    EXPECT_EQ(readComment(png).text, "from Comment");
    exiftoolWrites(png, {"-PNG:Description=from Description"});
    EXPECT_EQ(readComment(png).text, "from Description");
    exiftoolWrites(png, {"-XMP-dc:Description=from XMP"});
    EXPECT_EQ(readComment(png).text, "from XMP");
}

TEST_F(CaptionFields, Latin1IptcCaptionKeepsItsAccents)
{
    const QString jpeg = picture("latin1", Format::Jpeg);
    exiftoolWrites(jpeg, {"-charset", "iptc=Latin", "-IPTC:Caption-Abstract=Caf\xC3\xA9 na\xC3\xAFve"});
    ASSERT_TRUE(readFile(jpeg).contains("Caf\xE9 na\xEFve")) << "exiftool stored Latin-1";
    EXPECT_EQ(readComment(jpeg).text, "Caf\xC3\xA9 na\xC3\xAFve");
    const QString utf8 = picture("utf8", Format::Jpeg);
    exiftoolWrites(utf8, {"-IPTC:CodedCharacterSet=UTF8", "-IPTC:Caption-Abstract=Caf\xC3\xA9"});
    EXPECT_EQ(readComment(utf8).text, "Caf\xC3\xA9");
}

TEST_F(CaptionFields, ShowListsEveryFieldHoldingText)
{
    const QString jpeg = picture("shown", Format::Jpeg);
    exiftoolWrites(jpeg, {"-EXIF:ImageDescription=SONY DSC", "-XMP-dc:Description=harbour", "-Comment=old note"});
    const QString gif = picture("shown", Format::Gif);
    ASSERT_EQ(setComment(gif, "a gif"), CORVANE_OK);
    const ProcessResult shown = run(toolPath(), {"show", jpeg, gif});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_EQ(shown.out.toStdString(), "==> " + jpeg.toStdString() +
                                           " <==\n"
                                           "ImageDescription: SONY DSC\n"
                                           "dc:description: harbour\n"
                                           "Comment: old note\n"
                                           "==> " +
                                           gif.toStdString() +
                                           " <==\n"
                                           "Comment: a gif\n");
    EXPECT_EQ(readComment(jpeg).text, "harbour");
}

TEST_F(CaptionFields, OtherLanguagesOfTheDescriptionStay)
{
    const auto tag = [&](const QString& path, const QString& name) {
        return run(exiftool, {"-b", "-" + name, path}).out.toStdString();
    };
    for (Format format : {Format::Jpeg, Format::Tiff, Format::Png}) {
        const std::string name = formatName(format).toStdString();
        const QString path = picture("languages", format);
        exiftoolWrites(path, {"-XMP-dc:Description=Old", "-XMP-dc:Description-de-DE=Hallo"});
        ASSERT_EQ(setComment(path, "New"), CORVANE_OK) << name;
        EXPECT_EQ(tag(path, "XMP-dc:Description"), "New") << name;
        EXPECT_EQ(tag(path, "XMP-dc:Description-de-DE"), "Hallo") << name;
        ASSERT_EQ(eraseComment(path), CORVANE_OK) << name;
        EXPECT_EQ(tag(path, "XMP-dc:Description"), "") << name;
        EXPECT_EQ(tag(path, "XMP-dc:Description-de-DE"), "Hallo") << name;
        EXPECT_EQ(readComment(path).text, "") << name << ": a translation is not the caption";
    }
}

// exiftool moves what does not fit the main packet's segment into extended XMP.
TEST_F(CaptionFields, CaptionInExtendedXmpIsReadAndLeavesWithTheNextEdit)
{
    const std::string longText = std::string(70000, 'L') + " end";
    const QString longFile = folder.filePath("long.txt");
    writeFile(longFile, QByteArray::fromStdString(longText));
    const auto tag = [&](const QString& path, const QString& name) {
        return run(exiftool, {"-b", "-" + name, path}).out.toStdString();
    };
    const auto holdsOldText = [&](const QString& path) { return readFile(path).contains(QByteArray(1000, 'L')); };

    const QString alone = picture("alone", Format::Jpeg);
    exiftoolWrites(alone, {"-XMP-dc:Description<=" + longFile, "-XMP-dc:Creator=Someone"});
    ASSERT_FALSE(tag(alone, "XMP-xmpNote:HasExtendedXMP").empty()) << "exiftool wrote extended XMP";
    EXPECT_EQ(readComment(alone).text, longText);
    EXPECT_TRUE(run(toolPath(), {"show", alone}).out.contains("dc:description: LLL"));
    ASSERT_EQ(eraseComment(alone), CORVANE_OK);
    EXPECT_FALSE(holdsOldText(alone)) << "the erased caption is gone from the extension too";
    EXPECT_EQ(tag(alone, "XMP-dc:Description"), "");
    EXPECT_EQ(tag(alone, "XMP-xmpNote:HasExtendedXMP"), "") << "no pointer to an extension that went";
    EXPECT_EQ(tag(alone, "XMP-dc:Creator"), "Someone");

    // The extension keeps what else it holds, under the GUID of its new text.
    const QString shared = picture("shared", Format::Jpeg);
    exiftoolWrites(shared, {"-XMP-dc:Description<=" + longFile, "-XMP-dc:Rights<=" + longFile});
    ASSERT_EQ(setComment(shared, "short"), CORVANE_OK);
    EXPECT_EQ(tag(shared, "XMP-dc:Description"), "short");
    EXPECT_EQ(tag(shared, "XMP-dc:Rights"), longText);
    EXPECT_EQ(readComment(shared).text, "short");
    EXPECT_EQ(readFile(shared).count("</dc:description>"), 1) << "no other description is left in the extension";
    const QByteArray validation = run(exiftool, {"-validate", "-warning", "-a", shared}).out;
    EXPECT_FALSE(validation.contains("Warning")) << validation.toStdString();
    EXPECT_EQ(run(exiv2, {"-q", "-Pv", "-K", "Xmp.dc.description", shared}).out.toStdString(),
              "lang=\"x-default\" short\n");
}

}

// The XMP parser keeps one prefix table for the whole process: a picture whose packet declares dc as some
// other namespace must neither be read as holding a caption nor make later captions land in that namespace
// (a packet written anew goes through that table).
TEST_F(CaptionFields, PacketBindingDcElsewhereIsNotReadAndLeavesLaterCaptionsInDublinCore)
{
    const auto withPacket = [&](const QString& name, const QString& dcNamespace, const QString& description) {
        const QString packetFile = folder.filePath(name + ".xmp");
        writeFile(packetFile, ("<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
                               "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description "
                               "rdf:about='' xmlns:dc='" +
                               dcNamespace + "'>" + description + "</rdf:Description></rdf:RDF></x:xmpmeta>")
                                  .toUtf8());
        const QString path = picture(name, Format::Jpeg);
        exiftoolWrites(path, {"-XMP<=" + packetFile});
        return path;
    };
    const QString foreign = withPacket("foreign", "http://example.com/not/dublin/core/",
                                       "<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>foreign words"
                                       "</rdf:li></rdf:Alt></dc:description>");
    EXPECT_EQ(readComment(foreign).text, "");

    const QString later =
        withPacket("later", "http://purl.org/dc/elements/1.1/", "<dc:description>old</dc:description>");
    ASSERT_EQ(setComment(later, "New"), CORVANE_OK);
    EXPECT_EQ(run(exiftool, {"-b", "-XMP-dc:Description", later}).out.toStdString(), "New");
    EXPECT_FALSE(readFile(later).contains("example.com"));

    ASSERT_GE(setComment(foreign, "Mine"), CORVANE_OK);
    EXPECT_EQ(readComment(foreign).text, "Mine");
}
