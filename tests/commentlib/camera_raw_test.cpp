// Camera RAW files and XMP sidecars: a proprietary RAW is never written, not one byte, whatever its name or the
// way to it; its comment goes into its sidecar, where other programs read it and where nothing else changes.
// A DNG is captioned in the file and stays valid; a picture written in place keeps a sidecar of its own in step.
#include "comment_test_support.h"

#include "commentlib/camera_raw.h"
#include "commentlib/corvane.h"
#include "commentlib/file_io/new_file_creation.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

const QStringList kProprietary = {"CanonRaw.cr2", "CanonRaw.cr3",  "FujiFilm.raf", "Minolta.mrw",
                                  "Nikon.nef",    "Panasonic.rw2", "PhaseOne.iiq"};
const std::string kText = "Harbour at dusk & <friends> \xC3\xA9\xE2\x82\xAC\nsecond line";

QByteArray sample(const QString& name)
{
    return readFile(QString(CORVANE_TEST_DATA) + "/commentlib/raw/" + name);
}

std::string digest(const QString& path)
{
    return QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256).toHex().toStdString();
}

// A darktable sidecar: its history of edits and a rating, no description.
const QByteArray kDarktableSidecar = R"(<?xml version="1.0" encoding="UTF-8"?>
<x:xmpmeta xmlns:x="adobe:ns:meta/" x:xmptk="XMP Core 4.4.0-Exiv2">
 <rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#">
  <rdf:Description rdf:about=""
    xmlns:xmp="http://ns.adobe.com/xap/1.0/"
    xmlns:xmpMM="http://ns.adobe.com/xap/1.0/mm/"
    xmlns:darktable="http://darktable.sf.net/"
   xmp:Rating="3"
   xmpMM:DerivedFrom="IMG_0001.NEF"
   darktable:xmp_version="5"
   darktable:raw_params="0"
   darktable:auto_presets_applied="1"
   darktable:history_end="2">
   <darktable:history>
    <rdf:Seq>
     <rdf:li
      darktable:num="0"
      darktable:operation="rawprepare"
      darktable:enabled="1"
      darktable:modversion="1"
      darktable:params="000000000000000000000000ffff3f00"
      darktable:multi_name=""
      darktable:multi_priority="0"/>
     <rdf:li
      darktable:num="1"
      darktable:operation="exposure"
      darktable:enabled="1"
      darktable:modversion="6"
      darktable:params="0000000000000000cdcc4c3e"
      darktable:multi_name=""
      darktable:multi_priority="0"/>
    </rdf:Seq>
   </darktable:history>
  </rdf:Description>
 </rdf:RDF>
</x:xmpmeta>
)";

// A digiKam sidecar: tags, a rating, and a description in two languages.
const QByteArray kDigikamSidecar = R"(<?xpacket begin="" id="W5M0MpCehiHzreSzNTczkc9d"?>
<x:xmpmeta xmlns:x="adobe:ns:meta/" x:xmptk="XMP Core 4.4.0-Exiv2">
 <rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#">
  <rdf:Description rdf:about=""
    xmlns:xmp="http://ns.adobe.com/xap/1.0/"
    xmlns:digiKam="http://www.digikam.org/ns/1.0/"
    xmlns:lr="http://ns.adobe.com/lightroom/1.0/"
    xmlns:dc="http://purl.org/dc/elements/1.1/"
   xmp:Rating="4">
   <digiKam:TagsList>
    <rdf:Seq>
     <rdf:li>Places/Harbour</rdf:li>
     <rdf:li>People/Anna</rdf:li>
    </rdf:Seq>
   </digiKam:TagsList>
   <lr:hierarchicalSubject>
    <rdf:Bag>
     <rdf:li>Places|Harbour</rdf:li>
    </rdf:Bag>
   </lr:hierarchicalSubject>
   <dc:description>
    <rdf:Alt>
     <rdf:li xml:lang="x-default">Old caption</rdf:li>
     <rdf:li xml:lang="de-DE">Alte Beschriftung</rdf:li>
    </rdf:Alt>
   </dc:description>
  </rdf:Description>
 </rdf:RDF>
</x:xmpmeta>
<?xpacket end="w"?>
)";

// A sidecar shared by name, recording which file of the pair it belongs to.
QByteArray sharedSidecar(const QByteArray& extension, const QByteArray& description)
{
    return R"(<x:xmpmeta xmlns:x="adobe:ns:meta/">
 <rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#">
  <rdf:Description rdf:about=""
    xmlns:photoshop="http://ns.adobe.com/photoshop/1.0/"
    xmlns:dc="http://purl.org/dc/elements/1.1/"
   photoshop:SidecarForExtension=")" +
           extension + R"(">
   <dc:description>
    <rdf:Alt>
     <rdf:li xml:lang="x-default">)" +
           description + R"(</rdf:li>
    </rdf:Alt>
   </dc:description>
  </rdf:Description>
 </rdf:RDF>
