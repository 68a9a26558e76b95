// The main window's layout: controls in twips, captions, the frame, and the state at start.
#include "editor_fixture.h"

#include "cvbutton/render/contrast.h"
#include "platform/system_colors.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

using WindowLayoutTest = EditorTest;

TEST_F(WindowLayoutTest, StartsEmptyWithPhotoCommentsSelected)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Corvane 1.0"));
    EXPECT_TRUE(window->Text1()->text().isEmpty());
    EXPECT_TRUE(boxText().isEmpty());
    EXPECT_TRUE(option("Option1")->isChecked());
    EXPECT_FALSE(option("Option2")->isChecked());
    EXPECT_FALSE(pictureShown());
    EXPECT_EQ(window->size(), QSize(750, 568));
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(WindowLayoutTest, ControlsSitWhereTheirTwipsSayWithTheirCaptions)
{
    struct Placement {
        const char* name;
        const char* caption;
        QRect pixels;
    };
    const Placement placements[] = {
        {"Text1", "", QRect(24, 64, 593, 33)},
        {"Picture1", "", QRect(24, 104, 593, 193)},
        {"Text2", "", QRect(24, 304, 593, 185)},
        {"Label1", "ADD/MODIFY PHOTO COMMENTS", QRect(24, 24, 177, 33)},
        {"Option1", "Photo Comments", QRect(24, 496, 113, 25)},
        {"Option2", "Windows Comments", QRect(24, 528, 129, 25)},
        {"Command1", "Open File", QRect(632, 56, 81, 49)},
        {"Command2", "Next File", QRect(632, 120, 81, 49)},
        {"Command3", "Previous File", QRect(632, 176, 81, 49)},
        {"Command4", "Copy File", QRect(632, 240, 81, 49)},
        {"Command5", "Save Comments", QRect(632, 304, 81, 49)},
        {"Command10", "Font", QRect(632, 368, 81, 49)},
        {"Command7", "Close", QRect(632, 432, 81, 49)},
        {"Command6", "About", QRect(344, 496, 81, 49)},
        {"Command8", "Delete File", QRect(440, 496, 81, 49)},
        {"Command9", "Rename File", QRect(536, 496, 81, 49)},
    };
    for (const Placement& p : placements) {
        QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->geometry(), p.pixels) << p.name;
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            EXPECT_EQ(button->text(), QString::fromLatin1(p.caption));
            EXPECT_FALSE(button->icon().isNull()) << p.name << " shows a picture above its caption";
        } else if (auto* label = qobject_cast<QLabel*>(control); label && *p.caption) {
            EXPECT_EQ(label->text(), QString::fromLatin1(p.caption));
        } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
            EXPECT_EQ(radio->text(), QString::fromLatin1(p.caption));
        }
    }
}

TEST_F(WindowLayoutTest, TheFrameRoundTheWorkAreaLeavesAGapForTheHeading)
{
    const QImage shown = window->grab().toImage();
    const QColor frame =
        QColor::fromRgb(platform::toQRgb(platform::SystemColors::current().color(platform::COLOR_INACTIVECAPTION)));
    ASSERT_NE(shown.pixelColor(3, 3), frame);
    for (const QPoint& on : {QPoint(8, 32), QPoint(8, 300), QPoint(8, 560), QPoint(16, 32), QPoint(200, 32),
                             QPoint(600, 32), QPoint(736, 32), QPoint(736, 300), QPoint(400, 560), QPoint(736, 560)})
        EXPECT_EQ(shown.pixelColor(on), frame) << on.x() << "," << on.y();
    for (const QPoint& off : {QPoint(7, 300), QPoint(9, 300), QPoint(17, 32), QPoint(199, 31), QPoint(737, 300),
                              QPoint(400, 561), QPoint(400, 559)})
        EXPECT_NE(shown.pixelColor(off), frame) << off.x() << "," << off.y();
}

