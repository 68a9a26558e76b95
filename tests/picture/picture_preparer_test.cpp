// Tests of the preparer: fitting ahead, the bitmaps it keeps, and stopping without waiting.
#include "picture/picture_preparer.h"
#include "picture/render_fitted.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

using namespace picture;

// The worker's first fit hangs until released. Meanwhile the caller fits for itself instead of waiting,
// and stopping drops the neighbours still queued, so closing waits for that one fit only.
TEST(PicturePreparerTest, CallerNeverWaitsForTheWorkerAndStoppingStartsNoFurtherFit)
{
    QTemporaryDir dir;
    QStringList paths;
    for (const char* name : {"here.bmp", "slow.bmp", "next.bmp", "after.bmp"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("BM") == 2);
        paths.append(file.fileName());
    }
    std::mutex mutex;
    std::condition_variable changed;
    bool released = false;
    QStringList started;
    auto preparer = std::make_unique<PicturePreparer>([&](const QString& path, QSize box) {
        std::unique_lock lock(mutex);
        started.append(path.section(u'/', -1));
        changed.notify_all();
        if (started.size() == 1)
            changed.wait(lock, [&] { return released; });
        QImage bitmap(box, QImage::Format_RGB32);
        bitmap.fill(Qt::white);
        return BitmapToPicture(bitmap);
    });

    preparer->prepareAround(paths[0], {paths[1], paths[2], paths[3]}, QSize(60, 30));
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return !started.isEmpty(); });
    }
    EXPECT_NE(preparer->fitted(paths[1], QSize(60, 30)), nullptr);
    EXPECT_FALSE(preparer->idle());

    preparer->stop();
    {
        const std::lock_guard lock(mutex);
        released = true;
    }
    changed.notify_all();
    preparer.reset();
    EXPECT_EQ(started, QStringList({"slow.bmp", "slow.bmp"})) << "the queued neighbours were never started";
}
