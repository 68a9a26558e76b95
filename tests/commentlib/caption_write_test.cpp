// After a set, every caption field other programs read gives the text, and nothing else of the picture moves;
// after an erase none is left.
#include "comment_test_support.h"

#include "commentlib/corvane.h"
#include "round_trip_check.h"

#include <QtEndian>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

const std::string kCaption = "Harbour at dusk \xE2\x80\x94 caf\xC3\xA9 lights \xE2\x82\xAC";

// Big-endian TIFF-structured bytes written field by field, for a camera's EXIF block.
class BlockWriter {
public:
    void u16(quint16 value) { bytes.append(char(value >> 8)).append(char(value)); }
    void u32(quint32 value) { u16(quint16(value >> 16)), u16(quint16(value)); }
    void entry(quint16 tag, quint16 type, quint32 count, quint32 value) { u16(tag), u16(type), u32(count), u32(value); }
    void text(const QByteArray& value) { bytes.append(value); }

    QByteArray bytes;
};

// A camera's EXIF: make and model, an Exif directory with a maker note whose values sit at offsets counted
// from the block's start (as one camera maker's notes do), and a GPS directory. No ImageDescription.
QByteArray cameraExif()
{
    BlockWriter w;
    w.text("MM");
    w.u16(42), w.u32(8);
    w.u16(4);                   // IFD0 at 8, ends at 62
    w.entry(0x010F, 2, 6, 62);  // Make
    w.entry(0x0110, 2, 13, 68); // Model
    w.entry(0x8769, 4, 1, 82);  // Exif directory
    w.entry(0x8825, 4, 1, 174); // GPS directory
    w.u32(0);
    w.text(QByteArray("Canon\0", 6));
    w.text(QByteArray("Canon EOS 5D\0\0", 14)); // to 82
    w.u16(2);                                   // Exif directory at 82, ends at 112
    w.entry(0x9003, 2, 20, 112);                // DateTimeOriginal
    w.entry(0x927C, 7, 42, 132);                // MakerNote
    w.u32(0);
    w.text(QByteArray("2020:01:02 03:04:05\0", 20)); // to 132
    w.u16(1);                                        // maker note at 132, ends at 150
    w.entry(0x0006, 2, 24, 150);                     // ImageType, at an offset from the block's start
    w.u32(0);
    w.text(QByteArray("CANON TEST IMAGE TYPE 1\0", 24)); // to 174
    w.u16(2);                                            // GPS directory at 174
    w.entry(0x0000, 1, 4, 0x02020000);                   // GPSVersionID
    w.entry(0x0001, 2, 2, 0x4E000000);                   // GPSLatitudeRef "N"
    w.u32(0);
    return w.bytes;
}

QByteArray withSegmentAfterJfif(const QByteArray& jpeg, char marker, const QByteArray& payload)
{
    const qsizetype afterApp0 = 4 + qFromBigEndian<quint16>(jpeg.constData() + 4);
    QByteArray segment("\xFF");
    segment.append(marker);
    segment.append(char((payload.size() + 2) >> 8)).append(char(payload.size() + 2)).append(payload);
    return jpeg.left(afterApp0) + segment + jpeg.mid(afterApp0);
}

class CaptionWriting : public MetadataToolsTest {
protected:
    std::string tag(const QString& path, const QString& name)
    {
        return run(exiftool, {"-b", "-" + name, path}).out.toStdString();
    }

    QByteArray validation(const QString& path) { return run(exiftool, {"-validate", "-warning", "-a", path}).out; }

    // Every tag but the caption fields and what describes the file itself.
    QByteArray otherTags(const QString& path)
    {
        return run(exiftool, {"-a", "-G1", "-s", "-n", "--File:all", "--ExifTool:all", "--System:all",
                              "--Composite:all", "--IFD0:ImageDescription", "--XMP-dc:Description",
                              "--XMP-x:XMPToolkit", "--IPTC:Caption-Abstract", "--IPTC:CodedCharacterSet",
                              "--Photoshop:IPTCDigest", "--Comment", "--CurrentIPTCDigest", "--PNG:Description", path})
            .out;
    }