</x:xmpmeta>
)";
}

std::string captionFile(const QString& path)
{
    const QByteArray encoded = path.toUtf8();
    char* pathText = const_cast<char*>(encoded.constData());
    std::string buffer(4096, ' ');
    const int32_t length = corvane_caption_file(buffer.data(), int32_t(buffer.size()), &pathText);
    return length < 0 ? "status " + std::to_string(length) : buffer.substr(0, size_t(length));
}

class RawTest : public MetadataToolsTest {
protected:
    void TearDown() override { corvane_set_new_sidecar_name(CORVANE_SIDECAR_WITH_EXTENSION); }

    QString storeSample(const QString& name, const QString& as = {})
    {
        return store(as.isEmpty() ? name : as, sample(name));
    }

    ProcessResult tool(const QStringList& arguments) { return run(toolPath(), arguments); }

    std::string exiftoolDescription(const QString& path)
    {
        return run(exiftool, {"-b", "-XMP-dc:Description", path}).out.toStdString();
    }

    // What exiftool reads in a sidecar, but the file's own facts and the description's x-default.
    QJsonObject propertyObject(const QString& path)
    {
        const ProcessResult read = run(exiftool, {"-j", "-a", "-G1", path});
        QJsonObject all = QJsonDocument::fromJson(read.out).array().at(0).toObject();
        for (const QString& key : all.keys())
            if (key == "SourceFile" || key.startsWith("System:") || key.startsWith("ExifTool:") ||
                key == "XMP-dc:Description")
                all.remove(key);
        return all;
    }
    std::string properties(const QString& path) { return QJsonDocument(propertyObject(path)).toJson().toStdString(); }

    QStringList entries() { return otherEntries(folder.path(), {}); }
};

// The fault: a caption written into a camera's RAW file, where metadata tools break people's pictures.
TEST_F(RawTest, ProprietaryRawIsNeverWrittenThroughTheLibrary)
{
    for (const QString& name : kProprietary) {
        const QString raw = storeSample(name);
        const std::string before = digest(raw);
        const QString sidecar = raw + ".xmp";
        ASSERT_EQ(setComment(raw, kText), CORVANE_OK) << name.toStdString();
        EXPECT_EQ(digest(raw), before) << name.toStdString();
        EXPECT_EQ(readComment(raw).text, kText) << name.toStdString();
        EXPECT_EQ(exiftoolDescription(sidecar), kText) << name.toStdString();

        const QByteArray encoded = raw.toUtf8();
        char* pathText = const_cast<char*>(encoded.constData());
        char buffer[256];
        int32_t source = -1;
        EXPECT_EQ(corvane_fill_comment(buffer, sizeof buffer, &pathText, &source), int32_t(kText.size()));
        EXPECT_EQ(source, CORVANE_SOURCE_CAPTION) << name.toStdString();

        ASSERT_EQ(setComment(raw, "second"), CORVANE_OK);
        EXPECT_EQ(exiftoolDescription(sidecar), "second");
        ASSERT_EQ(eraseComment(raw), CORVANE_OK) << name.toStdString();
        EXPECT_EQ(digest(raw), before) << name.toStdString();
        EXPECT_FALSE(QFile::exists(sidecar)) << "the sidecar we made, holding nothing else, goes";
        EXPECT_EQ(readComment(raw).text, "");
        EXPECT_EQ(eraseComment(raw), CORVANE_OK) << "erasing what is not there";
        EXPECT_EQ(entries(), QStringList{name}) << name.toStdString();
        QFile::remove(raw);
    }
}

TEST_F(RawTest, ProprietaryRawIsNeverWrittenThroughTheTool)
{
    QStringList raws;
    for (const QString& name : kProprietary)
        raws << storeSample(name);
    std::map<QString, std::string> before;
    for (const QString& raw : raws)
        before[raw] = digest(raw);
    const ProcessResult set = tool(QStringList{"set", QString::fromStdString(kText)} + raws);
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    for (const QString& raw : raws) {
        EXPECT_EQ(digest(raw), before[raw]) << raw.toStdString();
        EXPECT_TRUE(set.err.contains(raw.toUtf8() + ": camera RAW left as it is; comment written to a new sidecar, " +
                                     raw.toUtf8() + ".xmp"))
            << set.err.toStdString();
        EXPECT_EQ(exiftoolDescription(raw + ".xmp"), kText);
        EXPECT_EQ(tool({"get", raw}).out.toStdString(), kText + "\n");
    }
    const ProcessResult again = tool({"set", "--", "other", raws.front()});
    EXPECT_TRUE(again.err.contains("comment written to its sidecar " + raws.front().toUtf8() + ".xmp"))
        << again.err.toStdString();
    const ProcessResult erased = tool(QStringList{"erase"} + raws);
    ASSERT_EQ(erased.exitCode, 0) << erased.err.toStdString();
    EXPECT_TRUE(erased.err.contains("which corvane-comment had made and which held nothing else, was removed"));
    for (const QString& raw : raws) {
        EXPECT_EQ(digest(raw), before[raw]) << raw.toStdString();
        EXPECT_FALSE(QFile::exists(raw + ".xmp"));
    }
}

