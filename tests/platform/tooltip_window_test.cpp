// The real tooltip window on the offscreen platform: it shows after the pointer rests over its tool, as a box
// or a balloon with its title, icon and colours, goes when the pointer leaves, and never shows an empty text.
#include "platform/tooltip_window_popup.h"
#include "platform/tooltip_window_qt.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using platform::QtToolTipWindow;

constexpr platform::Colorref kInk = 0x0000FF;    // red
constexpr platform::Colorref kPaper = 0xC0FFE1;  // a pale green

platform::ToolInfo toolOver(QWidget& widget, const QString& text)
{
    platform::ToolInfo tool;
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
    for (const unsigned style : {platform::TTS_ALWAYSTIP, platform::TTS_ALWAYSTIP | platform::TTS_BALLOON}) {
        int widthWithoutIcon = 0;
        for (const int icon : {platform::TTI_NONE, platform::TTI_WARNING}) {
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
            EXPECT_EQ(tip.popup()->isBalloon(), (style & platform::TTS_BALLOON) != 0);
            EXPECT_EQ(tip.popup()->text(), QStringLiteral("Saves"));
            EXPECT_EQ(tip.popup()->title(), QStringLiteral("Save the comment"));
            const QImage shown = tip.popup()->grab().toImage();
            EXPECT_GT(pixelsOf(shown, QColor(0xE1, 0xFF, 0xC0)), shown.width() * shown.height() / 3);
            EXPECT_GT(pixelsOf(shown, QColor(0xFF, 0, 0)), 20);
            if (icon == platform::TTI_NONE)
                widthWithoutIcon = tip.popup()->width();
            else
                EXPECT_GT(tip.popup()->width(), widthWithoutIcon) << "the icon leads the title";

            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(&widget, &leave);
            EXPECT_FALSE(tip.popup()->isVisible());
        }
    }
}

TEST(RealToolTip, AnEmptyTextNeverShows)
{
    QWidget widget;
    widget.resize(75, 23);
    widget.show();
    QtToolTipWindow tip(platform::TTS_ALWAYSTIP);
    ASSERT_TRUE(tip.addTool(toolOver(widget, QString())));
    moveOver(widget);
    QTest::qWait(1500);
    EXPECT_FALSE(tip.popup()->isVisible());
}

} // namespace