    void expectEveryFieldHolds(const QString& path, const std::string& text, bool iptc)
    {
        EXPECT_EQ(tag(path, "MWG:Description"), text);
        EXPECT_EQ(tag(path, "XMP-dc:Description"), text);
        EXPECT_EQ(tag(path, "EXIF:ImageDescription"), text);
        EXPECT_EQ(tag(path, "IPTC:Caption-Abstract"), iptc ? text : "");
        EXPECT_EQ(tag(path, "Comment"), text);
        const std::string byExiv2 = run(exiv2, {"-q", "-Pv", "-K", "Xmp.dc.description", path}).out.toStdString();
        EXPECT_EQ(byExiv2, "lang=\"x-default\" " + text + "\n");
    }
};

TEST_F(CaptionWriting, EveryFieldTakesTheTextAndErasingLeavesNone)
{
    const QString bare = store("bare.jpg", fixture(Format::Jpeg));
    const QString tagged = store("tagged.jpg", fixture(Format::Jpeg));
    exiftoolWrites(tagged, {"-IPTC:Keywords=harbour", "-IPTC:Caption-Abstract=old caption", "-Photoshop:IPTCDigest=new",
                            "-XMP-dc:Creator=Someone", "-XMP-dc:Description=old caption", "-EXIF:Artist=Someone"});
    for (const QString& path : {bare, tagged}) {
        const bool iptc = path == tagged;
        const QByteArray validBefore = validation(path), tagsBefore = otherTags(path);
        ASSERT_EQ(setComment(path, kCaption), CORVANE_OK);
        expectEveryFieldHolds(path, kCaption, iptc);
        EXPECT_EQ(validation(path), validBefore) << "the IPTC digest is current";
        if (iptc) { // a new EXIF segment brings the resolution tags its first directory must have
            EXPECT_EQ(otherTags(path), tagsBefore);
        }
        EXPECT_EQ(readComment(path).text, kCaption);

        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        for (const char* field :
             {"MWG:Description", "XMP-dc:Description", "EXIF:ImageDescription", "IPTC:Caption-Abstract", "Comment"})
            EXPECT_EQ(tag(path, field), "") << field;
        EXPECT_EQ(validation(path), validBefore);
        EXPECT_EQ(otherTags(path), tagsBefore);
    }
    EXPECT_EQ(readFile(bare), fixture(Format::Jpeg)) << "segments that held only the caption went whole";
}

TEST_F(CaptionWriting, TiffAndPngFieldsTakeTheTextAndErasingLeavesNone)
{
    const QString tiff = store("tagged.tif", fixture(Format::Tiff));
    exiftoolWrites(tiff, {"-IPTC:Keywords=harbour", "-IPTC:Caption-Abstract=old caption", "-Photoshop:IPTCDigest=new",
                          "-XMP-dc:Creator=Someone"});
    const QString png = store("tagged.png", fixture(Format::Png));
    exiftoolWrites(png, {"-XMP-dc:Creator=Someone", "-PNG:Description=old caption"});
    const QString barePng = store("bare.png", fixture(Format::Png));
    for (const QString& path : {tiff, png, barePng}) {
        const QByteArray tagsBefore = otherTags(path);
        ASSERT_EQ(setComment(path, kCaption), CORVANE_OK);
        EXPECT_EQ(tag(path, "XMP-dc:Description"), kCaption) << path.toStdString();
        const std::string byExiv2 = run(exiv2, {"-q", "-Pv", "-K", "Xmp.dc.description", path}).out.toStdString();
        EXPECT_EQ(byExiv2, "lang=\"x-default\" " + kCaption + "\n") << path.toStdString();
        EXPECT_EQ(readComment(path).text, kCaption);
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_EQ(readComment(path).text, "") << path.toStdString();
        for (const char* field :
             {"XMP-dc:Description", "EXIF:ImageDescription", "IPTC:Caption-Abstract", "PNG:Comment"})
            EXPECT_EQ(tag(path, field), "") << path.toStdString() << " " << field;
        EXPECT_EQ(otherTags(path), tagsBefore) << path.toStdString();
    }
    ASSERT_EQ(setComment(tiff, kCaption), CORVANE_OK);
    EXPECT_EQ(tag(tiff, "EXIF:ImageDescription"), kCaption);
    EXPECT_EQ(tag(tiff, "IPTC:Caption-Abstract"), kCaption);
    EXPECT_EQ(tag(tiff, "Photoshop:IPTCDigest"), run(exiftool, {"-b", "-CurrentIPTCDigest", tiff}).out.toStdString());
    EXPECT_EQ(readFile(barePng), fixture(Format::Png)) << "the XMP chunk that held only the caption went whole";
}

