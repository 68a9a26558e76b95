// Tests of telling HEIF, AVIF and JPEG XL files by their first bytes.
#include "picture/codec_signature.h"

#include <gtest/gtest.h>

using namespace picture;

namespace {

QByteArray fileType(const QByteArray& majorBrand, const QByteArray& compatibleBrands)
{
    const QByteArray payload = majorBrand + QByteArray(4, '\0') + compatibleBrands;
    const int size = 8 + int(payload.size());
    return QByteArray(3, '\0') + char(size) + "ftyp" + payload + QByteArray("\0\0\0\x08mdat", 8);
}

} // namespace

TEST(CodecSignature, TellsCodecPicturesFromRawsAndVideosOfTheSameBoxes)
{
    EXPECT_EQ(codecKindOf(fileType("heic", "mif1heic")), CodecKind::Heif);
    EXPECT_EQ(codecKindOf(fileType("avif", "avifmif1miaf")), CodecKind::Heif);
    // A camera that writes a major brand of its own still lists the picture brand among the compatible.
    EXPECT_EQ(codecKindOf(fileType("MiHE", "mif1MiHB")), CodecKind::Heif);
    // A Canon CR3 and an MP4 video share the box structure; neither is a HEIF picture.
    EXPECT_EQ(codecKindOf(fileType("crx ", "crx isom")), CodecKind::None);
    EXPECT_EQ(codecKindOf(fileType("isom", "isomiso2mp41")), CodecKind::None);
    // A brand past the end of the file-type box belongs to the next box.
    EXPECT_EQ(codecKindOf(fileType("isom", "") + "heic"), CodecKind::None);

    EXPECT_EQ(codecKindOf(QByteArray("\xFF\x0A\xFA\x7F", 4)), CodecKind::JpegXl);
    EXPECT_EQ(codecKindOf(QByteArray("\0\0\0\x0CJXL \x0D\x0A\x87\x0A\0\0\0\x14", 16)), CodecKind::JpegXl);
    EXPECT_EQ(codecKindOf(QByteArray("\xFF\xD8\xFF\xE0", 4)), CodecKind::None);
    EXPECT_EQ(codecKindOf(QByteArray()), CodecKind::None);
}
