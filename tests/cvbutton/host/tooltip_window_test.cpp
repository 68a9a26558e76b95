// The real tooltip window on the offscreen platform: it shows after the pointer rests over its tool, as a box
// or a balloon with its title, icon and colours, goes when the pointer leaves, and never shows an empty text.
#include "cvbutton/host/tooltip_window_popup.h"
#include "cvbutton/host/tooltip_window_qt.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

namespace host = cvbutton::host;
using host::QtToolTipWindow;

constexpr platform::Colorref kInk = 0x0000FF;   // red
constexpr platform::Colorref kPaper = 0xC0FFE1; // a pale green

host::ToolInfo toolOver(QWidget& widget, const QString& text)
{
    host::ToolInfo tool;
    tool.hwnd = &widget;
    tool.rect = {0, 0, widget.width(), widget.height()};
    tool.lpszText = text;
    return tool;
}

void moveOver(QWidget& widget)
{
    const QPoint at(10, 10);
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

int pixelsOf(const QImage& image, QColor color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

TEST(RealToolTip, ShowsAfterTheRestAsBoxOrBalloonWithTitleIconAndColoursAndGoesOnLeave)
{
    for (const unsigned style : {host::TTS_ALWAYSTIP, host::TTS_ALWAYSTIP | host::TTS_BALLOON}) {
        int widthWithoutIcon = 0;
        for (const int icon : {host::TTI_NONE, host::TTI_WARNING}) {
            QWidget widget;
            widget.resize(75, 23);
            widget.show();
            QtToolTipWindow tip(style);
            ASSERT_TRUE(tip.addTool(toolOver(widget, QStringLiteral("Saves"))));
            tip.setTipTextColor(kInk);
            tip.setTipBkColor(kPaper);
            ASSERT_TRUE(tip.setTitle(icon, QStringLiteral("Save the comment")));

            moveOver(widget);
            EXPECT_FALSE(tip.popup()->isVisible()) << "only once the pointer has rested";
            ASSERT_TRUE(QTest::qWaitFor([&] { return tip.popup()->isVisible(); }, 5000));
            EXPECT_EQ(tip.popup()->isBalloon(), (style & host::TTS_BALLOON) != 0);
            EXPECT_EQ(tip.popup()->text(), QStringLiteral("Saves"));
            EXPECT_EQ(tip.popup()->title(), QStringLiteral("Save the comment"));
            const QImage shown = tip.popup()->grab().toImage();
            EXPECT_GT(pixelsOf(shown, QColor(0xE1, 0xFF, 0xC0)), shown.width() * shown.height() / 3);
            EXPECT_GT(pixelsOf(shown, QColor(0xFF, 0, 0)), 20);
            if (icon == host::TTI_NONE)
                widthWithoutIcon = tip.popup()->width();
            else
                EXPECT_GT(tip.popup()->width(), widthWithoutIcon) << "the icon leads the title";

            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(&widget, &leave);
            EXPECT_FALSE(tip.popup()->isVisible());
        }
    }
}

// A Wayland client never learns where the pointer is on the screen: the tip is placed from the pointer
// event the tool itself received, whatever the screen position the event claims, and belongs to the
// tool's window so that it can be placed relative to it.
TEST(RealToolTip, ShowsBelowThePointerOfTheToolsOwnEventInTheToolsWindow)
{
    QWidget window;
    window.resize(300, 200);
    window.move(120, 90);
    auto* button = new QWidget(&window);
    button->setGeometry(40, 30, 75, 23);
    window.show();
    QtToolTipWindow tip(host::TTS_ALWAYSTIP);
    ASSERT_TRUE(tip.addTool(toolOver(*button, QStringLiteral("Saves"))));

    const QPoint at(30, 5);
    QMouseEvent move(QEvent::MouseMove, at, QPoint(700, 500), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &move);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tip.popup()->isVisible(); }, 5000));
    const QPoint pointer = button->mapToGlobal(at);
    EXPECT_EQ(tip.popup()->x(), pointer.x());
    EXPECT_GT(tip.popup()->y(), pointer.y()) << "clear of the pointer's arrow";
    EXPECT_LT(tip.popup()->y(), pointer.y() + 40);
    ASSERT_NE(tip.popup()->windowHandle(), nullptr);
    EXPECT_EQ(tip.popup()->windowHandle()->transientParent(), window.windowHandle());
}

TEST(RealToolTip, AnEmptyTextNeverShows)
{
    QWidget widget;
    widget.resize(75, 23);
    widget.show();
    QtToolTipWindow tip(host::TTS_ALWAYSTIP);
    ASSERT_TRUE(tip.addTool(toolOver(widget, QString())));
    moveOver(widget);
    QTest::qWait(1500);
    EXPECT_FALSE(tip.popup()->isVisible());
}

} // namespace
