// Tests of the large view's renderer: only the newest request is delivered, fitted anew for each size.
#include "fixtures.h"
#include "picture/view_renderer.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace picture;

namespace {

// Collects what a renderer delivers, on the test's own thread.
struct Deliveries {
    QObject receiver;
    std::vector<ViewFrame> frames;
    ViewRenderer renderer{&receiver, [this](const ViewFrame& frame) { frames.push_back(frame); }};

    void settle()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return renderer.idle(); }));
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST(ViewRenderer, OnlyTheNewestRequestIsDeliveredFittedToItsBoxAndANewSizeIsFittedAgain)
{
    QTemporaryDir dir;
    const QString wide = fixtures::writeImage(dir, "wide.png", fixtures::halves(400, 200, Qt::red, Qt::blue), "png");
    const QString tall = fixtures::writeImage(dir, "tall.png", fixtures::halves(100, 300, Qt::green, Qt::green), "png");
    Deliveries deliveries;
    deliveries.renderer.request(wide, QSize(1000, 1000), QSize(200, 200));
    deliveries.renderer.request(tall, QSize(1000, 1000), QSize(90, 90));
    deliveries.settle();
    ASSERT_EQ(deliveries.frames.size(), 1u) << "the frame of the older request is never delivered";
    EXPECT_EQ(deliveries.frames[0].path, tall);
    ASSERT_TRUE(deliveries.frames[0].picture);
    EXPECT_EQ(deliveries.frames[0].picture->image().size(), QSize(30, 90));

    deliveries.renderer.request(wide, QSize(1000, 1000), QSize(800, 600));
    deliveries.renderer.request(wide, QSize(1000, 1000), QSize(800, 600 * 4));
    deliveries.settle();
    ASSERT_TRUE(deliveries.frames.back().picture);
    const QImage enlarged = deliveries.frames.back().picture->image();
    EXPECT_EQ(enlarged.size(), QSize(800, 400)) << "larger than the picture itself: still fitted to the box";
    EXPECT_TRUE(fixtures::regionIs(enlarged, QRect(10, 10, 370, 380), Qt::red, 8));
    EXPECT_TRUE(fixtures::regionIs(enlarged, QRect(420, 10, 370, 380), Qt::blue, 8));
}

TEST(ViewRenderer, AFileThatCannotBeDecodedIsReportedAndAClearedRendererDeliversNothing)
{
    QTemporaryDir dir;
    Deliveries deliveries;
    deliveries.renderer.request(fixtures::writeBytes(dir, "broken.jpg", "not a picture"), QSize(100, 100),
                                QSize(50, 50));
    deliveries.settle();
    ASSERT_EQ(deliveries.frames.size(), 1u);
    EXPECT_TRUE(deliveries.frames[0].failed);
    EXPECT_FALSE(deliveries.frames[0].picture);

    const QString fine = fixtures::writeImage(dir, "fine.png", fixtures::halves(40, 40, Qt::red, Qt::red), "png");
    deliveries.renderer.request(fine, QSize(100, 100), QSize(50, 50));
    deliveries.renderer.clear();
    deliveries.settle();
    EXPECT_EQ(deliveries.frames.size(), 1u);
}
