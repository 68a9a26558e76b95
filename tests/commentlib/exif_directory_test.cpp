// A caption written into a camera's EXIF block, or a TIFF's first directory, leaves every other tag, directory
// and the way other programs read them as they were: the block stays bounded over many saves, bytes other tags
// share are left to them, new bytes go nowhere an offset points, and damaged layouts are no less readable.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace commenttest;

namespace {

struct Field {
    quint16 tag = 0;
    quint16 type = 0;
    quint32 count = 0;
    QByteArray value; // big-endian; out of line when longer than four bytes
};

constexpr quint16 kDescription = 0x010E, kArtist = 0x013B, kExifPointer = 0x8769, kFocalLength = 0x920A;
constexpr quint16 kThumbnailOffset = 0x0201, kThumbnailLength = 0x0202;
enum Directory { Ifd0, ExifIfd, Ifd1 };

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray rational(quint32 numerator, quint32 denominator)
{
    return bigEndian32(numerator) + bigEndian32(denominator);
}
QByteArray shortValue(quint16 value)
{
    return QByteArray(1, char(value >> 8)) + char(value) + QByteArray(2, '\0');
}
Field text(quint16 tag, const QByteArray& value)
{
    return {tag, 2, quint32(value.size() + 1), value + '\0'};
}

// A camera's big-endian EXIF block: the first directory, the Exif directory and a thumbnail's directory, each
// followed by its values, then the thumbnail. Where each entry and value went is kept for the tests to bend.
class CameraExif {
public:
    CameraExif()
    {
        directories[Ifd0] = {text(0x010F, "ACME"),
                             text(0x0110, "ACME Model 7"),
                             text(kArtist, "Someone Else"),
                             {kExifPointer, 4, 1, {}}};
        directories[ExifIfd] = {{0x829A, 5, 1, rational(1, 100)},
                                {0x9000, 7, 4, "0230"},
                                {kFocalLength, 5, 1, rational(50, 1)},
                                {0x927C, 7, 24, "ACME NOTE\0 with values.."}};
        directories[Ifd1] = {{0x0103, 3, 1, shortValue(6)},   {0x011A, 5, 1, rational(72, 1)},
                             {0x011B, 5, 1, rational(72, 1)}, {0x0128, 3, 1, shortValue(2)},
                             {kThumbnailOffset, 4, 1, {}},    {kThumbnailLength, 4, 1, {}},
                             {0x0213, 3, 1, shortValue(1)}};
    }

    QByteArray build()
    {
        QByteArray block = "MM\0*"_qba + bigEndian32(8);
        std::map<int, int> directoryAt;
        for (int pass = 0; pass < 2; ++pass) {
            block.truncate(8);
            for (int directory : {Ifd0, ExifIfd, Ifd1}) {
                directoryAt[directory] = int(block.size());
                write(block, directory, directoryAt);
            }
            thumbnailAt_ = int(block.size());
            block.append(kThumbnail);
        }
        return block;
    }

    int entryAt(int directory, quint16 tag) const { return entries_.at({directory, tag}); }
    int valueAt(int directory, quint16 tag) const { return values_.at({directory, tag}); }

    std::vector<Field> directories[3];
    const QByteArray kThumbnail = "\xFF\xD8\xFF\xD9"_qba;

private:
    QByteArray pointerValue(quint16 tag, const std::map<int, int>& directoryAt) const
    {
        if (tag == kExifPointer)
            return bigEndian32(directoryAt.count(ExifIfd) ? directoryAt.at(ExifIfd) : 0);
        return bigEndian32(tag == kThumbnailOffset ? thumbnailAt_ : kThumbnail.size());
    }

    void write(QByteArray& block, int directory, const std::map<int, int>& directoryAt)
    {
        const std::vector<Field>& fields = directories[directory];
        const int start = int(block.size());
        int valueAt = start + 2 + 12 * int(fields.size()) + 4;
        QByteArray values;
        block.append(char(fields.size() >> 8)).append(char(fields.size()));
        for (const Field& field : fields) {
            entries_[{directory, field.tag}] = int(block.size());
            block.append(char(field.tag >> 8)).append(char(field.tag)).append(char(0)).append(char(field.type));
            block.append(bigEndian32(field.count));
            const QByteArray value = field.value.isEmpty() ? pointerValue(field.tag, directoryAt) : field.value;
            if (value.size() <= 4) {
                values_[{directory, field.tag}] = int(block.size());
                block.append(value.leftJustified(4, '\0'));
                continue;
            }
            values_[{directory, field.tag}] = valueAt + int(values.size());
            block.append(bigEndian32(quint32(valueAt + values.size())));
            values.append(value);
            if (values.size() % 2 != 0)
                values.append('\0');
        }
        block.append(bigEndian32(directory == Ifd0 && directoryAt.count(Ifd1) ? directoryAt.at(Ifd1) : 0));
        block.append(values);
    }

