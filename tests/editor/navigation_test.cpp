// Next File and Previous File in the window: the list, wrapping round, and a step after a rename or a delete.
#include "editor_fixture.h"

#include <QFile>
#include <cstdio>

namespace {

class NavigationTest : public EditorTest {
protected:
    void threePictures()
    {
        picture(QStringLiteral("a.jpg"));
        picture(QStringLiteral("b.png"));
        picture(QStringLiteral("c.gif"));
    }

    QStringList stepNames(void (editor::Corvane::*command)(), int steps)
    {
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            (window.get()->*command)();
            names.append(shownName());
        }
        return names;
    }
};

TEST_F(NavigationTest, NextAndPreviousWrapAroundBothEnds)
{
    threePictures();
    open(dir() + QStringLiteral("b.png"));
    EXPECT_EQ(window->session().CurrentIndex(), 1);

    EXPECT_EQ(stepNames(&editor::Corvane::Command2_Click, 4), QStringList({"c.gif", "a.jpg", "b.png", "c.gif"}));
    EXPECT_EQ(stepNames(&editor::Corvane::Command3_Click, 4), QStringList({"b.png", "a.jpg", "c.gif", "b.png"}));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("b.png - Corvane 1.0"));
    EXPECT_EQ(window->session().CurrentFilePath(), dir() + QStringLiteral("b.png"));
    EXPECT_TRUE(pictureShown());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(NavigationTest, OnePictureFolderShowsTheSamePictureAgain)
{
    picture(QStringLiteral("only.bmp"));
    open(dir() + QStringLiteral("only.bmp"));
    window->Command2_Click();
    EXPECT_EQ(shownName(), QStringLiteral("only.bmp"));
    window->Command3_Click();
    EXPECT_EQ(shownName(), QStringLiteral("only.bmp"));
    EXPECT_EQ(window->session().CurrentIndex(), 0);
}

TEST_F(NavigationTest, CurrentFileDeletedOutsideReportsFileNotFoundAndChangesNothing)
{
    threePictures();
    open(dir() + QStringLiteral("b.png"));
    ASSERT_TRUE(QFile::remove(dir() + QStringLiteral("b.png")));

    for (auto command : {&editor::Corvane::Command2_Click, &editor::Corvane::Command3_Click}) {
        dialogs.messages.clear();
        (window.get()->*command)();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, QStringLiteral(" File not found."));
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
        EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Information);
        EXPECT_EQ(window->session().CurrentIndex(), 1);
        EXPECT_EQ(shownName(), QStringLiteral("b.png"));
    }
}