TEST_F(CaptionWriting, TextXmlCannotCarryLeavesThePacketReadable)
{
    const std::string text = "bell \x07 in the caption";
    for (Format format : {Format::Jpeg, Format::Png, Format::Tiff}) {
        const QString path = store(QString("control.") + extension(format), fixture(format));
        exiftoolWrites(path, {"-XMP-dc:Creator=Someone", "-XMP-dc:Description=old caption"});
        ASSERT_EQ(setComment(path, text), CORVANE_PARTIAL) << formatName(format).toStdString();
        EXPECT_EQ(tag(path, "XMP-dc:Creator"), "Someone") << formatName(format).toStdString();
        EXPECT_EQ(tag(path, "XMP-dc:Description"), "") << "the old caption does not outlive the new text";
        EXPECT_EQ(readComment(path).text, text) << formatName(format).toStdString();
    }
}

TEST_F(CaptionWriting, MakerNotesAndOtherDirectoriesKeepTheirValues)
{
    const QString path =
        store("camera.jpg", withSegmentAfterJfif(fixture(Format::Jpeg), '\xE1', "Exif\0\0"_qba + cameraExif()));
    const QByteArray before = otherTags(path);
    ASSERT_TRUE(before.contains("CANON TEST IMAGE TYPE 1")) << before.toStdString();
    ASSERT_TRUE(before.contains("GPSLatitudeRef"));
    // The first directory grows, then its description grows beyond the bytes it had, then shrinks.
    for (const std::string& text : {kCaption, kCaption + " and a much longer tail than before", std::string("short")}) {
        ASSERT_EQ(setComment(path, text), CORVANE_OK);
        EXPECT_EQ(tag(path, "EXIF:ImageDescription"), text);
        EXPECT_EQ(otherTags(path), before) << text;
    }
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(tag(path, "EXIF:ImageDescription"), "");
    EXPECT_EQ(otherTags(path), before);
}

TEST_F(CaptionWriting, ExifSegmentNearItsLimitTakesWhatFitsAndSaysWhenNot)
{
    const QString path = store("full.jpg", fixture(Format::Jpeg));
    const auto exifLength = [&] {
        const QByteArray bytes = readFile(path);
        const qsizetype at = bytes.indexOf("Exif\0\0"_qba) - 4;
        return qFromBigEndian<quint16>(bytes.constData() + at + 2);
    };
    exiftoolWrites(path, {"-EXIF:UserComment=" + QString(60000, 'u')});
    exiftoolWrites(path, {"-EXIF:UserComment=" + QString(60000 + 65535 - 300 - exifLength(), 'u')});
    ASSERT_GT(exifLength(), 65535 - 400);
    const QByteArray tagsBefore = otherTags(path), validBefore = validation(path);

    ASSERT_EQ(setComment(path, "fits"), CORVANE_OK);
    EXPECT_EQ(tag(path, "EXIF:ImageDescription"), "fits");

    const std::string tooLong(1000, 'x');
    ASSERT_EQ(setComment(path, tooLong), CORVANE_PARTIAL);
    EXPECT_EQ(tag(path, "EXIF:ImageDescription"), "") << "the old description does not outlive the new text";
    EXPECT_EQ(tag(path, "XMP-dc:Description"), tooLong);
    EXPECT_EQ(tag(path, "Comment"), tooLong);
    EXPECT_EQ(readComment(path).text, tooLong);
    EXPECT_EQ(otherTags(path), tagsBefore);
    EXPECT_EQ(validation(path), validBefore);
    EXPECT_LE(exifLength(), 65535);
}

TEST_F(CaptionWriting, LongCaptionIsCutForIptcOnACharacterBoundary)
{
    const QString path = store("iptc.jpg", fixture(Format::Jpeg));
    exiftoolWrites(path, {"-IPTC:Keywords=harbour"});
    std::string text = "a";
    while (text.size() < 2100)
        text += "\xE2\x82\xAC"; // byte 2000 falls inside a character
    ASSERT_EQ(setComment(path, text), CORVANE_OK);
    EXPECT_EQ(tag(path, "IPTC:Caption-Abstract"), text.substr(0, 1999));
    EXPECT_EQ(tag(path, "IPTC:CodedCharacterSet"), "\x1B%G");
    EXPECT_EQ(tag(path, "XMP-dc:Description"), text);
    EXPECT_EQ(readComment(path).text, text);
}

