// The About window: its text, layout, links and buttons.
#include "dialogs/about_window.h"

#include "cvbutton/fake_url_opener.h"
#include "cvbutton/render/contrast.h"
#include "cvbutton/widget_host.h"
#include "dialogs/about_text.h"
#include "dialogs/clickable_label.h"
#include "form_fixture.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>

using namespace form_testing;

namespace {

class AboutWindowTest : public ::testing::Test {
protected:
    void SetUp() override { window = new dialogs::AboutWindow(links); }
    void TearDown() override { delete window.data(); }

    QLabel* label(const char* name) const { return window->findChild<QLabel*>(QString::fromLatin1(name)); }

    std::shared_ptr<cvbutton::testing::FakeUrlOpener> links = std::make_shared<cvbutton::testing::FakeUrlOpener>();
    QPointer<dialogs::AboutWindow> window;
};

TEST(AboutText, HelpTextLinesEndInCrLfAndKeepTheirInnerSpaces)
{
    const QString text = dialogs::about::helpText();
    ASSERT_TRUE(text.endsWith(QLatin1String("\r\n")));
    const QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines[0], QStringLiteral("1. Quickly add comments to "));
    EXPECT_EQ(lines[1], QStringLiteral("     photo files using Corvane."));
    EXPECT_EQ(lines[3], QStringLiteral("2. JPG, PNG, BMP, GIF and TIF  "));
    EXPECT_EQ(lines[4], QStringLiteral("   files are supported by Corvane."));
    EXPECT_EQ(lines[7], QStringLiteral("   created  by Windows."));
    EXPECT_EQ(lines[10], QStringLiteral("   are embedded into the photo  "));
    EXPECT_EQ(lines[11], QStringLiteral("       file."));
    EXPECT_EQ(lines[13], QStringLiteral("5. Rename,Copy and Delete file."));
    EXPECT_EQ(lines[15], QStringLiteral("6. Add comments up to 20000 ")) << "what the comment box takes";
    EXPECT_EQ(lines[16], QStringLiteral("   characters long!"));
    EXPECT_EQ(lines[18], QString(24, u'_'));
    EXPECT_EQ(lines[20], QStringLiteral("If you have any feedback feel "));
    EXPECT_EQ(lines[21], QStringLiteral("free to contact me:"));
    EXPECT_EQ(lines[24], QStringLiteral(" "));
    EXPECT_EQ(lines[25], QString::fromLatin1(dialogs::about::kContactAddress));
    for (int empty : {2, 5, 8, 12, 14, 17, 19, 22})
        EXPECT_EQ(lines[empty], QString()) << empty;
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
}

TEST_F(AboutWindowTest, HelpBoxShowsTheTextLineByLineReadOnlyScrollableAndCopyable)
{
    QPlainTextEdit* help = window->Text1();
    const QStringList shown = help->toPlainText().split(u'\n');
    const QStringList written = dialogs::about::helpText().split(QStringLiteral("\r\n"));
    EXPECT_EQ(shown, written);
    EXPECT_TRUE(help->isReadOnly());
    EXPECT_EQ(help->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    showActive(*window);
    help->setFocus();
    QTest::keyClicks(help, QStringLiteral("typed"));
    QTest::keyClick(help, Qt::Key_Delete);
    EXPECT_EQ(help->toPlainText().split(u'\n'), written);
    EXPECT_GT(help->verticalScrollBar()->maximum(), 0) << "the text is longer than the box";

    help->selectAll();
    help->copy();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("1. Quickly add comments to \n")));
}

