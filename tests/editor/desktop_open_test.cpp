// Pictures and folders named by the command line, a later start or a drop.
#include "editor/launch_arguments.h"
#include "editor_fixture.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <sys/stat.h>

namespace {

using editor::parseLaunchArguments;

TEST(LaunchArguments, PathsAbsoluteRelativeAfterTheSeparatorAndNone)
{
    EXPECT_EQ(parseLaunchArguments({"/pics/b.png"}, "/elsewhere").path, QStringLiteral("/pics/b.png"));
    EXPECT_EQ(parseLaunchArguments({"b.png"}, "/pics").path, QStringLiteral("/pics/b.png"));
    EXPECT_EQ(parseLaunchArguments({"../x/./b.png"}, "/pics/sub").path, QStringLiteral("/pics/x/b.png"));
    EXPECT_EQ(parseLaunchArguments({"--", "-dash.png"}, "/pics").path, QStringLiteral("/pics/-dash.png"));
    EXPECT_EQ(parseLaunchArguments({"--", "--"}, "/pics").path, QStringLiteral("/pics/--"));
    EXPECT_EQ(parseLaunchArguments({"a.png", "b.png"}, "/pics").path, QStringLiteral("/pics/a.png"));

    const editor::LaunchRequest none = parseLaunchArguments({}, "/pics");
    EXPECT_TRUE(none.path.isEmpty());
    EXPECT_TRUE(none.error.isEmpty());
}

TEST(LaunchArguments, UnknownOptionIsAnError)
{
    const editor::LaunchRequest request = parseLaunchArguments({"--frobnicate", "b.png"}, "/pics");
    EXPECT_EQ(request.error, QStringLiteral("unknown option --frobnicate"));
    EXPECT_TRUE(parseLaunchArguments({"-"}, "/pics").error.isEmpty()) << "a lone dash is a name";
}

class DesktopOpenTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        a = picture(QStringLiteral("a.jpg"));
        b = picture(QStringLiteral("b.png"));
        c = picture(QStringLiteral("c.gif"));
        comments.comments.insert(QFile::encodeName(b), "bee");
        comments.comments.insert(QFile::encodeName(c), "sea");
    }

    // b.png open with an edit nobody saved.
    void editB()
    {
        window->openFromDesktop(b);
        window->Text2()->setPlainText(QStringLiteral("typed"));
        dialogs.messages.clear();
    }

    void expectShowing(const QString& path, const QString& comment)
    {
        EXPECT_EQ(window->Text1()->text(), path);
        EXPECT_EQ(window->windowTitle(), platform::paths::nameOf(path) + QStringLiteral(" - Corvane 1.0"));
        EXPECT_EQ(boxText(), comment);
    }

    QString a, b, c;
};