// A caption too long for EXIF, XMP and IPTC still stands whole in the comment segments: it reads back whole,
// not as the 2000 bytes IPTC keeps, so the next edit does not cut it.
TEST_F(CaptionWriting, CaptionNoCaptionFieldHoldsWholeReadsBackWhole)
{
    const QString path = store("long.jpg", fixture(Format::Jpeg));
    exiftoolWrites(path, {"-IPTC:Keywords=harbour"});
    std::string text;
    while (text.size() < 80000)
        text += "line " + std::to_string(text.size()) + "\n";
    ASSERT_EQ(setComment(path, text), CORVANE_PARTIAL);
    ASSERT_EQ(tag(path, "IPTC:Caption-Abstract").size(), 2000u);
    EXPECT_EQ(readComment(path).text, text);

    // A short IPTC caption that a longer, older comment happens to begin with is still the caption.
    exiftoolWrites(path, {"-IPTC:Caption-Abstract=line 0"});
    EXPECT_EQ(readComment(path).text, "line 0");
}

// Where the comment was found tells the editor whether grave accents in it are text or an older
// program's line-break marks.
TEST_F(CaptionWriting, SourceSaysWhetherTheCommentCameFromACaptionFieldOrTheOwnCommentField)
{
    const auto sourceOf = [](const QString& path) {
        QByteArray bytes = path.toUtf8();
        char* pathText = bytes.data();
        std::string buffer(64, ' ');
        int32_t source = -1;
        corvane_fill_comment(buffer.data(), int32_t(buffer.size()), &pathText, &source);
        return std::pair(std::string(buffer.c_str()), source);
    };
    const QString caption = store("caption.jpg", fixture(Format::Jpeg));
    exiftoolWrites(caption, {"-EXIF:ImageDescription=Rock `n` Roll"});
    EXPECT_EQ(sourceOf(caption), std::pair(std::string("Rock `n` Roll"), int32_t(CORVANE_SOURCE_CAPTION)));

    const QString comment = store("comment.jpg", fixture(Format::Jpeg));
    exiftoolWrites(comment, {"-Comment=first`second"});
    EXPECT_EQ(sourceOf(comment), std::pair(std::string("first`second"), int32_t(CORVANE_SOURCE_COMMENT)));

    const QString none = store("none.gif", fixture(Format::Gif));
    EXPECT_EQ(sourceOf(none), std::pair(std::string(), int32_t(CORVANE_SOURCE_NONE)));
}

// A packet as other programs leave it: a namespace without the trailing slash exiv2 would give it, an
// old-style about, a GPS time without a date, an empty rights statement and the padding meant for edits.
const QByteArray kForeignPacket =
    "<?xpacket begin='\xEF\xBB\xBF' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
    "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
    "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
    " <rdf:Description about='uuid:faf5bdd5-ba3d-11da-ad31-d33d75182f1b'\n"
    "  xmlns:MicrosoftPhoto='http://ns.microsoft.com/photo/1.0'>\n"
    "  <MicrosoftPhoto:Rating>75</MicrosoftPhoto:Rating>\n"
    " </rdf:Description>\n"
    " <rdf:Description rdf:about='' xmlns:exif='http://ns.adobe.com/exif/1.0/'\n"
    "  xmlns:dc='http://purl.org/dc/elements/1.1/'>\n"
    "  <exif:GPSTimeStamp>12:34:56Z</exif:GPSTimeStamp>\n"
    "  <dc:rights><rdf:Alt><rdf:li xml:lang='x-default'></rdf:li></rdf:Alt></dc:rights>\n"
    "  <dc:description><rdf:Alt><rdf:li xml:lang='x-default'>old caption</rdf:li></rdf:Alt></dc:description>\n"
    " </rdf:Description>\n"
    "</rdf:RDF>\n"
    "</x:xmpmeta>\n"_qba +
    QByteArray(2000, ' ') + "\n<?xpacket end='w'?>"_qba;

