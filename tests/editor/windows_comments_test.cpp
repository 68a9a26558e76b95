// The desktop's comment, shown read-only, and the switch between the two kinds of comment.
#include "editor_fixture.h"

#include "platform/detail_folder.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

class WindowsCommentsTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        a = picture(QStringLiteral("a.png"));
        b = picture(QStringLiteral("b.png"));
        shellFolders.setComment(a, QStringLiteral("Holiday"));
        shellFolders.setComment(b, QStringLiteral("Work"));
        comments.comments.insert(QFile::encodeName(a), "photo comment");
    }
    QString a, b;
};

TEST_F(WindowsCommentsTest, ShowsTheShellCommentReadOnlyAndFollowsThePicture)
{
    open(a);
    option("Option2")->click();
    EXPECT_EQ(boxText(), QStringLiteral("Holiday"));
    EXPECT_TRUE(window->Text2()->isReadOnly());
    EXPECT_EQ(window->session().LoadedComment(), QStringLiteral("Holiday"));

    window->Command2_Click();
    EXPECT_EQ(boxText(), QStringLiteral("Work"));
    EXPECT_TRUE(window->Text2()->isReadOnly());

    option("Option1")->click();
    window->Command2_Click();
    EXPECT_EQ(boxText(), QStringLiteral("photo comment"));
    EXPECT_FALSE(window->Text2()->isReadOnly());
}

TEST_F(WindowsCommentsTest, TypingAndPastingChangeNothingButTextCanBeCopied)
{
    open(a);
    option("Option2")->click();
    window->Text2()->moveCursor(QTextCursor::End);
    QTest::keyClicks(window->Text2(), QStringLiteral("typed"));
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    window->Text2()->paste();
    EXPECT_EQ(boxText(), QStringLiteral("Holiday"));

    window->Text2()->selectAll();
    window->Text2()->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Holiday"));
}

// The colour of the box's empty lower part, where no text stands.
QColor emptyAreaColour(QPlainTextEdit* box)
{
    const QImage shot = box->viewport()->grab().toImage();
    return shot.pixelColor(shot.width() / 2, shot.height() - 4);
}

// As a user switches with a click: the read-only box looks it, and back at photo comments the
// typing goes into the box, not to the option button just clicked.
TEST_F(WindowsCommentsTest, TheReadOnlyBoxLooksItAndSwitchingBackLetsTheUserTypeAtOnce)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    open(a);
    const QColor editable = emptyAreaColour(window->Text2());
    EXPECT_EQ(editable, window->Text2()->palette().color(QPalette::Base));

    option("Option2")->setFocus(Qt::MouseFocusReason); // as a click gives it
    option("Option2")->click();
    ASSERT_TRUE(option("Option2")->isChecked());
    EXPECT_EQ(emptyAreaColour(window->Text2()), window->Text2()->palette().color(QPalette::Window));
    EXPECT_NE(emptyAreaColour(window->Text2()), editable);

    option("Option1")->setFocus(Qt::MouseFocusReason);
    option("Option1")->click();
    ASSERT_TRUE(option("Option1")->isChecked());
    EXPECT_EQ(emptyAreaColour(window->Text2()), editable);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" typed"));
    EXPECT_EQ(boxText(), QStringLiteral("photo comment typed"));
}

TEST_F(WindowsCommentsTest, ColumnTitledDifferentlyGivesNothing)
{
    shellFolders.titles[24] = QStringLiteral("Kommentare");
    open(a);
    option("Option2")->click();
    EXPECT_EQ(boxText(), QString());
    shellFolders.titles[24] = QStringLiteral("comments"); // the title is compared with its case
    window->Command2_Click();
    EXPECT_EQ(boxText(), QString());
}

TEST_F(WindowsCommentsTest, SwitchingWithoutACurrentFile)
{
    window->Text2()->setPlainText(QStringLiteral("left over"));
    option("Option2")->click();
    EXPECT_EQ(boxText(), QString());
    EXPECT_TRUE(window->Text2()->isReadOnly());

    window->Text2()->setPlainText(QStringLiteral("kept"));
    option("Option1")->click();
    EXPECT_EQ(boxText(), QStringLiteral("kept"));
    EXPECT_FALSE(window->Text2()->isReadOnly());
}

// The real shell folder over a file whose comment exiftool wrote.
TEST(WindowsCommentsInteropTest, ExiftoolXpCommentShowsExactlyAndReadOnly)
{
    if (QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty())
        GTEST_SKIP() << "exiftool is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(path, "jpg"));
    const QString text = QStringLiteral("Sommer in Ærø – 夏");
    ASSERT_EQ(
        QProcess::execute(QStringLiteral("exiftool"), {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                                       QStringLiteral("-XPComment=") + text, path}),
        0);

    fakes::FakeDialogs dialogs;
    fakes::FakeShell shell;
    shell.picturesFolder = dir.path();
    platform::LocalFiles files;
    fakes::FakeCommentLibrary comments;
    platform::DetailNamespace shellFolders;
    editor::Corvane window({dialogs, shell, files, comments, shellFolders});
    window.findChild<QRadioButton*>("Option2")->click();
    dialogs.fileToOpen = path;
    window.Command1_Click();
    EXPECT_EQ(window.Text2()->toPlainText(), text);
    EXPECT_TRUE(window.Text2()->isReadOnly());
}

} // namespace