TEST_F(AboutWindowTest, LinksReachTheOpenerAndTheWindowStaysOpenWhateverTheAnswer)
{
    links->answer = false; // no handler for web addresses
    showActive(*window);
    QTest::mouseClick(window->Label3(), Qt::LeftButton);
    QTest::mouseClick(window->Image2(), Qt::LeftButton);
    QTest::mouseClick(window->Image1(), Qt::LeftButton);
    EXPECT_EQ(links->opened, (QStringList{QString::fromLatin1(dialogs::about::kWebSiteAddress),
                                          QString::fromLatin1(dialogs::about::kShortNewsAddress),
                                          QString::fromLatin1(dialogs::about::kCommunityAddress)}));
    unloadClosedForms();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(AboutWindowTest, APressDraggedOffALinkOpensNothing)
{
    showActive(*window);
    QTest::mousePress(window->Image1(), Qt::LeftButton);
    QTest::mouseRelease(window->Image1(), Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_TRUE(links->opened.isEmpty());
}

TEST_F(AboutWindowTest, LinksShowAHandAndTheSiteLabelIsBlue)
{
    for (QWidget* link : {static_cast<QWidget*>(window->Label3()), static_cast<QWidget*>(window->Image1()),
                          static_cast<QWidget*>(window->Image2())})
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor) << link->objectName().toStdString();
    EXPECT_EQ(window->Label3()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(window->Label3()->text(), QString::fromLatin1(dialogs::about::kWebSiteText));
    EXPECT_FALSE(window->Image1()->pixmap().isNull());
    EXPECT_FALSE(window->Image2()->pixmap().isNull());
    EXPECT_TRUE(window->Image1()->hasScaledContents());
}

// On a dark window the blue of the site's link is lightened until it reads, and stays blue.
TEST_F(AboutWindowTest, OnADarkDesktopTheLinkStaysBlueAndReadable)
{
    const QPalette light = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x20, 0x20)));
    const dialogs::AboutWindow dark(links);
    QApplication::setPalette(light);
    const QPalette palette = dark.Label3()->palette();
    const QColor link = palette.color(QPalette::WindowText);
    EXPECT_GE(cvbutton::render::ContrastRatio(platform::fromQRgb(link.rgb()),
                                              platform::fromQRgb(palette.color(QPalette::Window).rgb())),
              cvbutton::render::kTextContrast);
    EXPECT_GT(link.blue(), std::max(link.red(), link.green()));
}

TEST_F(AboutWindowTest, OkAndEscapeCloseAndUnloadTheWindow)
{
    pressWithSpace(window->cvButton1());
    unloadClosedForms();
    EXPECT_TRUE(window.isNull());

    window = new dialogs::AboutWindow(links);
    showActive(*window);
    QTest::keyClick(window->Text1(), Qt::Key_Escape);
    unloadClosedForms();
    EXPECT_TRUE(window.isNull());
}

TEST_F(AboutWindowTest, LayoutCaptionAndFontsFollowTheForm)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("About Corvane "));
    EXPECT_EQ(window->size(), QSize(447, 216));
    EXPECT_EQ(window->Text1()->geometry(), QRect(248, 16, 185, 113));
    EXPECT_EQ(window->cvButton1()->geometry(), QRect(368, 184, 73, 25));
    EXPECT_EQ(window->Image2()->geometry(), QRect(80, 136, 57, 30));
    EXPECT_EQ(window->Image1()->geometry(), QRect(248, 136, 49, 30));
    EXPECT_EQ(window->Label3()->geometry(), QRect(88, 56, 169, 25));
    EXPECT_EQ(label("Label2")->geometry(), QRect(8, 184, 345, 25));
    EXPECT_EQ(label("Label1")->text(), QStringLiteral("Corvane 1.0"));
    EXPECT_EQ(label("Label1")->font().family(), QStringLiteral("Arial"));
    EXPECT_TRUE(label("Label1")->font().bold());
    EXPECT_DOUBLE_EQ(label("Label1")->font().pointSizeF(), 9.75);
    EXPECT_EQ(window->Label3()->font().family(), QStringLiteral("Microsoft Sans Serif"));
    for (const char* name : {"Label4", "Label5", "Label6", "Label7", "Label2"}) {
        EXPECT_EQ(label(name)->font().family(), QStringLiteral("MS Sans Serif")) << name;
        EXPECT_DOUBLE_EQ(label(name)->font().pointSizeF(), 9.75) << name;
    }
    EXPECT_EQ(window->cvButton1()->button().Caption(), QStringLiteral("OK"));
    EXPECT_EQ(window->cvButton1()->button().Style(), 5);
    EXPECT_EQ(window->cvButton1()->button().Font().family(), QStringLiteral("Verdana"));
    EXPECT_TRUE(window->Text2()->isReadOnly());
    EXPECT_FALSE(window->Text2()->hasFrame());
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

} // namespace
