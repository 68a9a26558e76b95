// The caption session with no window: stepping through a folder, a rename or a delete taken into the
// list at once, and typing told apart from what the file holds.
#include "session/caption_session.h"

#include "session/photo_comment_io.h"
#include "support/fake_comment_library.h"
#include "support/faulty_files.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using session::Direction;

class CaptionSessionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString file(const QString& name)
    {
        QFile out(dir() + name);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        return out.fileName();
    }
    // a.jpg, b.png and c.gif, the session opened at `name`.
    void openAmongThree(const char* name)
    {
        for (const char* picture : {"a.jpg", "b.png", "c.gif"})
            file(QString::fromLatin1(picture));
        session.open(dir() + QString::fromLatin1(name));
    }
    QStringList stepNames(Direction direction, int count)
    {
        QStringList names;
        for (int i = 0; i < count && session.step(direction); ++i)
            names.append(shownName());
        return names;
    }
    QString shownName() const { return session.CurrentFilePath().section(u'/', -1); }
    QString dir() const { return folder.path() + QStringLiteral("/"); }

    QTemporaryDir folder;
    fakes::FaultyFiles files;
    fakes::FakeCommentLibrary comments;
    session::CaptionSession session{files, comments};
};

TEST_F(CaptionSessionTest, StepsWrapRoundBothEndsAndNeverLeaveTheList)
{
    openAmongThree("b.png");
    EXPECT_EQ(stepNames(Direction::Next, 3), QStringList({"c.gif", "a.jpg", "b.png"}));
    EXPECT_EQ(stepNames(Direction::Previous, 3), QStringList({"a.jpg", "c.gif", "b.png"}));
    EXPECT_EQ(session.neighbours(), QStringList({dir() + "c.gif", dir() + "a.jpg"})) << "Next's picture first";

    const QString odd = file(QStringLiteral("odd.webp")); // opened by a name the list does not take
    session.open(odd);
    EXPECT_EQ(session.CurrentFilePath(), odd);
    EXPECT_EQ(stepNames(Direction::Previous, 1), QStringList({"c.gif"}));

    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("one")));
    session.open(file(QStringLiteral("one/only.bmp")));
    EXPECT_EQ(stepNames(Direction::Next, 2), QStringList({"only.bmp", "only.bmp"}));
    EXPECT_EQ(session.neighbours(), QStringList({dir() + "one/only.bmp"}));
}

TEST_F(CaptionSessionTest, StepFromAPathThatNamesNoFileChangesNothing)
{
    openAmongThree("b.png");
    ASSERT_TRUE(QFile::remove(dir() + QStringLiteral("b.png")));
    EXPECT_FALSE(session.step(Direction::Next));
    EXPECT_EQ(session.stepsFrom(), dir() + QStringLiteral("b.png"));
    EXPECT_EQ(session.CurrentIndex(), 1);

    session.setCurrentFilePath(dir() + QStringLiteral("typo.jpg")); // typed into the path box
    EXPECT_FALSE(session.step(Direction::Previous));
    EXPECT_EQ(session.CurrentFilePath(), dir() + QStringLiteral("typo.jpg"));
}

TEST_F(CaptionSessionTest, DeleteTakesTheFileOutOfTheListAtOnceAndTheNextStepStartsFromTheFirst)
{
    file(QStringLiteral("d.bmp"));
    openAmongThree("c.gif");
    ASSERT_TRUE(QFile::remove(dir() + QStringLiteral("c.gif")));
    session.deleted(dir() + QStringLiteral("c.gif"));
    EXPECT_EQ(session.File1().names(), QStringList({"a.jpg", "b.png", "d.bmp"}));
    EXPECT_EQ(session.CurrentFilePath(), dir() + QStringLiteral("c.gif")) << "Save never turns to another file";
    EXPECT_EQ(stepNames(Direction::Next, 1), QStringList({"b.png"}));

    session.deleted(dir() + QStringLiteral("b.png")); // the user kept it in the trash's question
    EXPECT_EQ(stepNames(Direction::Previous, 1), QStringList({"d.bmp"}));

    for (const char* name : {"a.jpg", "b.png", "d.bmp"}) {
        ASSERT_TRUE(QFile::remove(dir() + QString::fromLatin1(name)));
        session.deleted(dir() + QString::fromLatin1(name));
    }
    EXPECT_FALSE(session.step(Direction::Next)) << "nothing left to show";
    EXPECT_EQ(session.stepsFrom(), dir());
}

TEST_F(CaptionSessionTest, RenamedPictureIsFollowedAtOnce)
{
    openAmongThree("a.jpg");
    ASSERT_TRUE(QFile::rename(dir() + QStringLiteral("a.jpg"), dir() + QStringLiteral("bb.JPG")));
    EXPECT_TRUE(session.renamed(dir() + QStringLiteral("a.jpg"), dir() + QStringLiteral("bb.JPG")));
    EXPECT_EQ(session.CurrentFilePath(), dir() + QStringLiteral("bb.JPG"));
    EXPECT_EQ(session.File1().names(), QStringList({"b.png", "bb.JPG", "c.gif"}));
    EXPECT_EQ(stepNames(Direction::Next, 1), QStringList({"c.gif"}));
}