corvane::raw::Kind kindOf(const QByteArray& bytes)
{
    return corvane::raw::kindOf({reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())});
}

// A little-endian TIFF with its first directory's PhotometricInterpretation set to `photometric`.
QByteArray withPhotometric(QByteArray tiff, quint16 photometric)
{
    const auto u16 = [&](qsizetype at) { return quint16(uchar(tiff[at]) | uchar(tiff[at + 1]) << 8); };
    const qsizetype directory = qsizetype(u16(4) | quint32(u16(6)) << 16);
    for (qsizetype entry = directory + 2; entry < directory + 2 + u16(directory) * 12; entry += 12)
        if (u16(entry) == 262) {
            tiff[entry + 8] = char(photometric & 0xFF);
            tiff[entry + 9] = char(photometric >> 8);
        }
    return tiff;
}

// A RAW renamed, or reached through a link with a picture's name, is still a RAW; a RAW's name is enough too.
TEST_F(RawTest, RawIsToldByContentAndByNameWhateverTheWayToIt)
{
    using corvane::raw::Kind;
    for (const QString& name : kProprietary)
        EXPECT_EQ(kindOf(sample(name)), Kind::Proprietary) << name.toStdString();
    EXPECT_EQ(kindOf(sample("DNG.dng")), Kind::Dng);
    const QByteArray tiff = fixture(Format::Tiff);
    ASSERT_TRUE(tiff.startsWith("II*"));
    EXPECT_EQ(kindOf(tiff), Kind::None);
    EXPECT_EQ(kindOf(fixture(Format::TiffBigEndian)), Kind::None);
    EXPECT_EQ(kindOf(withPhotometric(tiff, 32803)), Kind::Proprietary) << "sensor data (CFA)";
    EXPECT_EQ(kindOf(withPhotometric(tiff, 34892)), Kind::Proprietary) << "sensor data (LinearRaw)";
    EXPECT_EQ(kindOf(QByteArray("IIRO\x08\0\0\0", 8) + QByteArray(64, '\0')), Kind::Proprietary) << "ORF";
    EXPECT_EQ(kindOf(QByteArray("FOVb\0\0\2\0", 8) + QByteArray(64, '\0')), Kind::Proprietary) << "X3F";
    const QString cfa = store("sensor.tif", withPhotometric(tiff, 32803));
    const std::string cfaBefore = digest(cfa);
    EXPECT_EQ(setComment(cfa, "x"), CORVANE_OK);
    EXPECT_EQ(digest(cfa), cfaBefore);
    EXPECT_EQ(exiftoolDescription(cfa + ".xmp"), "x");
    ASSERT_EQ(eraseComment(cfa), CORVANE_OK);

    const QString renamed = storeSample("CanonRaw.cr2", "holiday.tif");
    const QString renamedNef = storeSample("Nikon.nef", "scan.tiff");
    const QString renamedIiq = storeSample("PhaseOne.iiq", "back.tif");
    const QString renamedRw2 = storeSample("Panasonic.rw2", "street.jpg");
    const QString target = storeSample("CanonRaw.cr2", "IMG_0002.CR2");
    const QString link = folder.filePath("view.tif");
    ASSERT_TRUE(QFile::link(target, link));
    // Only the names tell these: a JPEG named as a RAW, and one reached through a link to a RAW's name.
    const QString namedRaw = store("jpeg-inside.NEF", fixture(Format::Jpeg));
    const QString jpegTarget = store("IMG_0003.Rw2", fixture(Format::Jpeg));
    const QString jpegLink = folder.filePath("IMG_0003.jpg");
    ASSERT_TRUE(QFile::link(jpegTarget, jpegLink));

    const QStringList files = {renamed, renamedNef, renamedIiq, renamedRw2, link, namedRaw, jpegLink};
    std::map<QString, std::string> before;
    for (const QString& file : files)
        before[file] = digest(file);
    for (const QString& file : files) {
        ASSERT_EQ(setComment(file, kText), CORVANE_OK) << file.toStdString();
        EXPECT_EQ(readComment(file).text, kText) << file.toStdString();
    }
    const ProcessResult set = tool(QStringList{"set", "by the tool"} + files);
    EXPECT_EQ(set.exitCode, 0) << set.err.toStdString();
    for (const QString& file : files) {
        EXPECT_EQ(digest(file), before[file]) << file.toStdString();
        EXPECT_EQ(readComment(file).text, "by the tool") << file.toStdString();
    }
    for (const QString& sidecar :
         {renamed + ".xmp", renamedNef + ".xmp", renamedIiq + ".xmp", renamedRw2 + ".xmp", namedRaw + ".xmp"})
        EXPECT_EQ(exiftoolDescription(sidecar), "by the tool") << sidecar.toStdString();
    // A link's sidecar is the file's own, beside the file it leads to and named after it.
    EXPECT_EQ(exiftoolDescription(target + ".xmp"), "by the tool");
    EXPECT_EQ(exiftoolDescription(jpegTarget + ".xmp"), "by the tool");
    EXPECT_FALSE(QFile::exists(link + ".xmp"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(captionFile(link), QDir(folder.path()).canonicalPath().toStdString() + "/IMG_0002.CR2.xmp");

    for (const QString& file : files)
        ASSERT_EQ(eraseComment(file), CORVANE_OK) << file.toStdString();
    for (const QString& file : files)
        EXPECT_EQ(digest(file), before[file]) << file.toStdString();
    EXPECT_EQ(otherEntries(folder.path(), {}).filter(".xmp"), QStringList());
}

// "Exact byte ranges" of the raw image data as exiftool finds them in every directory.
std::vector<std::pair<qint64, qint64>> imageDataRanges(const QString& exiftool, const QString& path)
{
    const ProcessResult read = run(exiftool, {"-j", "-a", "-G1", "-n", "-StripOffsets", "-StripByteCounts",
                                              "-TileOffsets", "-TileByteCounts", path});
    const QJsonObject found = QJsonDocument::fromJson(read.out).array().at(0).toObject();
    const auto numbers = [](const QJsonValue& value) {
        QList<qint64> list;
        if (value.isDouble())
            list << qint64(value.toDouble());
        for (const QString& word : value.toString().split(' ', Qt::SkipEmptyParts))
            list << word.toLongLong();
        return list;
    };
    std::vector<std::pair<qint64, qint64>> ranges;
    for (const QString& key : found.keys()) {
        if (!key.endsWith("Offsets"))
            continue;
        const QString counts = key.left(key.size() - 7) + "ByteCounts";
        const QList<qint64> offsets = numbers(found[key]), lengths = numbers(found[counts]);
        for (qsizetype i = 0; i < offsets.size() && i < lengths.size(); ++i)
            ranges.emplace_back(offsets[i], lengths[i]);
    }
    return ranges;
}

// The fault: a DNG's caption written so that a validator complains, or its raw data moved.
TEST_F(RawTest, DngIsCaptionedInTheFileAndStaysValid)
{
    const QString dng = storeSample("DNG.dng");
    const auto validation = [&] { return run(exiftool, {"-validate", "-warning", "-a", "-s", dng}).out; };
    const QByteArray valid = validation();
    ASSERT_TRUE(valid.contains("OK")) << valid.toStdString();
    const QByteArray original = readFile(dng);
    const auto ranges = imageDataRanges(exiftool, dng);
    ASSERT_GE(ranges.size(), 2u);
    for (const std::string& step : {std::string("set"), std::string("erase")}) {
        ASSERT_EQ(step == "set" ? setComment(dng, kText) : eraseComment(dng), CORVANE_OK);
        EXPECT_EQ(validation(), valid) << step;
        const QByteArray after = readFile(dng);
        EXPECT_EQ(imageDataRanges(exiftool, dng), ranges) << step;
        for (const auto& [offset, length] : ranges)
            EXPECT_EQ(after.mid(offset, length), original.mid(offset, length)) << step << " at " << offset;
        EXPECT_EQ(readComment(dng).text, step == "set" ? kText : "");
    }
    ASSERT_EQ(setComment(dng, "in the file"), CORVANE_OK);
    EXPECT_EQ(run(exiftool, {"-s3", "-IFD0:ImageDescription", dng}).out.trimmed(), "in the file");
    EXPECT_EQ(exiftoolDescription(dng), "in the file");
    EXPECT_EQ(captionFile(dng), dng.toStdString());
    EXPECT_EQ(entries(), QStringList{"DNG.dng"}) << "a DNG needs no sidecar";
}

// The fault: a developer's edit history, a photo manager's tags or a translation lost with a caption.
TEST_F(RawTest, SidecarKeepsEveryOtherProperty)
{
    const QString darktableRaw = storeSample("Nikon.nef", "IMG_0001.NEF");
    const QString darktable = store("IMG_0001.NEF.xmp", kDarktableSidecar);
    const QString digikamRaw = storeSample("CanonRaw.cr2", "IMG_0002.CR2");
    const QString digikam = store("IMG_0002.CR2.xmp", kDigikamSidecar);
    const QString richRaw = storeSample("Panasonic.rw2", "IMG_0003.RW2");
    const QString rich = store("IMG_0003.RW2.xmp", sample("XMP.xmp"));
    EXPECT_EQ(readComment(digikamRaw).text, "Old caption");
    for (const QString& sidecar : {darktable, digikam, rich}) {
        const QString raw = sidecar.left(sidecar.size() - 4);
        const std::string rawBefore = digest(raw);
        const std::string before = properties(sidecar);
        const QByteArray bytesBefore = readFile(sidecar);
        ASSERT_EQ(setComment(raw, kText), CORVANE_OK) << sidecar.toStdString();
        EXPECT_EQ(exiftoolDescription(sidecar), kText);
        EXPECT_EQ(properties(sidecar), before) << sidecar.toStdString();
        ASSERT_EQ(setComment(raw, "Old caption"), CORVANE_OK);
        if (sidecar == digikam) {
            EXPECT_EQ(readFile(sidecar), bytesBefore) << "only the description's text changed, and changed back";
        }
        ASSERT_EQ(eraseComment(raw), CORVANE_OK);
        ASSERT_TRUE(QFile::exists(sidecar)) << "another program's sidecar is never deleted";
        EXPECT_EQ(exiftoolDescription(sidecar), "");
        EXPECT_EQ(properties(sidecar), before) << sidecar.toStdString();
        EXPECT_EQ(digest(raw), rawBefore);
    }
    // A description written as an attribute, a shape the edit of the text does not know: exiv2 writes the file
    // anew, and every other property still reads back the same.
    const QString attributeRaw = storeSample("FujiFilm.raf", "IMG_0004.RAF");
    const QString attribute = store("IMG_0004.RAF.xmp", R"(<x:xmpmeta xmlns:x="adobe:ns:meta/"><rdf:RDF
 xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#"><rdf:Description rdf:about=""
 xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:xmp="http://ns.adobe.com/xap/1.0/"
 dc:description="as an attribute" xmp:Rating="2" xmp:Label="Red"/></rdf:RDF></x:xmpmeta>)");
    EXPECT_EQ(readComment(attributeRaw).text, "as an attribute");
    QJsonObject attributeBefore = propertyObject(attribute);
    ASSERT_EQ(setComment(attributeRaw, kText), CORVANE_OK);
    EXPECT_EQ(exiftoolDescription(attribute), kText);
    QJsonObject attributeAfter = propertyObject(attribute);
    EXPECT_TRUE(attributeAfter.take("XMP-x:XMPToolkit").toString().contains("Exiv2")) << "exiv2 names itself";
    EXPECT_EQ(QJsonDocument(attributeAfter).toJson().toStdString(),
              QJsonDocument(attributeBefore).toJson().toStdString());

    EXPECT_EQ(propertyObject(digikam)["XMP-dc:Description-de-DE"].toString(), "Alte Beschriftung");
    EXPECT_EQ(propertyObject(darktable)["XMP-xmp:Rating"].toInt(), 3);
    // The darktable sidecar, which had no description, differs from the original only by the one it was given.
    ASSERT_EQ(setComment(darktableRaw, "dusk"), CORVANE_OK);
    QByteArray withDescription = readFile(darktable);
    const qsizetype start = withDescription.indexOf("<dc:description");
    const qsizetype end = withDescription.indexOf("</dc:description>") + qsizetype(strlen("</dc:description>"));
    ASSERT_GT(start, 0);
    const QByteArray added = withDescription.mid(start, end - start);
    EXPECT_TRUE(added.contains(">dusk<")) << added.toStdString();
    qsizetype from = start;
    while (from > 0 && QChar(withDescription[from - 1]).isSpace())
        --from;
    withDescription.remove(from, end - from);
    EXPECT_EQ(withDescription, kDarktableSidecar);
}

// The fault: a RAW's caption read from, or written over, the sidecar of its JPEG sibling.
TEST_F(RawTest, TheRightSidecarCountsAndASiblingsIsNeverTouched)
{
    // NAME.EXT.xmp names exactly this file and wins over NAME.xmp.
    const QString both = storeSample("Nikon.nef", "BOTH.NEF");
    const QString exact = store("BOTH.NEF.xmp", sharedSidecar("NEF", "exact"));
    const QString shared = store("BOTH.xmp", sharedSidecar("NEF", "shared"));
    const QByteArray sharedBytes = readFile(shared);
    EXPECT_EQ(readComment(both).text, "exact");
    ASSERT_EQ(setComment(both, "new"), CORVANE_OK);
    EXPECT_EQ(exiftoolDescription(exact), "new");
    EXPECT_EQ(readFile(shared), sharedBytes);
    EXPECT_EQ(captionFile(both), exact.toStdString());

    // A RAW+JPEG pair whose NAME.xmp is the JPEG's: the RAW gets a sidecar of its own.
    const QString raw = storeSample("CanonRaw.cr2", "PAIR.CR2");
    const QString jpeg = store("PAIR.JPG", fixture(Format::Jpeg));
    const QString jpegSidecar = store("PAIR.xmp", sharedSidecar("jpg", "the jpeg's"));
    const QByteArray jpegSidecarBytes = readFile(jpegSidecar);
    EXPECT_EQ(readComment(raw).text, "") << "the JPEG's sidecar is not the RAW's";
    EXPECT_EQ(captionFile(raw), folder.filePath("PAIR.CR2.xmp").toStdString());
    ASSERT_EQ(setComment(raw, "the raw's"), CORVANE_OK);
    EXPECT_EQ(readFile(jpegSidecar), jpegSidecarBytes);
    EXPECT_EQ(exiftoolDescription(folder.filePath("PAIR.CR2.xmp")), "the raw's");
    EXPECT_EQ(readComment(raw).text, "the raw's");
    // ...and the JPEG, written in place, keeps the sidecar it claims in step (its SidecarForExtension in any case).
    ASSERT_EQ(setComment(jpeg, "jpeg caption"), CORVANE_OK);
    EXPECT_EQ(readComment(jpeg).text, "jpeg caption");
    EXPECT_EQ(exiftoolDescription(jpegSidecar), "jpeg caption");
    EXPECT_EQ(exiftoolDescription(folder.filePath("PAIR.CR2.xmp")), "the raw's");
    EXPECT_EQ(readComment(raw).text, "the raw's");

    // A NAME.xmp recording no extension, or this one in another case, is the RAW's; written, it records EXT.
    const QString lone = storeSample("Panasonic.rw2", "LONE.RW2");
    const QString loneSidecar = store("LONE.XMP", kDigikamSidecar);
    EXPECT_EQ(readComment(lone).text, "Old caption") << "the .XMP spelling counts too";
    ASSERT_EQ(setComment(lone, "lone"), CORVANE_OK);
    EXPECT_EQ(exiftoolDescription(loneSidecar), "lone");
    EXPECT_EQ(run(exiftool, {"-s3", "-XMP-photoshop:SidecarForExtension", loneSidecar}).out.trimmed(), "RW2");
    EXPECT_FALSE(QFile::exists(folder.filePath("LONE.RW2.xmp")));
    const QString lower = storeSample("PhaseOne.iiq", "CASE.IIQ");
    const QString lowerSidecar = store("CASE.xmp", sharedSidecar("iiq", "lower case"));
    EXPECT_EQ(readComment(lower).text, "lower case");
    ASSERT_EQ(setComment(lower, "any case"), CORVANE_OK);
    EXPECT_EQ(exiftoolDescription(lowerSidecar), "any case");
}

TEST_F(RawTest, NewSidecarIsNamedAsTheProcessAsks)
{
    EXPECT_EQ(corvane_set_new_sidecar_name(2), CORVANE_E_ARGUMENT);
    EXPECT_EQ(corvane_set_new_sidecar_name(-1), CORVANE_E_ARGUMENT);
    const QString raw = storeSample("FujiFilm.raf", "DSCF0001.RAF");
    ASSERT_EQ(corvane_set_new_sidecar_name(CORVANE_SIDECAR_WITHOUT_EXTENSION), CORVANE_OK);
    EXPECT_EQ(captionFile(raw), folder.filePath("DSCF0001.xmp").toStdString());
    ASSERT_EQ(setComment(raw, "without"), CORVANE_OK);
    const QString created = folder.filePath("DSCF0001.xmp");
    EXPECT_EQ(exiftoolDescription(created), "without");
    EXPECT_EQ(run(exiftool, {"-s3", "-XMP-photoshop:SidecarForExtension", created}).out.trimmed(), "RAF");
    EXPECT_EQ(readComment(raw).text, "without");
    ASSERT_EQ(eraseComment(raw), CORVANE_OK);
    EXPECT_FALSE(QFile::exists(created)) << "ours, holding only its mark and the extension";

    // A NAME.xmp of another file stands there: NAME.EXT.xmp is made instead.
    const QString pair = storeSample("Minolta.mrw", "PICT0001.MRW");
    const QString jpegs = store("PICT0001.xmp", sharedSidecar("JPG", "the jpeg's"));
    const QByteArray jpegsBytes = readFile(jpegs);
    ASSERT_EQ(setComment(pair, "beside"), CORVANE_OK);
    EXPECT_EQ(readFile(jpegs), jpegsBytes);
    EXPECT_EQ(exiftoolDescription(folder.filePath("PICT0001.MRW.xmp")), "beside");

    const ProcessResult bad = tool({"set", "--new-sidecar-name=sideways", "x", raw});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("--new-sidecar-name")) << bad.err.toStdString();
    const ProcessResult viaTool = tool({"--new-sidecar-name=without-extension", "set", "by the tool", raw});
    EXPECT_EQ(viaTool.exitCode, 0) << viaTool.err.toStdString();
    EXPECT_TRUE(viaTool.err.contains("a new sidecar, " + created.toUtf8())) << viaTool.err.toStdString();
    EXPECT_EQ(exiftoolDescription(created), "by the tool");
    const ProcessResult withExtension = tool({"set", "--new-sidecar-name=with-extension", "other", pair});
    EXPECT_EQ(withExtension.exitCode, 0) << withExtension.err.toStdString();
}

// The fault: a sidecar another program made, or one a user added to, deleted by an erase.
TEST_F(RawTest, EraseDeletesOnlyASidecarWeMadeThatHoldsNothingElse)
{
    const QString ours = storeSample("Nikon.nef", "OURS.NEF");
    ASSERT_EQ(setComment(ours, "ours"), CORVANE_OK);
    ASSERT_EQ(eraseComment(ours), CORVANE_OK);
    EXPECT_FALSE(QFile::exists(ours + ".xmp"));

    // Ours, then given a rating by another program: kept, with the rating.
    const QString rated = storeSample("Nikon.nef", "RATED.NEF");
    ASSERT_EQ(setComment(rated, "rated"), CORVANE_OK);
    exiftoolWrites(rated + ".xmp", {"-XMP-xmp:Rating=5"});
    ASSERT_EQ(eraseComment(rated), CORVANE_OK);
    ASSERT_TRUE(QFile::exists(rated + ".xmp"));
    EXPECT_EQ(run(exiftool, {"-s3", "-XMP-xmp:Rating", rated + ".xmp"}).out.trimmed(), "5");
    EXPECT_EQ(exiftoolDescription(rated + ".xmp"), "");

    // Another program's, holding only a description: kept, without it.
    const QString theirs = storeSample("Nikon.nef", "THEIRS.NEF");
    const QString theirSidecar = store("THEIRS.NEF.xmp", sharedSidecar("NEF", "theirs"));
    exiftoolWrites(theirSidecar, {"-XMP-photoshop:SidecarForExtension="});
    ASSERT_EQ(eraseComment(theirs), CORVANE_OK);
    ASSERT_TRUE(QFile::exists(theirSidecar));
    EXPECT_EQ(readComment(theirs).text, "");

    // Ours with a translation left: kept.
    const QString translated = storeSample("Nikon.nef", "TRANSLATED.NEF");
    ASSERT_EQ(setComment(translated, "english"), CORVANE_OK);
    exiftoolWrites(translated + ".xmp", {"-XMP-dc:Description-fr=français"});
    ASSERT_EQ(eraseComment(translated), CORVANE_OK);
    ASSERT_TRUE(QFile::exists(translated + ".xmp"));
    EXPECT_EQ(run(exiftool, {"-s3", "-XMP-dc:Description-fr", translated + ".xmp"}).out.trimmed(), "français");
}

// The fault: a damaged sidecar "repaired" by overwriting it, or a caption half saved without a word.
TEST_F(RawTest, SidecarThatCannotBeParsedIsNeverWritten)
{
    const QByteArray damaged = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF";
    const QString raw = storeSample("CanonRaw.cr3", "BROKEN.CR3");
    const QString sidecar = store("BROKEN.CR3.xmp", damaged);
    EXPECT_EQ(setComment(raw, "x"), CORVANE_E_SIDECAR);
    EXPECT_EQ(eraseComment(raw), CORVANE_E_SIDECAR);
    EXPECT_EQ(readComment(raw).status, CORVANE_E_SIDECAR);
    EXPECT_EQ(readFile(sidecar), damaged);
    const ProcessResult viaTool = tool({"set", "x", raw});
    EXPECT_EQ(viaTool.exitCode, 1);
    EXPECT_TRUE(viaTool.err.contains(sidecar.toUtf8())) << viaTool.err.toStdString();
    EXPECT_EQ(readFile(sidecar), damaged);

    // A picture written in place is written, and says its sidecar was not.
    const QString jpeg = store("BROKEN.jpg", fixture(Format::Jpeg));
    const QString jpegSidecar = store("BROKEN.jpg.xmp", damaged);
    EXPECT_EQ(setComment(jpeg, "in the picture"), CORVANE_PARTIAL_SIDECAR);
    EXPECT_EQ(readComment(jpeg).text, "in the picture");
    EXPECT_EQ(readFile(jpegSidecar), damaged);
    const ProcessResult partly = tool({"set", "again", jpeg});
    EXPECT_EQ(partly.exitCode, 0) << "the picture holds it";
    EXPECT_TRUE(partly.err.contains("sidecar could not be kept in step")) << partly.err.toStdString();
    EXPECT_STRNE(corvane_strerror(CORVANE_PARTIAL_SIDECAR), corvane_strerror(CORVANE_PARTIAL_XMP));
}

// The fault: a sidecar another program made a moment before ours replaced by ours.
TEST_F(RawTest, NewSidecarNeverReplacesOneThatAppeared)
{
    const QString appeared = store("IMG.NEF.xmp", kDarktableSidecar);
    const int folderDescriptor = open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(folderDescriptor, 0);
    const std::string contents = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"/>";
    const corvane::ByteView bytes(reinterpret_cast<const uint8_t*>(contents.data()), contents.size());
    EXPECT_EQ(corvane::createNewFile(folderDescriptor, "IMG.NEF.xmp", bytes), corvane::kNameTaken);
    EXPECT_EQ(readFile(appeared), kDarktableSidecar);
    EXPECT_EQ(corvane::createNewFile(folderDescriptor, "NEW.NEF.xmp", bytes), CORVANE_OK);
    EXPECT_EQ(readFile(folder.filePath("NEW.NEF.xmp")), QByteArray::fromStdString(contents));
    close(folderDescriptor);
    EXPECT_EQ(entries(), QStringList({"IMG.NEF.xmp", "NEW.NEF.xmp"})) << "no temporary left behind";
}

// The fault: a picture's caption changed while its own sidecar, which some programs read first, keeps the old one.
TEST_F(RawTest, PictureWrittenInPlaceKeepsItsOwnSidecarInStep)
{
    const QString jpeg = store("IMG_0100.jpg", fixture(Format::Jpeg));
    const QString own = store("IMG_0100.jpg.xmp", kDigikamSidecar);
    const std::string before = properties(own);
    ASSERT_EQ(setComment(jpeg, kText), CORVANE_OK);
    EXPECT_EQ(exiftoolDescription(own), kText);
    EXPECT_EQ(run(exiftool, {"-b", "-EXIF:ImageDescription", jpeg}).out.toStdString(), kText);
    EXPECT_EQ(properties(own), before);
    EXPECT_EQ(captionFile(jpeg), jpeg.toStdString());
    ASSERT_EQ(eraseComment(jpeg), CORVANE_OK);
    ASSERT_TRUE(QFile::exists(own));
    EXPECT_EQ(exiftoolDescription(own), "");
    EXPECT_EQ(properties(own), before);
    // Reading stays from the picture itself.
    exiftoolWrites(own, {"-XMP-dc:Description=only the sidecar's"});
    EXPECT_EQ(readComment(jpeg).text, "");
    // The tool's batch keeps it in step as well, a picture that holds the text already included.
    ASSERT_EQ(tool({"set", "from the tool", jpeg}).exitCode, 0);
    EXPECT_EQ(exiftoolDescription(own), "from the tool");
    exiftoolWrites(own, {"-XMP-dc:Description=stale"});
    ASSERT_EQ(tool({"set", "from the tool", jpeg}).exitCode, 0);
    EXPECT_EQ(exiftoolDescription(own), "from the tool");

    // A DNG too; an unclaimed NAME.xmp (maybe a RAW sibling's) is left alone, and none is created.
    const QString dng = storeSample("DNG.dng", "IMG_0200.dng");
    const QString dngSidecar = store("IMG_0200.xmp", sharedSidecar("DNG", "old"));
    const QString unclaimedJpeg = store("IMG_0300.jpg", fixture(Format::Jpeg));
    const QString unclaimed = store("IMG_0300.xmp", kDigikamSidecar);
    const QString alone = store("IMG_0400.png", fixture(Format::Png));
    ASSERT_EQ(setComment(dng, "dng"), CORVANE_OK);
    EXPECT_EQ(exiftoolDescription(dngSidecar), "dng");
    ASSERT_EQ(setComment(unclaimedJpeg, "jpeg"), CORVANE_OK);
    EXPECT_EQ(readFile(unclaimed), kDigikamSidecar);
    ASSERT_EQ(setComment(alone, "png"), CORVANE_OK);
    EXPECT_EQ(entries().filter("IMG_0400"), QStringList{"IMG_0400.png"});
}

TEST_F(RawTest, ShowNamesEachSidecarAndWhichCounts)
{
    const QString raw = storeSample("Nikon.nef", "SHOW.NEF");
    const QString exact = store("SHOW.NEF.xmp", sharedSidecar("NEF", "exact"));
    const QString shared = store("SHOW.xmp", sharedSidecar("NEF", "shared"));
    const ProcessResult shown = tool({"show", raw});
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.out, "==> " + raw.toUtf8() + " <==\n" + "dc:description (" + exact.toUtf8() + ", counts): exact\n" +
                             "dc:description (" + shared.toUtf8() + ", not read: " + exact.toUtf8() +
                             " names this file exactly): shared\n");
    QFile::remove(exact);
    store("SHOW.xmp", sharedSidecar("JPG", "the jpeg's"));
    const ProcessResult sibling = tool({"show", raw});
    EXPECT_TRUE(sibling.out.contains("(" + shared.toUtf8() + ", another file's: it is the sidecar of the JPG file)"))
        << sibling.out.toStdString();
    EXPECT_FALSE(sibling.out.contains("counts"));
    const QString jpeg = store("SHOW.JPG", fixture(Format::Jpeg));
    ASSERT_EQ(setComment(jpeg, "the jpeg's"), CORVANE_OK);
    const ProcessResult picture = tool({"show", jpeg});
    EXPECT_TRUE(picture.out.contains("ImageDescription: the jpeg's\n")) << picture.out.toStdString();
    EXPECT_TRUE(picture.out.contains("(" + shared.toUtf8() + ", sidecar, kept in step): the jpeg's"))
        << picture.out.toStdString();
}

}