    int thumbnailAt_ = 0;
    std::map<std::pair<int, quint16>, int> entries_, values_;
};

void putBigEndian32(QByteArray& block, int at, quint32 value)
{
    qToBigEndian(value, block.data() + at);
}

QByteArray app1(const QByteArray& payload)
{
    QByteArray segment("\xFF\xE1");
    return segment.append(char((payload.size() + 2) >> 8)).append(char(payload.size() + 2)).append(payload);
}

// The fixture JPEG with `segments` after its JFIF header.
QByteArray jpegWith(const QByteArray& segments)
{
    const QByteArray jpeg = fixture(Format::Jpeg);
    const qsizetype afterApp0 = 4 + qFromBigEndian<quint16>(jpeg.constData() + 4);
    return jpeg.left(afterApp0) + segments + jpeg.mid(afterApp0);
}

class ExifDirectories : public MetadataToolsTest {
protected:
    std::string tag(const QString& path, const QString& name)
    {
        return run(exiftool, {"-b", "-" + name, path}).out.toStdString();
    }

    QByteArrayList validation(const QString& path)
    {
        return run(exiftool, {"-validate", "-warning", "-a", path}).out.split('\n');
    }

    // The warnings exiftool gives for the file now that it did not give `before`.
    std::string newWarnings(const QString& path, const QByteArrayList& before)
    {
        std::string added;
        for (const QByteArray& line : validation(path))
            if (line.startsWith("Warning") && !before.contains(line))
                added += line.toStdString() + "\n";
        return added;
    }

    // Every EXIF tag but the description, as exiftool reads them.
    std::string exifTags(const QString& path)
    {
        return run(exiftool, {"-a", "-G1", "-s", "-n", "-EXIF:all", "--IFD0:ImageDescription", path}).out.toStdString();
    }

    qsizetype exifSegmentLength(const QString& path)
    {
        const QByteArray bytes = readFile(path);
        return qFromBigEndian<quint16>(bytes.constData() + bytes.indexOf("Exif\0\0"_qba) - 2);
    }

