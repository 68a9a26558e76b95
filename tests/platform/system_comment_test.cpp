// Tests of the system comment read from files exiftool and setfattr gave one.
#include "platform/detail_folder.h"
#include "platform/system_comment.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Files given a system comment by the tools people use: exiftool and setfattr.
class SystemCommentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty())
            GTEST_SKIP() << "exiftool is not installed";
    }

    QString picture(const char* format)
    {
        const QString path = dir.filePath(QStringLiteral("p.") + QString::fromLatin1(format));
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::blue);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }

    void exiftool(const QString& assignment, const QString& path)
    {
        ASSERT_TRUE(run(QStringLiteral("exiftool"),
                        {QStringLiteral("-q"), QStringLiteral("-overwrite_original"), assignment, path}));
    }

    QTemporaryDir dir;
};

const QString kText = QStringLiteral("Holiday at the lake, Ærø – 夏");

TEST_F(SystemCommentTest, XpCommentOfJpegAndTiff)
{
    for (const char* format : {"jpg", "tif"}) {
        const QString path = picture(format);
        exiftool(QStringLiteral("-XPComment=") + kText, path);
        EXPECT_EQ(platform::readSystemComment(path), kText) << format;
    }
}

TEST_F(SystemCommentTest, UserCommentWhenThereIsNoXpComment)
{
    const QString path = picture("jpg");
    exiftool(QStringLiteral("-UserComment=") + kText, path);
    EXPECT_EQ(platform::readSystemComment(path), kText);
}

TEST_F(SystemCommentTest, XpCommentComesBeforeUserComment)
{
    const QString path = picture("jpg");
    exiftool(QStringLiteral("-UserComment=second"), path);
    exiftool(QStringLiteral("-XPComment=first"), path);
    EXPECT_EQ(platform::readSystemComment(path), QStringLiteral("first"));
}

TEST_F(SystemCommentTest, XmpUserCommentLast)
{
    const QString path = picture("png");
    exiftool(QStringLiteral("-XMP-exif:UserComment=") + kText, path);
    EXPECT_EQ(platform::readSystemComment(path), kText);
}

TEST_F(SystemCommentTest, ExtendedAttributeWinsOverEmbeddedComments)
{
    if (QStandardPaths::findExecutable(QStringLiteral("setfattr")).isEmpty())
        GTEST_SKIP() << "setfattr (attr) is not installed";
    const QString path = picture("jpg");
    exiftool(QStringLiteral("-XPComment=embedded"), path);
    if (!run(QStringLiteral("setfattr"),
             {QStringLiteral("-n"), QStringLiteral("user.xdg.comment"), QStringLiteral("-v"), kText, path}))
        GTEST_SKIP() << "this file system keeps no user attributes";
    EXPECT_EQ(platform::readSystemComment(path), kText);
}

TEST_F(SystemCommentTest, NoCommentOrUnreadableFileGivesEmptyText)
{
    EXPECT_EQ(platform::readSystemComment(picture("jpg")), QString());
    QFile broken(dir.filePath(QStringLiteral("broken.jpg")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8\xFF\xE1\xFF\xFF"
                 "Exif\0\0MM\0*\0\0\0\x08\xFF\xFF",
                 22);
    broken.close();
    EXPECT_EQ(platform::readSystemComment(broken.fileName()), QString());
    EXPECT_EQ(platform::readSystemComment(dir.filePath(QStringLiteral("missing.jpg"))), QString());
}

TEST(DetailFolderTest, ColumnsCarryTheirTitlesAndValues)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("a.jpg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'x'));
    file.close();

    platform::DetailNamespace shell;
    EXPECT_EQ(shell.Namespace(dir.filePath(QStringLiteral("missing"))), nullptr);
    const auto folder = shell.Namespace(dir.path() + QStringLiteral("/"));
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->ParseName(QStringLiteral("missing.jpg")), nullptr);
    const auto item = folder->ParseName(QStringLiteral("a.jpg"));
    ASSERT_NE(item, nullptr);

    EXPECT_EQ(folder->columnTitle(24), QStringLiteral("Comments"));
    EXPECT_EQ(folder->columnTitle(34), QStringLiteral("File description"));
    EXPECT_EQ(folder->columnTitle(35), QString());
    EXPECT_EQ(folder->GetDetailsOf(*item, 0), QStringLiteral("a.jpg"));
    EXPECT_EQ(folder->GetDetailsOf(*item, 1), QStringLiteral("2 KB"));
    EXPECT_EQ(folder->GetDetailsOf(*item, 2), QStringLiteral("JPG File"));
    EXPECT_FALSE(folder->GetDetailsOf(*item, 3).isEmpty());
    EXPECT_EQ(folder->GetDetailsOf(*item, 24), QString());
}

} // namespace