TEST_F(NavigationTest, ListHoldsOnlyVisiblePicturesSortedWithoutRegardToCase)
{
    picture(QStringLiteral("b.JPEG"));
    picture(QStringLiteral("A.png"));
    picture(QStringLiteral("c.TIFF"));
    picture(QStringLiteral(".hidden.jpg"));
    writeFile(QStringLiteral("x.txt"), "text");
    writeFile(QStringLiteral("jpg"), "no extension");
    picture(QStringLiteral("d.jfif"));
    picture(QStringLiteral("e.JPE"));
    picture(QStringLiteral("f.tif"));
    picture(QStringLiteral("g.gif"));
    picture(QStringLiteral("h.Bmp"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.jpg")));

    open(dir() + QStringLiteral("A.png"));
    EXPECT_EQ(window->session().File1().names(),
              QStringList({"A.png", "b.JPEG", "c.TIFF", "d.jfif", "e.JPE", "f.tif", "g.gif", "h.Bmp"}));

    QStringList cycle = stepNames(&editor::Corvane::Command2_Click, 8);
    EXPECT_FALSE(cycle.contains(QStringLiteral("x.txt")));
    EXPECT_FALSE(cycle.contains(QStringLiteral(".hidden.jpg")));
    EXPECT_EQ(cycle.last(), QStringLiteral("A.png"));
}

TEST_F(NavigationTest, StepAfterADeleteRestartsFromTheFirstEntry)
{
    threePictures();
    picture(QStringLiteral("d.bmp"));
    open(dir() + QStringLiteral("c.gif"));
    ASSERT_TRUE(QFile::remove(dir() + QStringLiteral("c.gif")));
    window->session().deleted(dir() + QStringLiteral("c.gif"));

    window->Command2_Click();
    EXPECT_EQ(shownName(), QStringLiteral("b.png")); // entry 1 of a.jpg, b.png, d.bmp
    EXPECT_EQ(window->session().File1().ListCount(), 3);

    ASSERT_TRUE(QFile::remove(dir() + QStringLiteral("b.png")));
    window->session().deleted(dir() + QStringLiteral("b.png"));
    window->Command3_Click();
    EXPECT_EQ(shownName(), QStringLiteral("d.bmp")); // the last entry of a.jpg, d.bmp
}

TEST_F(NavigationTest, StepAfterARenameContinuesAfterTheNewName)
{
    threePictures();
    open(dir() + QStringLiteral("a.jpg"));
    ASSERT_TRUE(QFile::rename(dir() + QStringLiteral("a.jpg"), dir() + QStringLiteral("bb.JPG")));
    window->Text1()->setText(dir() + QStringLiteral("bb.JPG"));
    window->session().renamed(dir() + QStringLiteral("a.jpg"), dir() + QStringLiteral("bb.JPG"));

    window->Command2_Click();
    EXPECT_EQ(shownName(), QStringLiteral("c.gif")); // b.png, bb.JPG, c.gif
}

TEST_F(NavigationTest, DeleteInAnotherFolderRebuildsAndShowsThatFolder)
{
    threePictures();
    open(dir() + QStringLiteral("a.jpg"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("other")));
    picture(QStringLiteral("other/p.png"));
    picture(QStringLiteral("other/q.png"));
    const QString typed = picture(QStringLiteral("other/gone.png"));
    window->Text1()->setText(typed); // the user typed another folder's file into the path box
    ASSERT_TRUE(QFile::remove(typed));
    window->session().deleted(typed);

    window->Command2_Click();
    EXPECT_EQ(window->Text1()->text(), dir() + QStringLiteral("other/q.png"));
    EXPECT_TRUE(files.exists(window->session().CurrentFilePath()));
}

TEST_F(NavigationTest, OpenedFileOutsideThePatternsIsShownAndSteppingStaysInTheList)
{
    threePictures();
    const QString odd = picture(QStringLiteral("odd.tga"));
    open(odd);
    EXPECT_EQ(window->Text1()->text(), odd);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("odd.tga - Corvane 1.0"));
    EXPECT_FALSE(window->session().File1().contains(window->session().CurrentIndex()));

    window->Command2_Click();
    EXPECT_EQ(shownName(), QStringLiteral("a.jpg"));
    open(odd);
    window->Command3_Click();
    EXPECT_EQ(shownName(), QStringLiteral("c.gif"));
}

TEST_F(NavigationTest, OffListFileInAFolderWithoutPicturesStaysShown)
{
    const QString odd = picture(QStringLiteral("lonely.tga"));
    open(odd);
    window->Command2_Click();
    window->Command3_Click();
    EXPECT_EQ(window->Text1()->text(), odd);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(NavigationTest, IndexBeyondSixteenBitsKeepsWorking)
{
    constexpr int kCount = 33000;
    for (int i = 0; i < kCount; ++i) {
        QFile file(dir() + QStringLiteral("p%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    open(dir() + QStringLiteral("p32999.jpg"));
    EXPECT_EQ(window->session().CurrentIndex(), 32999);
    window->Command2_Click();
    EXPECT_EQ(shownName(), QStringLiteral("p00000.jpg"));
    window->Command3_Click();
    EXPECT_EQ(shownName(), QStringLiteral("p32999.jpg"));
}

TEST_F(NavigationTest, TypingInThePathBoxChangesTheCurrentPathButShowsNothingNew)
{
    threePictures();
    open(dir() + QStringLiteral("a.jpg"));
    window->Text1()->setText(dir() + QStringLiteral("c.gif"));
    EXPECT_EQ(window->session().CurrentFilePath(), dir() + QStringLiteral("c.gif"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("a.jpg - Corvane 1.0"));
    window->Command2_Click();
    EXPECT_EQ(shownName(), QStringLiteral("b.png")); // stepping still follows the list
}

// A name written by an old camera in a Latin-1 code page: "café.jpg" with é as the single byte 0xE9.
TEST_F(NavigationTest, NamesThatAreNotTextStayOutOfTheCycle)
{
    const QByteArray rawName = QFile::encodeName(dir()) + "caf\xE9.jpg";
    std::FILE* raw = std::fopen(rawName.constData(), "w");
    ASSERT_NE(raw, nullptr);
    std::fclose(raw);
    const QString a = picture(QStringLiteral("a.jpg"));
    const QString d = picture(QStringLiteral("d.png"));
    open(a);
    EXPECT_EQ(window->session().File1().names(), QStringList({"a.jpg", "d.png"}));
    window->Command2_Click();
    window->Command2_Click();
    window->Command3_Click();
    EXPECT_EQ(shownName(), QStringLiteral("d.png"));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "stepping never lands on a name it cannot open";
}

} // namespace
