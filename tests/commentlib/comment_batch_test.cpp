// A batch reports every file once, in the order given and on the caller's thread, while groups are written
// behind it; files it cannot write are reported in their turn without holding up the rest.
#include "comment_test_support.h"

#include "commentlib/comment_batch.h"
#include "commentlib/corvane.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace commenttest;

namespace {

struct Reported {
    size_t index;
    int32_t status;
    std::thread::id thread;
};

TEST(CommentBatchOrder, EveryFileReportedOnceInOrderAcrossGroups)
{
    QTemporaryDir folder;
    QTemporaryDir otherFolder;
    std::vector<std::string> paths;
    std::vector<int32_t> expected;
    auto add = [&](const QString& path, int32_t status) {
        paths.push_back(path.toStdString());
        expected.push_back(status);
    };
    for (int i = 0; i < 23; ++i) {
        const QString path = (i % 2 ? folder : otherFolder).filePath(QString("p%1.jpg").arg(i));
        writeFile(path, fixture(i % 3 ? Format::Jpeg : Format::Png));
        add(path, CORVANE_OK);
        if (i % 5 == 0) {
            add(folder.filePath(QString("missing%1.jpg").arg(i)), CORVANE_E_NOT_FOUND);
        }
        if (i % 7 == 0) {
            const QString notes = folder.filePath(QString("notes%1.jpg").arg(i));
            writeFile(notes, "not a picture");
            add(notes, CORVANE_E_UNSUPPORTED);
        }
    }
    const QString already = folder.filePath("already.gif");
    writeFile(already, fixture(Format::Gif));
    ASSERT_EQ(setComment(already, "trip"), CORVANE_OK);
    const QByteArray alreadyBytes = readFile(already);
    add(already, CORVANE_OK);

    std::vector<Reported> reports;
    {
        const auto report = [&](size_t index, int32_t status, const corvane::SidecarWrite&) {
            reports.push_back({index, status, std::this_thread::get_id()});
        };
        corvane::CommentBatch batch("trip", report, corvane::BatchLimits{3, 1 << 20});
        for (const std::string& path : paths)
            batch.add(path);
        batch.finish();
        ASSERT_EQ(reports.size(), paths.size());
        batch.add(paths.front());
    }
    ASSERT_EQ(reports.size(), paths.size() + 1) << "the destructor writes what was added after finish";
    for (size_t i = 0; i < paths.size(); ++i) {
        EXPECT_EQ(reports[i].index, i);
        EXPECT_EQ(reports[i].status, expected[i]) << paths[i];
        EXPECT_EQ(reports[i].thread, std::this_thread::get_id());
        if (expected[i] == CORVANE_OK) {
            EXPECT_EQ(readComment(QString::fromStdString(paths[i])).text, "trip") << paths[i];
        }
    }
    EXPECT_EQ(reports.back().index, paths.size());
    EXPECT_EQ(readFile(already), alreadyBytes) << "an unchanged file is not rewritten";
    for (const QTemporaryDir* dir : {&folder, &otherFolder})
        for (const QString& name : QDir(dir->path()).entryList(QDir::Files | QDir::Hidden))
            EXPECT_FALSE(name.startsWith('.')) << "temporary left behind: " << name.toStdString();
}

}