TEST_F(CaptionWriting, XmpPacketChangesOnlyInItsDescription)
{
    const QString xmpFile = folder.filePath("foreign.xmp");
    writeFile(xmpFile, kForeignPacket);
    const QByteArray oldLine =
        "\n  <dc:description><rdf:Alt><rdf:li xml:lang='x-default'>old caption</rdf:li></rdf:Alt></dc:description>";
    const auto withoutPadding = [](QByteArray packet) {
        const qsizetype trailer = packet.lastIndexOf("<?xpacket end");
        return packet.left(packet.lastIndexOf("</x:xmpmeta>", trailer)) + packet.mid(trailer);
    };
    for (Format format : {Format::Jpeg, Format::Tiff, Format::Png}) {
        const std::string name = formatName(format).toStdString();
        const QString path = store(QString("foreign.") + extension(format), fixture(format));
        exiftoolWrites(path, {"-XMP<=" + xmpFile});
        const QByteArray before = run(exiftool, {"-b", "-XMP", path}).out;
        ASSERT_TRUE(before.contains(oldLine)) << name;

        ASSERT_EQ(setComment(path, "new <caption> & more"), CORVANE_OK) << name;
        QByteArray expected = before;
        expected.replace("old caption", "new &lt;caption&gt; &amp; more");
        const QByteArray written = run(exiftool, {"-b", "-XMP", path}).out;
        EXPECT_EQ(withoutPadding(written), withoutPadding(expected)) << name;
        EXPECT_EQ(written.size(), before.size()) << name << ": the padding took up the difference";
        EXPECT_EQ(tag(path, "XMP-dc:Description"), "new <caption> & more") << name;

        ASSERT_EQ(eraseComment(path), CORVANE_OK) << name;
        expected = before;
        expected.replace(oldLine, "");
        const QByteArray erased = run(exiftool, {"-b", "-XMP", path}).out;
        EXPECT_EQ(withoutPadding(erased), withoutPadding(expected)) << name;
        EXPECT_EQ(erased.size(), before.size()) << name;
    }
}

TEST_F(CaptionWriting, XmpThatCannotBeParsedIsNamedInTheMessage)
{
    QByteArray packet = kForeignPacket;
    packet.replace(
        "<MicrosoftPhoto:Rating>75</MicrosoftPhoto:Rating>",
        "<MicrosoftPhoto:Rating>75</MicrosoftPhoto:Rating><MicrosoftPhoto:Rating>80</MicrosoftPhoto:Rating>");
    const QString path = store("twice.jpg", withSegmentAfterJfif(fixture(Format::Jpeg), '\xE1',
                                                                 "http://ns.adobe.com/xap/1.0/\0"_qba + packet));
    const ProcessResult set = run(toolPath(), {"set", "new caption", path});
    EXPECT_EQ(set.exitCode, 0) << "the other fields took the text";
    EXPECT_TRUE(set.err.contains("XMP packet could not be parsed")) << set.err.toStdString();
    EXPECT_FALSE(set.err.contains("could not hold the text")) << set.err.toStdString();
    EXPECT_EQ(tag(path, "EXIF:ImageDescription"), "new caption");
    EXPECT_EQ(eraseComment(path), CORVANE_PARTIAL_XMP);
}

// Caption segments whose sizes, offsets and counts lie: reading never reaches past them, and an edit still
// reads back exactly the text written.
TEST(HostileCaptionSegments, NeitherCrashNorBreakTheEdit)
{
    const QByteArray jpeg = fixture(Format::Jpeg);
    const QByteArray exifHeader = "Exif\0\0MM\0*"_qba;
    const QByteArray resources = "Photoshop 3.0\0"_qba;
    const QList<QByteArray> payloads{
        exifHeader + "\xFF\xFF\xFF\x00"_qba,   // first directory past the end
        exifHeader + "\0\0\0\x08\xFF\xFF"_qba, // 65535 entries in 2 bytes
        exifHeader +
            "\0\0\0\x08\0\x01\x01\x0E\0\x02\xFF\xFF\xFF\xFF\0\0\0\x08\0\0\0\0"_qba, // description longer than all
        resources + "8BIM\x04\x04\0\0\xFF\xFF\xFF\xF0"_qba,                         // IPTC larger than the segment
        resources + "8BIM\x04\x04\0\0\0\0\0\x08\x1C\x02\x78\x7F\xFF"
                    "abc"_qba,                                   // caption longer than its data
        resources + "8BIM\x04\x25\0\0\0\0\0\x03xyz"_qba,         // a digest of the wrong size
        "http://ns.adobe.com/xap/1.0/\0<x:xmpmeta><rdf:RDF"_qba, // a packet cut short
    };
    for (const QByteArray& payload : payloads) {
        const char marker = payload.startsWith("Photoshop") ? '\xED' : '\xE1';
        const QByteArray file = withSegmentAfterJfif(jpeg, marker, payload);
        const corvane::ByteView bytes(reinterpret_cast<const uint8_t*>(file.constData()), size_t(file.size()));
        for (const std::string& text : {std::string("caf\xC3\xA9"), std::string()})
            EXPECT_TRUE(corvane::fuzzing::editReadsBack(bytes, text)) << payload.toHex().toStdString();
    }
}

}