// The Rename dialog was opened on a.jpg, the user stepped on to b.png, then gave a.jpg its new name:
// Save must stay with b.png.
TEST_F(CaptionSessionTest, RenameFinishedAfterMovingOnKeepsThePictureShown)
{
    openAmongThree("a.jpg");
    ASSERT_EQ(stepNames(Direction::Next, 1), QStringList({"b.png"}));
    ASSERT_TRUE(QFile::rename(dir() + QStringLiteral("a.jpg"), dir() + QStringLiteral("z.jpg")));
    EXPECT_FALSE(session.renamed(dir() + QStringLiteral("a.jpg"), dir() + QStringLiteral("z.jpg")));
    EXPECT_EQ(session.CurrentFilePath(), dir() + QStringLiteral("b.png"));
    EXPECT_EQ(stepNames(Direction::Next, 2), QStringList({"c.gif", "z.jpg"}));
}

// A rename or a delete belongs to the folder it happened in: the next picture opened starts afresh.
TEST_F(CaptionSessionTest, OpenAfterARenameOrADeleteStepsFromThePictureOpened)
{
    openAmongThree("a.jpg");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("other")));
    for (const char* name : {"other/p.png", "other/q.png", "other/r.png"})
        file(QString::fromLatin1(name));

    ASSERT_TRUE(QFile::remove(dir() + QStringLiteral("a.jpg")));
    session.deleted(dir() + QStringLiteral("a.jpg"));
    session.open(dir() + QStringLiteral("other/q.png"));
    EXPECT_EQ(stepNames(Direction::Next, 1), QStringList({"r.png"}));

    session.open(dir() + QStringLiteral("b.png"));
    ASSERT_TRUE(QFile::rename(dir() + QStringLiteral("b.png"), dir() + QStringLiteral("x.png")));
    session.renamed(dir() + QStringLiteral("b.png"), dir() + QStringLiteral("x.png"));
    session.open(dir() + QStringLiteral("other/p.png"));
    EXPECT_EQ(stepNames(Direction::Previous, 1), QStringList({"r.png"}));
}

TEST_F(CaptionSessionTest, TypingCountsAsUnsavedWheneverTheFileHoldsAnotherText)
{
    comments.comments.insert(QFile::encodeName(file(QStringLiteral("a.jpg"))), "A");
    session.open(dir() + QStringLiteral("a.jpg"));
    EXPECT_FALSE(session.holdsUnsavedTyping(QStringLiteral("typed"))) << "nothing loaded, nothing to lose";
    session.rememberLoaded(session.loadedComment());
    EXPECT_FALSE(session.holdsUnsavedTyping(QStringLiteral("A")));
    EXPECT_TRUE(session.holdsUnsavedTyping(QStringLiteral("A typed")));
    EXPECT_TRUE(session.unchangedSinceLoad(QStringLiteral("A")));

    ASSERT_EQ(session.save(QStringLiteral("B")), 0);
    EXPECT_EQ(session.SavedComment(), QStringLiteral("B"));
    EXPECT_FALSE(session.holdsUnsavedTyping(QStringLiteral("B")));
    EXPECT_TRUE(session.holdsUnsavedTyping(QStringLiteral("A"))) << "typed back to the loaded text after a save";
    EXPECT_FALSE(session.unchangedSinceLoad(QStringLiteral("A"))) << "the file holds B now";

    session.rememberLoaded(QStringLiteral("B"));
    EXPECT_TRUE(session.SavedComment().isEmpty()) << "a new load is not covered by the save before it";
}

TEST_F(CaptionSessionTest, AFailedSaveLeavesTheTypingUnsaved)
{
    session.open(file(QStringLiteral("a.jpg")));
    session.rememberLoaded(QString());
    comments.failWrite = true;
    EXPECT_LT(session.save(QStringLiteral("B")), 0);
    EXPECT_TRUE(session.holdsUnsavedTyping(QStringLiteral("B")));
    EXPECT_TRUE(session.SavedComment().isEmpty());

    comments.failWrite = false;
    EXPECT_EQ(session.save(QStringLiteral("cut") + QChar(u'\0') + QStringLiteral("short")), session::kTextHoldsNul);
    EXPECT_EQ(comments.calls.count(QByteArrayLiteral("DisplayStringByRef")), 1) << "the NUL never reached the library";
}

// Typing goes unasked only with the picture the user sent to the trash, never with one opened afterwards.
TEST_F(CaptionSessionTest, OnlyThePictureTheUserTrashedTakesItsTypingAlong)
{
    openAmongThree("a.jpg");
    session.rememberLoaded(QString());
    session.deleted(dir() + QStringLiteral("a.jpg")); // the user kept it in the trash's question
    EXPECT_FALSE(session.loadedPictureTrashed());

    ASSERT_TRUE(QFile::remove(dir() + QStringLiteral("a.jpg")));
    session.deleted(dir() + QStringLiteral("a.jpg"));
    EXPECT_TRUE(session.loadedPictureTrashed());

    session.open(dir() + QStringLiteral("b.png"));
    session.rememberLoaded(QString());
    EXPECT_FALSE(session.loadedPictureTrashed());
}

} // namespace
