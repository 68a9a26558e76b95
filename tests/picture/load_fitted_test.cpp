// Tests of loading a picture fitted into a box: reduced decoding and the result against the two-stage fit.
#include "fixtures.h"
#include "picture/picture.h"
#include "picture/picture_decoder.h"
#include "picture/reduced_decode.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>

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

} // namespace

TEST(ReducedDecodeSize, DctScaleIsTheSmallestKeepingTwiceTheFittedSize)
{
    EXPECT_EQ(dctReducedSize(QSize(6000, 4000), QSize(290, 193)), QSize(750, 500));
    EXPECT_EQ(dctReducedSize(QSize(2400, 1600), QSize(290, 193)), QSize(600, 400));
    EXPECT_EQ(dctReducedSize(QSize(2403, 1601), QSize(290, 193)), QSize(601, 401));
    EXPECT_EQ(dctReducedSize(QSize(1200, 800), QSize(290, 193)), QSize(600, 400));
    EXPECT_FALSE(dctReducedSize(QSize(1000, 700), QSize(290, 193)).isValid());
    EXPECT_FALSE(dctReducedSize(QSize(200, 100), QSize(400, 200)).isValid());
}

TEST(ReducedDecodeSize, AreaReductionKeepsTheAspectAndTwiceTheFittedSize)
{
    EXPECT_EQ(areaReducedSize(QSize(6000, 4000), QSize(290, 193)), QSize(580, 387));
    EXPECT_EQ(areaReducedSize(QSize(4000, 600), QSize(593, 89)), QSize(1187, 178));
    EXPECT_FALSE(areaReducedSize(QSize(1000, 700), QSize(290, 193)).isValid());
    EXPECT_FALSE(areaReducedSize(QSize(100, 100), QSize(193, 193)).isValid());
}

TEST(LoadFitted, PicturesDecodedAtOwnSizeGiveExactlyTheTwoStageResult)
{
    QTemporaryDir dir;
    const QString small = fixtures::writeImage(dir, "p.png", fixtures::photographic(1000, 700), "png");
    EXPECT_EQ(loadFitted(small, kViewerBox, kWhite)->image(), twoStages(small, kViewerBox));
    const QString tiff = fixtures::writeImage(dir, "p.tif", fixtures::photographic(1203, 901), "tif");
    EXPECT_EQ(loadFitted(tiff, kViewerBox, kWhite)->image(), twoStages(tiff, kViewerBox));
    QImage translucent = fixtures::photographic(1203, 901).convertToFormat(QImage::Format_ARGB32);
    translucent.fill(QColor(0, 0, 255, 100));
    const QString alpha = fixtures::writeImage(dir, "a.png", translucent, "png");
    EXPECT_EQ(loadFitted(alpha, kViewerBox, kWhite)->image(), twoStages(alpha, kViewerBox));
}

TEST(LoadFitted, ShrinkingDecodesStayWithinOneLevelOfTheFullDecode)
{
    QTemporaryDir dir;
    for (const char* format : {"jpg", "png"})
        for (const QSize size : {QSize(2400, 1600), QSize(2403, 1601), QSize(1000, 3000), QSize(4000, 600)}) {
            const QString path = fixtures::writeImage(dir, QString("p.") + format,
                                                      fixtures::photographic(size.width(), size.height()), format, 90);
            const QImage fast = loadFitted(path, kViewerBox, kWhite)->image();
            const QImage full = twoStages(path, kViewerBox);
            ASSERT_EQ(fast.size(), full.size());
            EXPECT_LE(fixtures::meanAbsoluteDifference(fast, full), 1.0)
                << format << " " << size.width() << "x" << size.height();
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

TEST(LoadFitted, LargeOpaquePngIsDecodedShrunkButTranslucentOneIsNot)
{
    QTemporaryDir dir;
    const QString opaque = fixtures::writeImage(dir, "p.png", fixtures::photographic(2400, 1600), "png");
    const DecodedPicture decoded = decodeForBox(opaque, kViewerBox);
    EXPECT_EQ(decoded.ownSize, QSize(2400, 1600));
    EXPECT_EQ(decoded.image.size(), QSize(580, 387));

    QImage translucent(2400, 1600, QImage::Format_ARGB32);
    translucent.fill(QColor(0, 0, 255, 100));
    const QString alpha = fixtures::writeImage(dir, "a.png", translucent, "png");
    EXPECT_EQ(decodeForBox(alpha, kViewerBox).image.size(), QSize(2400, 1600));
}

TEST(LoadFitted, EmptyBoxFailsWithThePictureError)
{
    QTemporaryDir dir;
    const QString path = fixtures::writeImage(dir, "p.png", fixtures::photographic(20, 10), "png");
    EXPECT_THROW(loadFitted(path, QSize(593, 0), kWhite), PictureError);
    EXPECT_THROW(loadFitted(path, QSize(0, 193), kWhite), PictureError);
    EXPECT_THROW(loadFitted(dir.filePath("missing.png"), kViewerBox, kWhite), PictureError);
}

// Nobody writes to these: an ordinary open would wait for ever.
TEST(LoadFitted, NamedPipeOrFolderUnderAPictureNameFailsAtOnce)
{
    QTemporaryDir dir;
    for (const char* name : {"pipe.jpg", "pipe.tif"}) {
        const QString pipe = dir.filePath(QString::fromLatin1(name));
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        EXPECT_THROW(loadFitted(pipe, kViewerBox, kWhite), PictureError) << name;
        EXPECT_THROW(picture::decodeAtOwnSize(pipe), PictureError) << name;
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
    EXPECT_THROW(loadFitted(dir.filePath(QStringLiteral("folder.png")), kViewerBox, kWhite), PictureError);
}

TEST(LoadFitted, SlenderPictureTooThinToShowLeavesTheBackground)
{
    QTemporaryDir dir;
    const QString path = fixtures::writeImage(dir, "line.png", fixtures::halves(4000, 1, Qt::black, Qt::black), "png");
    const QImage image = loadFitted(path, kViewerBox, kWhite)->image();
    EXPECT_EQ(image.size(), kViewerBox);
    EXPECT_TRUE(fixtures::regionIs(image, QRect(0, 0, 593, 96), Qt::white));
}