// On a dark desktop the picture area's frame still shows against the white a picture is fitted on,
// and the Font button's bare letter against the button.
TEST_F(WindowLayoutTest, OnADarkDesktopThePictureFrameAndTheFontLetterShow)
{
    const auto contrast = [](QColor a, QColor b) {
        return cvbutton::render::ContrastRatio(platform::fromQRgb(a.rgb()), platform::fromQRgb(b.rgb()));
    };
    const QPalette light = QApplication::palette();
    QPalette dark(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    const editor::Corvane darkWindow(editor::EditorServices{dialogs, shell, files, comments, shellFolders});
    QApplication::setPalette(light);

    const QLabel* picture = darkWindow.findChild<QLabel*>(QStringLiteral("Picture1"));
    EXPECT_GE(contrast(picture->palette().color(QPalette::WindowText), Qt::white), 3.0);
    const QImage font = darkWindow.findChild<QPushButton*>(QStringLiteral("Command10"))->icon().pixmap(20).toImage();
    double strongest = 1;
    for (int y = 0; y < font.height(); ++y)
        for (int x = 0; x < 9; ++x)
            if (font.pixelColor(x, y).alpha() == 255)
                strongest = std::max(strongest, contrast(font.pixelColor(x, y), dark.color(QPalette::Button)));
    EXPECT_GE(strongest, cvbutton::render::kTextContrast);
}

TEST_F(WindowLayoutTest, TabOrderFollowsTheLayoutNumbers)
{
    window->show();
    const QStringList expected = {"Text1",    "Command1", "Text2",    "Command2", "Command3", "Command4", "Command5",
                                  "Command6", "Command7", "Picture1", "Option1",  "Command8", "Command9", "Command10"};
    QStringList visited;
    QWidget* current = window->Text1();
    for (int i = 0; i < expected.size(); ++i) {
        visited.append(current->objectName());
        do {
            current = current->nextInFocusChain();
        } while (!(current->focusPolicy() & Qt::TabFocus) || !current->isVisibleTo(window.get()) ||
                 current == option("Option2")); // radio buttons of one group share one tab stop
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(WindowLayoutTest, CommentBoxTakesAtMostTwentyThousandTypedOrPastedCharacters)
{
    editor::CommentBox* box = window->Text2();
    box->setPlainText(QString(19998, u'x'));
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, QStringLiteral("abcd"));
    EXPECT_EQ(box->length(), 20000);
    EXPECT_TRUE(boxText().endsWith(QStringLiteral("xab")));

    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->length(), 20000);

    box->setPlainText(QString(19990, u'y'));
    box->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QString(50, u'z'));
    box->paste();
    EXPECT_EQ(box->length(), 20000);

    box->selectAll();
    box->paste(); // replacing a selection frees its room
    EXPECT_EQ(boxText(), QString(50, u'z'));

    box->setPlainText(QString(25000, u'p')); // a comment the program loads is taken whole
    EXPECT_EQ(box->length(), 25000);
}

// Pasted text never brings a NUL into the box, and a paste cut at the limit keeps whole characters.
TEST_F(WindowLayoutTest, PasteDropsNulAndCutsAtAWholeCharacter)
{
    editor::CommentBox* box = window->Text2();
    QApplication::clipboard()->setText(QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd"));
    box->paste();
    EXPECT_EQ(boxText(), QStringLiteral("abcd"));

    box->setPlainText(QString(19999, u'y'));
    box->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QStringLiteral("\U0001F30A"));
    box->paste();
    EXPECT_EQ(box->length(), 19999) << "a wave that does not fit is left out whole";

    box->setPlainText(QString(19997, u'y'));
    box->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QStringLiteral("\U0001F30A\U0001F30A"));
    box->paste();
    EXPECT_EQ(boxText(), QString(19997, u'y') + QStringLiteral("\U0001F30A"));

    box->setPlainText(QString(19999, u'y'));
    box->moveCursor(QTextCursor::End);
    QKeyEvent wave(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\U0001F30A"));
    QApplication::sendEvent(box, &wave);
    EXPECT_EQ(box->length(), 19999) << "typed the same way";
}

} // namespace