    // Sets each text in turn, then erases: after each, the description reads back and every other EXIF tag
    // and exiftool's verdict on the file are what they were.
    void expectOthersUntouched(const QString& path, const std::vector<std::string>& texts)
    {
        const std::string tagsBefore = exifTags(path);
        const QByteArrayList validBefore = validation(path);
        for (const std::string& text : texts) {
            ASSERT_EQ(setComment(path, text), CORVANE_OK) << text;
            EXPECT_EQ(tag(path, "EXIF:ImageDescription"), text);
            EXPECT_EQ(exifTags(path), tagsBefore) << text;
            EXPECT_EQ(newWarnings(path, validBefore), "") << text;
        }
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_EQ(tag(path, "EXIF:ImageDescription"), "");
        EXPECT_EQ(exifTags(path), tagsBefore);
    }
};

TEST_F(ExifDirectories, CaptionGrowingOverManySavesKeepsTheBlockBounded)
{
    CameraExif camera;
    const QString path = store("growing.jpg", jpegWith(app1("Exif\0\0"_qba + camera.build())));
    const qsizetype lengthBefore = exifSegmentLength(path);
    std::string text;
    for (int save = 0; save < 160; ++save) {
        text += "word" + std::to_string(save) + " ";
        ASSERT_EQ(setComment(path, text), CORVANE_OK) << "save " << save;
    }
    EXPECT_EQ(tag(path, "EXIF:ImageDescription"), text);
    // The block holds the camera's bytes, the caption, and at most one earlier caption's worth of blanks.
    EXPECT_LE(exifSegmentLength(path), lengthBefore + 2 * qsizetype(text.size()) + 64);
}

TEST_F(ExifDirectories, DescriptionBytesSharedWithOtherTagsAreLeftToThem)
{
    const std::vector<std::string> texts{"short", "a caption longer than any value the camera wrote", "mid"};
    {
        // The description and Artist name the same bytes.
        CameraExif camera;
        camera.directories[Ifd0].insert(camera.directories[Ifd0].begin(), text(kDescription, "Someone Else"));
        QByteArray block = camera.build();
        putBigEndian32(block, camera.entryAt(Ifd0, kDescription) + 8, quint32(camera.valueAt(Ifd0, kArtist)));
        const QString path = store("artist.jpg", jpegWith(app1("Exif\0\0"_qba + block)));
        ASSERT_EQ(tag(path, "EXIF:Artist"), "Someone Else");
        expectOthersUntouched(path, texts);
    }
    {
        // The description runs over the start of the Exif directory.
        CameraExif camera;
        camera.directories[Ifd0].insert(camera.directories[Ifd0].begin(), text(kDescription, "camera words"));
        QByteArray block = camera.build();
        const int exifAt = qFromBigEndian<quint32>(block.constData() + camera.valueAt(Ifd0, kExifPointer));
        putBigEndian32(block, camera.entryAt(Ifd0, kDescription) + 8, quint32(exifAt - 6));
        const QString path = store("overlap.jpg", jpegWith(app1("Exif\0\0"_qba + block)));
        ASSERT_EQ(tag(path, "EXIF:ExposureTime"), "0.01");
        expectOthersUntouched(path, texts);
    }
}

TEST_F(ExifDirectories, RelocatedDirectoryLeavesValidationAndDanglingOffsetsAsTheyWere)
{
    {
        // A first directory shorter than the thumbnail's, moved to the end when the description is added.
        CameraExif camera;
        const QString path = store("short-first.jpg", jpegWith(app1("Exif\0\0"_qba + camera.build())));
        expectOthersUntouched(path, {"tiny", "a longer caption than before, written at the end"});
    }
    {
        // A damaged Exif directory whose focal length points past the end of the block: new bytes go before
        // it, and where they cannot, EXIF goes without the caption.
        CameraExif camera;
        QByteArray block = camera.build();
        putBigEndian32(block, camera.entryAt(ExifIfd, kFocalLength) + 8, quint32(block.size() + 400));
        const QString path = store("dangling.jpg", jpegWith(app1("Exif\0\0"_qba + block)));
        const std::string focalLength = tag(path, "FocalLength");
        const QByteArrayList validBefore = validation(path);
        expectOthersUntouched(path, {"tiny", std::string(120, 'c')});
        const std::string tooLong(500, 'c');
        EXPECT_EQ(setComment(path, tooLong), CORVANE_PARTIAL);
        EXPECT_EQ(tag(path, "EXIF:ImageDescription"), "");
        EXPECT_EQ(tag(path, "FocalLength"), focalLength);
        EXPECT_EQ(newWarnings(path, validBefore), "");
    }
}

TEST_F(ExifDirectories, ExifOverTwoSegmentsStaysOneBlockForReaders)
{
    CameraExif camera;
    camera.directories[Ifd0].insert(camera.directories[Ifd0].begin(), text(kDescription, "camera words here"));
    const QByteArray block = camera.build();
    const int split = qFromBigEndian<quint32>(block.constData() + camera.valueAt(Ifd0, kExifPointer));
    const QString path = store("two-segments.jpg", jpegWith(app1("Exif\0\0"_qba + block.left(split)) +
                                                            app1("Exif\0\0"_qba + block.mid(split))));
    const std::string tagsBefore = exifTags(path);
    const QByteArrayList validBefore = validation(path);
    ASSERT_TRUE(validBefore.contains("Warning                         : [minor] File contains multi-segment EXIF"));

    ASSERT_EQ(setComment(path, "short"), CORVANE_OK);
    EXPECT_EQ(tag(path, "EXIF:ImageDescription"), "short");
    EXPECT_EQ(exifTags(path), tagsBefore);
    EXPECT_EQ(newWarnings(path, validBefore), "");

    // A text the block cannot take without moving the second segment's bytes leaves EXIF without a caption.
    const std::string longer(200, 'x');
    ASSERT_EQ(setComment(path, longer), CORVANE_PARTIAL);
    EXPECT_EQ(tag(path, "EXIF:ImageDescription"), "");
    EXPECT_EQ(tag(path, "XMP-dc:Description"), longer);
    EXPECT_EQ(exifTags(path), tagsBefore);
    EXPECT_EQ(newWarnings(path, validBefore), "");
}

TEST_F(ExifDirectories, NewExifStatesTheJfifResolution)
{
    struct Case {
        quint8 units;
        quint16 x, y;
        std::string expected; // XResolution YResolution ResolutionUnit, as exiftool writes them
    };
    const std::vector<Case> cases{{1, 300, 600, "300\n600\n2\n"}, {2, 35, 35, "35\n35\n3\n"}, {0, 2, 3, "2\n3\n1\n"}};
    for (const Case& c : cases) {
        QByteArray jpeg = fixture(Format::Jpeg);
        ASSERT_TRUE(jpeg.mid(6, 5) == "JFIF\0"_qba);
        jpeg[13] = char(c.units);
        qToBigEndian(c.x, jpeg.data() + 14);
        qToBigEndian(c.y, jpeg.data() + 16);
        const QString path = store("jfif.jpg", jpeg);
        ASSERT_EQ(setComment(path, "scan"), CORVANE_OK);
        const QStringList resolution{"-s3", "-n", "-IFD0:XResolution", "-IFD0:YResolution", "-IFD0:ResolutionUnit"};
        EXPECT_EQ(run(exiftool, resolution + QStringList{path}).out.toStdString(), c.expected) << int(c.units);
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_EQ(readFile(path).indexOf("Exif\0\0"_qba), -1) << "a block holding only the caption goes with it";
    }
}

TEST_F(ExifDirectories, FixedWordsOfEveryCameraMakerAreNoCaption)
{
    const QString path = store("placeholder.jpg", fixture(Format::Jpeg));
    exiftoolWrites(path, {"-XMP-dc:Description=the real caption"});
    for (const QString words :
         {"OLYMPUS DIGITAL CAMERA", "SANYO DIGITAL CAMERA", "NIKON DIGITAL CAMERA", "KODAK Digital Still Camera",
          "SONY DSC", "SAMSUNG CAMERA PICTURES", "Exif JPEG", "Exif_JPEG_PICTURE", "  DIGITAL CAMERA  "}) {
        exiftoolWrites(path, {"-EXIF:ImageDescription=" + words});
        EXPECT_EQ(readComment(path).text, "the real caption") << words.toStdString();
    }
    for (const QString caption : {"My digital camera", "Sony at the beach", "DSC"}) {
        exiftoolWrites(path, {"-EXIF:ImageDescription=" + caption});
        EXPECT_EQ(readComment(path).text, caption.toStdString());
    }
}

// A TIFF's first directory with all-zero entries out of tag order: readers take an invalid first entry as a
// damaged directory, so the entries keep their order.
TEST_F(ExifDirectories, TiffEntriesOutOfOrderKeepTheirPlaces)
{
    QByteArray tiff = fixture(Format::Tiff);
    ASSERT_TRUE(tiff.startsWith("II*\0"_qba));
    const quint32 first = qFromLittleEndian<quint32>(tiff.constData() + 4);
    const quint16 count = qFromLittleEndian<quint16>(tiff.constData() + first);
    const QByteArray entries = tiff.mid(first + 2, 12 * count);
    const QByteArray next = tiff.mid(first + 2 + 12 * count, 4);
    QByteArray directory(2, '\0');
    qToLittleEndian<quint16>(quint16(count + 2), directory.data());
    directory += entries.left(36) + QByteArray(12, '\0') + entries.mid(36) + QByteArray(12, '\0') + next;
    if (tiff.size() % 2 != 0)
        tiff.append('\0');
    qToLittleEndian<quint32>(quint32(tiff.size()), tiff.data() + 4);
    const QString path = store("zero-entries.tif", tiff + directory);
    const QStringList image{"-s3", "-ImageWidth", "-ImageHeight", "-Compression", path};
    const QByteArray before = run(exiftool, image).out;
    ASSERT_EQ(before.count('\n'), 3);
    ASSERT_EQ(setComment(path, "caption"), CORVANE_OK);
    EXPECT_EQ(run(exiftool, image).out, before);
    EXPECT_EQ(tag(path, "EXIF:ImageDescription"), "caption");
}

}