TEST_F(DesktopOpenTest, OpensAsOpenFileWouldWithThatPathChosen)
{
    window->openFromDesktop(b);
    expectShowing(b, QStringLiteral("bee"));
    EXPECT_EQ(window->session().CurrentIndex(), 1);
    EXPECT_EQ(window->session().CurrentFolder(), dir());
    EXPECT_EQ(window->session().File1().ListCount(), 3);
    EXPECT_TRUE(pictureShown());
    window->Command2_Click();
    expectShowing(c, QStringLiteral("sea"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(DesktopOpenTest, MissingFileIsReportedOverTheEmptyWindow)
{
    window->openFromDesktop(dir() + QStringLiteral("gone.jpg"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral(" File not found."));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Corvane 1.0"));
    EXPECT_TRUE(window->Text1()->text().isEmpty());
    EXPECT_TRUE(option("Option1")->isChecked());

    const QString empty = dir() + QStringLiteral("empty");
    ASSERT_TRUE(QDir().mkpath(empty));
    window->openFromDesktop(empty); // a folder without pictures has nothing to show either
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Corvane 1.0"));
}

TEST_F(DesktopOpenTest, FolderOpensItsFirstPictureInTheOrderNextFileSteps)
{
    ASSERT_TRUE(QDir().mkpath(dir() + QStringLiteral("sub/A folder.jpg")));
    for (const char* name : {"sub/notes.txt", "sub/.hidden.jpg", "sub/C.gif", "sub/b.png"})
        picture(QString::fromLatin1(name));
    window->openFromDesktop(dir() + QStringLiteral("sub"));
    expectShowing(dir() + QStringLiteral("sub/b.png"), QString());

    window->openHandedOver(dir()); // a later start naming a folder
    expectShowing(a, QString());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(DesktopOpenTest, EmptyWindowSaysHowToBeginUntilAPictureIsShown)
{
    EXPECT_TRUE(window->Picture1()->text().contains(QStringLiteral("Open File")));
    window->openFromDesktop(b);
    EXPECT_TRUE(window->Picture1()->text().isEmpty());
    EXPECT_TRUE(pictureShown());
}

TEST_F(DesktopOpenTest, HandOverWithoutEditsOpensWithoutAQuestion)
{
    window->openFromDesktop(b);
    window->openHandedOver(c);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    expectShowing(c, QStringLiteral("sea"));

    window->openHandedOver(QString()); // a second start without a picture only raises the window
    expectShowing(c, QStringLiteral("sea"));
}

TEST_F(DesktopOpenTest, HandOverAsksFirstAndYesSavesTheEdits)
{
    editB();
    dialogs.answers = {platform::MessageAnswer::Yes};
    window->openHandedOver(c);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Do you want to save changes to b.png before moving on?"));
    EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(comments.comments.value(QFile::encodeName(b)), "typed");
    expectShowing(c, QStringLiteral("sea"));
}

TEST_F(DesktopOpenTest, HandOverNoDropsTheEdits)
{
    editB();
    dialogs.answers = {platform::MessageAnswer::No};
    window->openHandedOver(c);
    EXPECT_EQ(comments.comments.value(QFile::encodeName(b)), "bee");
    expectShowing(c, QStringLiteral("sea"));
}

TEST_F(DesktopOpenTest, HandOverCancelKeepsEverything)
{
    editB();
    dialogs.answers = {platform::MessageAnswer::Cancel};
    window->openHandedOver(c);
    EXPECT_EQ(dialogs.messages.size(), 1);
    expectShowing(b, QStringLiteral("typed"));
    EXPECT_TRUE(comments.calls.isEmpty());
}

TEST_F(DesktopOpenTest, HandOverWhoseSaveFailsKeepsTheEdits)
{
    editB();
    comments.failWrite = true;
    dialogs.answers = {platform::MessageAnswer::Yes};
    window->openHandedOver(c);
    EXPECT_EQ(dialogs.messages.last().icon, platform::MessageIcon::Error);
    expectShowing(b, QStringLiteral("typed"));
}

class DropTest : public DesktopOpenTest {
protected:
    // Drags `data` onto `target` and drops it there; true when the drag was taken.
    bool drop(QWidget* target, QMimeData* data)
    {
        const QPoint centre = target->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(centre), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QCoreApplication::processEvents(); // the opening follows the drop
        return dropped.isAccepted();
    }

    QMimeData* files(const QStringList& paths)
    {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data->setUrls(urls);
        data->setText(paths.join(u'\n'));
        mimeData.emplace_back(data);
        return data;
    }

    std::vector<std::unique_ptr<QMimeData>> mimeData;
};

TEST_F(DropTest, PictureDroppedOnTheWindowOrItsBoxesOpensTheFirst)
{
    EXPECT_TRUE(drop(window.get(), files({c, a})));
    expectShowing(c, QStringLiteral("sea"));
    EXPECT_TRUE(drop(window->Text2()->viewport(), files({b})));
    expectShowing(b, QStringLiteral("bee"));
    EXPECT_TRUE(drop(window->Text1(), files({a})));
    EXPECT_EQ(window->Text1()->text(), a) << "the path, not the dropped text, fills the path box";
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(DropTest, AnythingElseDoesNothing)
{
    window->openFromDesktop(b);
    const QString text = writeFile(QStringLiteral("notes.txt"), "words");
    EXPECT_FALSE(drop(window.get(), files({text, c}))) << "the first dropped file is no picture";
    EXPECT_FALSE(drop(window.get(), files({dir() + QStringLiteral("gone.png")})));
    EXPECT_FALSE(drop(window.get(), files({folder.path()})));

    auto* web = new QMimeData;
    web->setUrls({QUrl(QStringLiteral("https://example.org/c.gif"))});
    mimeData.emplace_back(web);
    EXPECT_FALSE(drop(window.get(), web));

    auto* plain = new QMimeData;
    plain->setText(c);
    mimeData.emplace_back(plain);
    EXPECT_FALSE(drop(window.get(), plain));
    expectShowing(b, QStringLiteral("bee"));
}

// A source told its file was moved may delete it: a drop is only ever a copy or a link. Files that
// are not pictures never end up as text in the comment box.
TEST_F(DropTest, TakenAsCopyOrLinkNeverMoveAndOtherFilesNeverBecomeText)
{
    const auto enter = [this](QWidget* target, Qt::DropActions offered, QMimeData* data) {
        QDragEnterEvent event(target->rect().center(), offered, data, Qt::LeftButton, Qt::NoModifier);
        event.setDropAction(Qt::MoveAction); // what a source that would like a move proposes
        QApplication::sendEvent(target, &event);
        return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
    };
    EXPECT_EQ(enter(window.get(), Qt::CopyAction | Qt::MoveAction, files({c})), Qt::CopyAction);
    EXPECT_EQ(enter(window.get(), Qt::LinkAction | Qt::MoveAction, files({c})), Qt::LinkAction);
    EXPECT_EQ(enter(window.get(), Qt::MoveAction, files({c})), Qt::IgnoreAction);

    window->openFromDesktop(b);
    const QString text = writeFile(QStringLiteral("notes.txt"), "words");
    QWidget* box = window->Text2()->viewport();
    EXPECT_EQ(enter(box, Qt::CopyAction | Qt::MoveAction, files({text})), Qt::IgnoreAction);
    QDropEvent dropped(QPointF(box->rect().center()), Qt::CopyAction, files({text}), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &dropped);
    EXPECT_EQ(boxText(), QStringLiteral("bee"));
}

TEST_F(DropTest, DropOverUnsavedEditsAsksFirst)
{
    editB();
    dialogs.answers = {platform::MessageAnswer::Cancel};
    drop(window.get(), files({c}));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Do you want to save changes to b.png before moving on?"));
    expectShowing(b, QStringLiteral("typed"));
}

} // namespace

namespace {

// Two later starts while the comment has unsaved edits: one question, about the picture shown, and
// its answer saves into that picture; the later start opens afterwards.
TEST_F(DesktopOpenTest, HandOversDuringTheCloseCheckWaitAndTheLastWins)
{
    editB();
    dialogs.whileShown = [this] {
        dialogs.whileShown = nullptr;
        window->openHandedOver(a);
        window->openHandedOver(c);
    };
    dialogs.answers = {platform::MessageAnswer::Yes};
    window->openHandedOver(a);
    ASSERT_EQ(dialogs.messages.size(), 1) << "one question only";
    EXPECT_EQ(dialogs.maxOpenAtOnce, 1);
    EXPECT_EQ(comments.comments.value(QFile::encodeName(b)), "typed") << "saved into the picture asked about";
    EXPECT_EQ(comments.comments.value(QFile::encodeName(a)), "") << "nothing written into a picture never edited";
    expectShowing(c, QStringLiteral("sea"));
}

TEST_F(DesktopOpenTest, FortyHandOversOfMissingFilesNeverStackMessages)
{
    int handedOver = 0;
    dialogs.whileShown = [&] {
        while (handedOver < 40)
            window->openHandedOver(dir() + QStringLiteral("gone%1.jpg").arg(handedOver++));
    };
    window->openHandedOver(dir() + QStringLiteral("first-gone.jpg"));
    EXPECT_EQ(dialogs.maxOpenAtOnce, 1);
    EXPECT_EQ(dialogs.messages.size(), 2) << "the first, then the last of those that waited";
}

// A named pipe where a picture was would block a reader for ever; it is named for what it is.
TEST_F(DesktopOpenTest, PipeOrFolderHandedOverOrMetInTheListIsNamedForWhatItIs)
{
    const QString pipe = dir() + QStringLiteral("p.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString noPictures = dir() + QStringLiteral("empty");
    ASSERT_TRUE(QDir().mkpath(noPictures));
    window->openFromDesktop(pipe);
    window->openFromDesktop(noPictures);
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0].text, pipe + QStringLiteral(" is a named pipe (FIFO), not a picture file."));
    EXPECT_EQ(dialogs.messages[1].text, noPictures + QStringLiteral(" holds no picture files."));

    window->openFromDesktop(a);
    ASSERT_TRUE(QFile::remove(b));
    ASSERT_EQ(::mkfifo(QFile::encodeName(b).constData(), 0600), 0); // listed as a picture, now a pipe
    dialogs.messages.clear();
    window->Command2_Click();
    EXPECT_EQ(window->Text1()->text(), b);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, b + QStringLiteral(" is a named pipe (FIFO), not a picture file."));
    EXPECT_TRUE(boxText().isEmpty());
    EXPECT_EQ(comments.reads, 1) << "only a.jpg's comment was read";
    window->Command2_Click();
    EXPECT_EQ(dialogs.messages.size(), 2) << "Next from the pipe says again what it is";
}

} // namespace
