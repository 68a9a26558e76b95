#include "fixtures.h"
#include "picture/picture.h"
#include "picture/picture_preparer.h"
#include "picture/render_fitted.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

using namespace picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
const QSize kBox(60, 30);

// Waits, within a generous limit, for `done`; false when it never came.
template <typename Done>
bool eventually(Done done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 60000)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Records the name of every file it fits, and fits into a plain white bitmap of the box.
struct FitLog {
    std::mutex mutex;
    QStringList fitted;

    PicturePreparer::Fit fit()
    {
        return [this](const QString& path, QSize box) {
            {
                const std::lock_guard lock(mutex);
                fitted.append(path.section(u'/', -1));
            }
            QImage bitmap(box, QImage::Format_RGB32);
            bitmap.fill(Qt::white);
            return BitmapToPicture(bitmap);
        };
    }
    QStringList names()
    {
        const std::lock_guard lock(mutex);
        return fitted;
    }
};

class PicturePreparerTest : public ::testing::Test {
protected:
    QString file(const QString& name, QColor color = Qt::red, QSize size = QSize(40, 30))
    {
        return fixtures::writeImage(dir, name, fixtures::halves(size.width(), size.height(), color, color), "bmp");
    }
    QStringList files(const QStringList& names)
    {
        QStringList paths;
        for (const QString& name : names)
            paths.append(file(name));
        return paths;
    }
    static QColor centre(const PicturePtr& bitmap)
    {
        return bitmap->image().pixelColor(bitmap->image().width() / 2, bitmap->image().height() / 2);
    }

    QTemporaryDir dir;
};

TEST_F(PicturePreparerTest, PreparedBitmapIsUsedOnlyWhileItsFileIsUnchanged)
{
    const QString a = file(QStringLiteral("a.bmp"), Qt::red);
    const QString b = file(QStringLiteral("b.bmp"), Qt::green);
    const QString c = file(QStringLiteral("c.bmp"), Qt::blue);
    int fits = 0;
    PicturePreparer preparer([&fits](const QString& path, QSize box) {
        ++fits; // only this test's thread reads it, after the worker has settled
        return loadFitted(path, box, kWhite);
    });

    preparer.fitted(a, kBox);
    preparer.prepareAround(a, {b, c}, kBox);
    ASSERT_TRUE(eventually([&] { return preparer.idle(); }));
    ASSERT_EQ(fits, 3);
    const PicturePtr prepared = preparer.fitted(b, kBox);
    EXPECT_EQ(fits, 3) << "a prepared neighbour is not fitted again";
    EXPECT_EQ(prepared->image(), loadFitted(b, kBox, kWhite)->image());

    // Rewritten with other contents of the same length, later: the stamp no longer matches.
    file(QStringLiteral("b.bmp"), Qt::yellow);
    QFile rewritten(b);
    ASSERT_TRUE(rewritten.open(QIODevice::ReadWrite));
    ASSERT_TRUE(rewritten.setFileTime(QDateTime::currentDateTime().addSecs(2), QFileDevice::FileModificationTime));
    rewritten.close();
    EXPECT_EQ(centre(preparer.fitted(b, kBox)), QColor(Qt::yellow));

    file(QStringLiteral("c.bmp"), Qt::magenta, QSize(50, 30)); // another length
    EXPECT_EQ(centre(preparer.fitted(c, kBox)), QColor(Qt::magenta));

    const int before = fits;
    preparer.fitted(a, QSize(120, 60)); // another box, as on a screen of another scale
    EXPECT_EQ(fits, before + 1);
    ASSERT_TRUE(QFile::remove(a));
    EXPECT_THROW(preparer.fitted(a, kBox), PictureError) << "a file gone is not shown from memory";
}

TEST_F(PicturePreparerTest, KeepsAtMostThreeAndFitsEachNeighbourOnce)
{
    const QStringList p = files({"p0.bmp", "p1.bmp", "p2.bmp", "p3.bmp"});
    FitLog log;
    PicturePreparer preparer(log.fit());

    preparer.fitted(p[1], kBox);
    preparer.prepareAround(p[1], {p[2], p[0]}, kBox);
    ASSERT_TRUE(eventually([&] { return preparer.idle(); }));
    EXPECT_EQ(log.names(), QStringList({"p1.bmp", "p2.bmp", "p0.bmp"}));

    preparer.fitted(p[2], kBox); // the step forward finds it ready
    preparer.prepareAround(p[2], {p[3], p[1]}, kBox);
    ASSERT_TRUE(eventually([&] { return preparer.idle(); }));
    preparer.fitted(p[1], kBox);
    preparer.fitted(p[3], kBox);
    EXPECT_EQ(log.names(), QStringList({"p1.bmp", "p2.bmp", "p0.bmp", "p3.bmp"}));
    preparer.fitted(p[0], kBox); // no longer near: forgotten
    EXPECT_EQ(log.names().size(), 5);

    preparer.setEnabled(false);
    preparer.prepareAround(p[0], {p[1], p[3]}, kBox);
    ASSERT_TRUE(eventually([&] { return preparer.idle(); }));
    preparer.fitted(p[1], kBox);
    preparer.fitted(p[1], kBox);
    EXPECT_EQ(log.names().mid(5), QStringList({"p1.bmp", "p1.bmp"})) << "switched off, nothing is kept or prepared";
}

TEST_F(PicturePreparerTest, CallerNeverWaitsForTheWorkerAndStoppingStartsNoFurtherFit)
{
    const QStringList p = files({"here.bmp", "slow.bmp", "next.bmp", "after.bmp"});
    std::mutex mutex;
    std::condition_variable released;
    bool release = false;
    QStringList started;
    auto preparer = std::make_unique<PicturePreparer>([&](const QString& path, QSize box) {
        std::unique_lock lock(mutex);
        started.append(path.section(u'/', -1));
        if (started.size() == 1)
            released.wait(lock, [&] { return release; }); // the worker's first fit hangs until released
        QImage bitmap(box, QImage::Format_RGB32);
        bitmap.fill(Qt::white);
        return BitmapToPicture(bitmap);
    });

    preparer->prepareAround(p[0], {p[1], p[2], p[3]}, kBox);
    ASSERT_TRUE(eventually([&] {
        const std::lock_guard lock(mutex);
        return !started.isEmpty();
    }));
    EXPECT_NE(preparer->fitted(p[1], kBox), nullptr) << "fitted on the caller's thread, beside the hung worker";
    EXPECT_FALSE(preparer->idle());

    preparer->stop();
    {
        const std::lock_guard lock(mutex);
        release = true;
    }
    released.notify_all();
    preparer.reset();
    EXPECT_EQ(started, QStringList({"slow.bmp", "slow.bmp"})) << "the queued neighbours were never started";
}

}  // namespace
