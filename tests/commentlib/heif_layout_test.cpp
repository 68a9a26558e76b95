// HEIF layouts the encoders here do not make but other writers do, put together by hand: wide and based iloc
// fields, the meta box after the picture, items in several pieces or in the meta box, other boxes that locate
// bytes. A write either keeps every byte of the picture where its item table finds it, or is refused and
// leaves the file as it was.
#include "comment_test_support.h"
#include "image_data.h"

#include "commentlib/corvane.h"

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

QByteArray uint(quint64 value, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char(value >> (8 * i)));
    return out;
}

QByteArray box(const QByteArray& type, const QByteArray& payload)
{
    return uint(quint64(payload.size()) + 8, 4) + type + payload;
}

QByteArray fullBox(const QByteArray& type, int version, const QByteArray& payload)
{
    return box(type, uint(quint64(version) << 24, 4) + payload);
}

// A big-endian TIFF block whose first directory holds only ImageDescription.
QByteArray exifBlock(const QByteArray& text)
{
    const QByteArray value = text + '\0';
    return "MM\0*"_qba + uint(8, 4) + uint(1, 2) + uint(0x010E, 2) + uint(2, 2) + uint(quint64(value.size()), 4) +
           uint(26, 4) + uint(0, 4) + value;
}

struct Handmade {
    int ilocVersion = 1;
    int offsetSize = 4;
    int baseOffsetSize = 0;
    bool metaAfterPicture = false;
    bool exif = true;
    bool exifInMetaBox = false;
    int exifPieces = 1;
    quint32 exifHeader = 6; // bytes between the offset field and the TIFF header
    QByteArray trailingBox{};
};

const QByteArray kPicture = QByteArray("\x00\x00\x00\x10picture-bytes-which-stand-for-a-coded-image", 48).repeated(3);

class HandmadeHeif {
public:
    explicit HandmadeHeif(const Handmade& shape) : shape_(shape) {}

    QByteArray bytes() const
    {
        const QByteArray ftyp = box("ftyp", "heic"_qba + uint(0, 4) + "mif1heic");
        const QByteArray sized = meta(0);
        const quint64 mdatPayload = ftyp.size() + 8 + (shape_.metaAfterPicture ? 0 : sized.size());
        const QByteArray mdat = box("mdat", kPicture + (shape_.exifInMetaBox ? QByteArray() : exifPayload()));
        const QByteArray finalMeta = meta(mdatPayload);
        const QByteArray body = shape_.metaAfterPicture ? mdat + finalMeta : finalMeta + mdat;
        return ftyp + body + shape_.trailingBox;
    }

private:
    QByteArray exifPayload() const
    {
        return shape_.exif ? uint(shape_.exifHeader, 4) + QByteArray("Exif\0\0\0\0\0\0", int(shape_.exifHeader)) +
                                 exifBlock("handmade caption")
                           : QByteArray();
    }

    QByteArray location(quint32 id, int method, quint64 base, const QList<QPair<quint64, quint64>>& extents) const
    {
        QByteArray entry = uint(id, shape_.ilocVersion < 2 ? 2 : 4);
        if (shape_.ilocVersion > 0)
            entry += uint(quint64(method), 2);
        entry += uint(0, 2) + uint(shape_.baseOffsetSize ? base : 0, shape_.baseOffsetSize) +
                 uint(quint64(extents.size()), 2);
        for (const auto& [offset, length] : extents)
            entry += uint(shape_.baseOffsetSize ? offset - base : offset, shape_.offsetSize) + uint(length, 4);
        return entry;
    }

    QByteArray exifLocation(quint64 mdatPayload) const
    {
        const quint64 size = quint64(exifPayload().size());
        if (shape_.exifInMetaBox)
            return location(2, 1, 0, {{0, size}});
        const quint64 start = mdatPayload + quint64(kPicture.size());
        if (shape_.exifPieces == 1)
            return location(2, 0, mdatPayload, {{start, size}});
        return location(2, 0, mdatPayload, {{start, 10}, {start + 10, size - 10}});
    }

