// Tests of camera RAW files shown from their embedded previews, upright.
#include "dng_writer.h"
#include "fixtures.h"
#include "picture/picture.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace picture;

// Camera RAW files are shown from the preview the camera embedded, turned upright by the RAW's
// orientation; one without a preview is developed from its raw picture.

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

// Stored 960 x 640: red top left, green top right, blue bottom left, yellow bottom right.
QImage corners()
{
    QImage image(960, 640, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 480, 320, Qt::red);
    painter.fillRect(480, 0, 480, 320, Qt::green);
    painter.fillRect(0, 320, 480, 320, Qt::blue);
    painter.fillRect(480, 320, 480, 320, Qt::yellow);
    return image;
}

QString writeDng(const QTemporaryDir& dir, const QString& name, const QImage& preview, int orientation)
{
    const QSize rawSize(64, 48);
    return fixtures::writeBytes(
        dir, name, fixtures::dngBytes({preview, rawSize, fixtures::brightLeftMosaic(rawSize), orientation}));
}

struct Corners {
    QColor topLeft, topRight, bottomLeft, bottomRight;
};

// Each quarter of the picture, a margin inside its edges, is of its colour.
void expectCorners(const QImage& image, const Corners& expected)
{
    const int w = image.width() / 2, h = image.height() / 2, m = 3;
    EXPECT_TRUE(fixtures::regionIs(image, QRect(m, m, w - 2 * m, h - 2 * m), expected.topLeft, 40));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(w + m, m, w - 2 * m, h - 2 * m), expected.topRight, 40));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(m, h + m, w - 2 * m, h - 2 * m), expected.bottomLeft, 40));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(w + m, h + m, w - 2 * m, h - 2 * m), expected.bottomRight, 40));
}

int brightness(const QImage& image, QRect rect)
{
    return qGray(image.copy(rect).scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0));
}

} // namespace

TEST(RawPictures, PreviewIsShownUprightByTheRawsOrientation)
{
    struct Case {
        int orientation;
        QSize upright;
        Corners corners;
    };
    const Case cases[] = {
        {1, {960, 640}, {Qt::red, Qt::green, Qt::blue, Qt::yellow}},
        {6, {640, 960}, {Qt::blue, Qt::red, Qt::yellow, Qt::green}}, // a quarter turn clockwise
        {8, {640, 960}, {Qt::green, Qt::yellow, Qt::red, Qt::blue}}, // a quarter turn back
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.orientation);
        const QString path = writeDng(dir, QStringLiteral("o%1.dng").arg(c.orientation), corners(), c.orientation);

        int width = -1, height = -1;
        const QImage own = LoadPictureScaled(path, width, height, kWhite, false)->image();
        EXPECT_EQ(QSize(width, height), c.upright);
        expectCorners(own, c.corners);

        // Fitted small enough for the preview to be decoded at an eighth of its size.
        const QSize box = c.upright / 8;
        const QImage fitted = loadFitted(path, box, kWhite)->image();
        EXPECT_EQ(fitted.size(), box);
        expectCorners(fitted, c.corners);
    }
}

TEST(RawPictures, WithoutAUsablePreviewTheRawPictureIsDeveloped)
{
    QTemporaryDir dir;
    // The 64 x 48 mosaic, bright on its left, comes out at half size.
    int width = -1, height = -1;
    const QImage plain =
        LoadPictureScaled(writeDng(dir, "plain.dng", QImage(), 1), width, height, kWhite, false)->image();
    EXPECT_EQ(QSize(width, height), QSize(32, 24));
    EXPECT_GT(brightness(plain, QRect(2, 2, 10, 20)), brightness(plain, QRect(20, 2, 10, 20)) + 60);

    // Upright by its orientation: the bright side comes on top.
    width = height = -1;
    const QImage turned =
        LoadPictureScaled(writeDng(dir, "turned.dng", QImage(), 6), width, height, kWhite, false)->image();
    EXPECT_EQ(QSize(width, height), QSize(24, 32));
    EXPECT_GT(brightness(turned, QRect(2, 2, 20, 10)), brightness(turned, QRect(2, 20, 20, 10)) + 60);

    // A preview that does not decode is passed over for the raw picture.
    QByteArray broken = fixtures::dngBytes({corners(), {64, 48}, fixtures::brightLeftMosaic({64, 48}), 1});
    const qsizetype jpegAt = broken.indexOf("\xFF\xD8\xFF");
    ASSERT_GT(jpegAt, 0);
    broken.replace(jpegAt, 600, QByteArray(600, '\x55'));
    width = height = -1;
    LoadPictureScaled(fixtures::writeBytes(dir, "broken-preview.dng", broken), width, height, kWhite, false);
    EXPECT_EQ(QSize(width, height), QSize(32, 24));
}

TEST(RawPictures, DamagedRawGivesTheErrorMessage)
{
    QTemporaryDir dir;
    const QByteArray whole = fixtures::dngBytes({QImage(), {64, 48}, fixtures::brightLeftMosaic({64, 48}), 1});
    // Its directory names a raw picture the file has only a few rows of.
    const QByteArray fewRows = fixtures::dngBytes({QImage(), {64, 48}, std::vector<uint16_t>(64 * 4, 1000), 1});
    const QByteArray samples[] = {whole.left(whole.size() / 2), whole.left(12), fewRows};
    int n = 0;
    for (const QByteArray& damaged : samples) {
        const QString path = fixtures::writeBytes(dir, QStringLiteral("damaged%1.dng").arg(n++), damaged);
        try {
            loadFitted(path, QSize(593, 193), kWhite);
            ADD_FAILURE() << "shown: " << qPrintable(path);
        } catch (const PictureError& error) {
            EXPECT_EQ(error.description(), QStringLiteral("Error loading picture ") + path);
        }
    }
}
