// The large view: what it shows, how it follows the main window, and its keys.
#include "cvbutton/widget_host.h"
#include "dialogs/name_box.h"
#include "dialogs/rename_dialog.h"
#include "editor/large_view.h"
#include "editor_fixture.h"
#include "picture/fixtures.h"

namespace {

// A shown, active window over a phone's sideways a.jpg (stored 40x20, red left and blue right, turned
// upright by its orientation tag, photo comment "A") and a plain green b.jpg, opened at a.jpg.
class LargeViewTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QFile sideways(dir() + QStringLiteral("a.jpg"));
        ASSERT_TRUE(sideways.open(QIODevice::WriteOnly));
        sideways.write(fixtures::jpegWithOrientation(fixtures::halves(40, 20, Qt::red, Qt::blue), 6));
        sideways.close();
        picture(QStringLiteral("b.jpg"), Qt::green);
        comments.comments.insert(QFile::encodeName(sideways.fileName()), "A");
        open(dir() + QStringLiteral("a.jpg"));
    }

    editor::LargeView* view() const { return window->largeView(); }
    // Waits until the view has drawn the picture it was last given, or said why it cannot.
    QImage settledImage() const
    {
        EXPECT_TRUE(QTest::qWaitFor(
            [this] { return view()->settled() && (!view()->shownImage().isNull() || !view()->notice().isEmpty()); }));
        return view()->shownImage();
    }
};

TEST_F(LargeViewTest, OpensOnItsKeyAndOnADoubleClickFollowsNextAndShowsThePictureUprightAtItsOwnSize)
{
    EXPECT_EQ(window->Picture1()->toolTip(), QStringLiteral("Double-click for a large view (F11)"));
    QTest::keyClick(window->Text2(), Qt::Key_F11);
    ASSERT_NE(view(), nullptr);
    EXPECT_TRUE(view()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->isActiveWindow() && window->Text2()->hasFocus(); }))
        << "the comment box keeps the keyboard";
    EXPECT_EQ(view()->shownPath(), dir() + QStringLiteral("a.jpg"));

    view()->resize(600, 800);
    QImage upright;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return view()->settled() && (upright = view()->shownImage()).size() == QSize(400, 800);
    })) << "drawn from the decoded picture at the window's size, not from the small copy";
    EXPECT_TRUE(fixtures::regionIs(upright, QRect(20, 20, 360, 340), Qt::red, 24));
    EXPECT_TRUE(fixtures::regionIs(upright, QRect(20, 440, 360, 340), Qt::blue, 24));

    QTest::keySequence(window->Text2(), QKeySequence(Qt::ALT | Qt::Key_Right));
    EXPECT_EQ(view()->shownPath(), dir() + QStringLiteral("b.jpg"));
    EXPECT_TRUE(fixtures::regionIs(settledImage(), QRect(QPoint(), QSize(600, 450)), Qt::green, 24));
    EXPECT_TRUE(view()->windowTitle().startsWith(QStringLiteral("b.jpg")));

    QTest::keyClick(window->Text2(), Qt::Key_F11);
    EXPECT_TRUE(view()->isFullScreen());
    view()->close();
    ASSERT_TRUE(QTest::qWaitFor([this] { return view() == nullptr; }));
    QTest::mouseDClick(window->Picture1(), Qt::LeftButton);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(view()->shownPath(), dir() + QStringLiteral("b.jpg"));
}

TEST_F(LargeViewTest, KeysInTheViewStepAndLeaveFullScreenAndTypingGoesBackToTheCommentBox)
{
    QTest::mouseDClick(window->Picture1(), Qt::LeftButton);
    ASSERT_NE(view(), nullptr);
    QTest::keyClick(view(), Qt::Key_Right);
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
    QTest::keyClick(view(), Qt::Key_PageUp);
    EXPECT_EQ(shownName(), QStringLiteral("a.jpg"));
    EXPECT_EQ(view()->shownPath(), dir() + QStringLiteral("a.jpg"));

    QTest::keyClick(view(), Qt::Key_F11);
    EXPECT_TRUE(view()->isFullScreen());
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_FALSE(view()->isFullScreen());
    ASSERT_NE(view(), nullptr) << "Escape first leaves the full screen only";

    QTest::keyClicks(window->Text2(), QStringLiteral(" at the beach"));
    QTest::keyClicks(view(), QStringLiteral("!"));
    EXPECT_EQ(boxText(), QStringLiteral("A at the beach!"));
    EXPECT_TRUE(window->Text2()->hasFocus());
    QTest::keySequence(view(), QKeySequence::Save);
    EXPECT_EQ(storedFor("a.jpg"), "A at the beach!") << "the main window's keys work from the view too";
}

TEST_F(LargeViewTest, FollowsARenameAndSaysWhenThePictureWentToTheTrash)
{
    QTest::keyClick(window->Text2(), Qt::Key_F11);
    ASSERT_NE(view(), nullptr);
    settledImage();
    window->Command9_Click();
    dialogs::RenameDialog* rename = nullptr;
    for (QWidget* form : QApplication::topLevelWidgets())
        rename = rename ? rename : qobject_cast<dialogs::RenameDialog*>(form);
    ASSERT_NE(rename, nullptr);
    rename->Text2()->setText(QStringLiteral("beach"));
    QTest::keyClick(rename->cvButton2(), Qt::Key_Space);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(view()->shownPath(), dir() + QStringLiteral("beach.JPG"));
    EXPECT_FALSE(settledImage().isNull());

    window->Command8_Click();
    EXPECT_TRUE(view()->shownImage().isNull());
    EXPECT_EQ(view()->notice(), QStringLiteral("beach.JPG was moved to the trash."));
}

} // namespace