    QByteArray meta(quint64 mdatPayload) const
    {
        const int items = shape_.exif ? 2 : 1;
        QByteArray iloc = uint(quint64(shape_.offsetSize << 4 | 4), 1) + uint(quint64(shape_.baseOffsetSize << 4), 1) +
                          uint(quint64(items), shape_.ilocVersion < 2 ? 2 : 4) +
                          location(1, 0, mdatPayload, {{mdatPayload, quint64(kPicture.size())}});
        QByteArray iinf = uint(quint64(items), 2) + fullBox("infe", 2, uint(1, 2) + uint(0, 2) + "hvc1\0"_qba);
        QByteArray children =
            fullBox("hdlr", 0, uint(0, 4) + "pict" + QByteArray(12, '\0') + '\0') + fullBox("pitm", 0, uint(1, 2));
        if (shape_.exif) {
            iloc += exifLocation(mdatPayload);
            iinf += fullBox("infe", 2, uint(2, 2) + uint(0, 2) + "Exif\0"_qba);
        }
        children += fullBox("iloc", shape_.ilocVersion, iloc) + fullBox("iinf", 0, iinf);
        if (shape_.exif)
            children += fullBox("iref", 0, box("cdsc", uint(2, 2) + uint(1, 2) + uint(1, 2)));
        if (shape_.exifInMetaBox)
            children += box("idat", exifPayload());
        return fullBox("meta", 0, children);
    }

    Handmade shape_;
};

class HeifLayouts : public FolderTest {};

TEST_F(HeifLayouts, EditsKeepThePictureWhereItsItemTableFindsIt)
{
    const QList<QPair<const char*, Handmade>> layouts{
        {"8-byte offsets from a base offset", {.offsetSize = 8, .baseOffsetSize = 8}},
        {"32-bit item ids", {.ilocVersion = 2}},
        {"no base offsets, version 0", {.ilocVersion = 0}},
        {"meta box after the picture", {.baseOffsetSize = 4, .metaAfterPicture = true}},
        {"no Exif item yet, 8-byte offsets", {.offsetSize = 8, .baseOffsetSize = 8, .exif = false}},
        {"no Exif item yet, meta box after the picture", {.metaAfterPicture = true, .exif = false}},
        {"Exif payload without a header before its TIFF block", {.exifHeader = 0}},
    };
    for (const auto& [what, shape] : layouts) {
        const QByteArray original = HandmadeHeif(shape).bytes();
        const QString path = store("handmade.heic", original);
        const auto picture = [&] {
            const QByteArray bytes = readFile(path);
            return corvane::fuzzing::imageData({reinterpret_cast<const uint8_t*>(bytes.data()), size_t(bytes.size())});
        };
        const auto before = picture();
        ASSERT_TRUE(before && !before->empty()) << what;
        EXPECT_EQ(readComment(path).text, shape.exif ? "handmade caption" : "") << what;
        for (const std::string& caption : {std::string("new caption"), std::string(3000, 'x')}) {
            ASSERT_EQ(setComment(path, caption), CORVANE_OK) << what;
            EXPECT_EQ(readComment(path).text, caption) << what;
            EXPECT_EQ(picture(), before) << what;
        }
        ASSERT_EQ(eraseComment(path), CORVANE_OK) << what;
        EXPECT_EQ(readComment(path).text, "") << what;
        EXPECT_EQ(picture(), before) << what;
    }
}

TEST_F(HeifLayouts, ItemsWeCannotRewriteAreReadButRefused)
{
    const QList<QPair<const char*, Handmade>> layouts{
        {"Exif item in the meta box", {.exifInMetaBox = true}},
        {"Exif item in two pieces", {.exifPieces = 2}},
        {"a track box that would move when the meta box grows", {.trailingBox = box("moov", {})}},
    };
    for (const auto& [what, shape] : layouts) {
        const QByteArray original = HandmadeHeif(shape).bytes();
        const QString path = store("handmade.heic", original);
        EXPECT_EQ(readComment(path).text, shape.exif ? "handmade caption" : "") << what;
        EXPECT_EQ(setComment(path, "never"), CORVANE_E_UNSUPPORTED) << what;
        EXPECT_EQ(readFile(path), original) << what;
    }
}

}
