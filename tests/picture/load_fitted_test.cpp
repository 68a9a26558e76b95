#include "fixtures.h"
#include "picture/picture.h"
#include "picture/picture_decoder.h"
#include "picture/reduced_decode.h"

#include <gtest/gtest.h>

using namespace picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
const QSize kViewerBox(593, 193);

// What the viewer does step by step: own size on white, then fitted into the box.
QImage twoStages(const QString& path, QSize box)
{
    int width = -1, height = -1;
    const PicturePtr holder = LoadPictureScaled(path, width, height, kWhite, false);
    return RescalePicture(holder.get(), holder->kind(), box.width(), box.height(), kWhite, true)->image();
}

}  // namespace

TEST(ReducedDecodeSize, PicksTheSmallestScaleKeepingTwiceTheFittedSize)
{
    EXPECT_EQ(reducedDecodeSize(QSize(6000, 4000), QSize(290, 193)), QSize(750, 500));
    EXPECT_EQ(reducedDecodeSize(QSize(2400, 1600), QSize(290, 193)), QSize(600, 400));
    EXPECT_EQ(reducedDecodeSize(QSize(2403, 1601), QSize(290, 193)), QSize(601, 401));
    EXPECT_EQ(reducedDecodeSize(QSize(1200, 800), QSize(290, 193)), QSize(600, 400));
    EXPECT_FALSE(reducedDecodeSize(QSize(1000, 700), QSize(290, 193)).isValid());
    EXPECT_FALSE(reducedDecodeSize(QSize(200, 100), QSize(400, 200)).isValid());
}

TEST(LoadFitted, LosslessFilesGiveExactlyTheTwoStageResult)
{
    QTemporaryDir dir;
    const QString path = fixtures::writeImage(dir, "p.png", fixtures::photographic(1203, 901), "png");
    EXPECT_EQ(loadFitted(path, kViewerBox, kWhite)->image(), twoStages(path, kViewerBox));
    const QString tiff = fixtures::writeImage(dir, "p.tif", fixtures::photographic(120, 333), "tif");
    EXPECT_EQ(loadFitted(tiff, kViewerBox, kWhite)->image(), twoStages(tiff, kViewerBox));
}

TEST(LoadFitted, ReducedJpegDecodeStaysWithinOneLevelOfTheFullDecode)
{
    QTemporaryDir dir;
    for (const QSize size : {QSize(2400, 1600), QSize(2403, 1601), QSize(1000, 3000), QSize(4000, 600)}) {
        const QString path = fixtures::writeImage(dir, "p.jpg", fixtures::photographic(size.width(), size.height()),
                                                  "jpg", 90);
        const QImage fast = loadFitted(path, kViewerBox, kWhite)->image();
        const QImage full = twoStages(path, kViewerBox);
        ASSERT_EQ(fast.size(), full.size());
        EXPECT_LE(fixtures::meanAbsoluteDifference(fast, full), 1.0) << size.width() << "x" << size.height();
        EXPECT_TRUE(fixtures::regionIs(fast, QRect(0, 0, 10, 193), Qt::white) ||
                    fixtures::regionIs(fast, QRect(0, 0, 593, 5), Qt::white));
    }
}

TEST(LoadFitted, LargeJpegIsDecodedShrunkButNotBelowTwiceTheFit)
{
    QTemporaryDir dir;
    const QString path = fixtures::writeImage(dir, "p.jpg", fixtures::photographic(2400, 1600), "jpg", 90);
    const DecodedPicture decoded = decodeForBox(path, kViewerBox);
    EXPECT_EQ(decoded.ownSize, QSize(2400, 1600));
    EXPECT_EQ(decoded.image.size(), QSize(600, 400));
}

TEST(LoadFitted, EmptyBoxFailsWithThePictureError)
{
    QTemporaryDir dir;
    const QString path = fixtures::writeImage(dir, "p.png", fixtures::photographic(20, 10), "png");
    EXPECT_THROW(loadFitted(path, QSize(593, 0), kWhite), PictureError);
    EXPECT_THROW(loadFitted(path, QSize(0, 193), kWhite), PictureError);
    EXPECT_THROW(loadFitted(dir.filePath("missing.png"), kViewerBox, kWhite), PictureError);
}

TEST(LoadFitted, SlenderPictureTooThinToShowLeavesTheBackground)
{
    QTemporaryDir dir;
    const QString path = fixtures::writeImage(dir, "line.png", fixtures::halves(4000, 1, Qt::black, Qt::black), "png");
    const QImage image = loadFitted(path, kViewerBox, kWhite)->image();
    EXPECT_EQ(image.size(), kViewerBox);
    EXPECT_TRUE(fixtures::regionIs(image, QRect(0, 0, 593, 96), Qt::white));
}
