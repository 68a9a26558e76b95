// Tests of a control hosted by a widget: its name, size, properties, focus keys, shape, pointer and tooltip.
#include "cvbutton/property_bag.h"
#include "cvbutton/widget_host.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace cvbutton {
namespace {

class WidgetHosting : public ::testing::Test {
protected:
    WidgetHosting() : pinned_(platform::SystemColors::windows10()) {}

    platform::PinnedSystemColors pinned_;
};

TEST_F(WidgetHosting, ANewControlTakesTheWidgetsNameAndShowsItsSurface)
{
    WidgetHost host(QStringLiteral("cvButton2"));
    host.button().InitProperties();
    host.resize(73, 25);
    host.show();
    EXPECT_EQ(host.button().Caption(), QStringLiteral("cvButton2"));
    EXPECT_TRUE(host.button().runtime().IsShown);
    EXPECT_EQ(host.surface().width(), 73);
    EXPECT_EQ(host.widthTwips(), 73 * kTwipsPerPixel);
    EXPECT_EQ(host.button().runtime().ButtonRect, (host::Rect{0, 0, 73, 25}));
    host.hide();
    EXPECT_FALSE(host.button().runtime().IsShown);
}

TEST_F(WidgetHosting, KeepsTheMinimumSize)
{
    WidgetHost host(QStringLiteral("cvButton1"));
    host.button().InitProperties();
    host.resize(5, 40);
    host.show();
    EXPECT_EQ(host.width(), 20);
    EXPECT_EQ(host.height(), 40);
}

TEST_F(WidgetHosting, TellsAboutPropertyChangesAndKeepsTheTooltipAndPointer)
{
    WidgetHost host(QStringLiteral("cvButton1"));
    QSignalSpy spy(&host, &WidgetHost::propertyNotified);
    host.button().setCaption(QStringLiteral("OK"));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("Caption"));
    host.setExtenderToolTipText(QStringLiteral("Renames it"));
    EXPECT_EQ(host.toolTip(), QStringLiteral("Renames it"));
    host.button().setMousePointer(3);
    EXPECT_EQ(host.cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(host.button().MousePointer(), 3);
    host.button().setMousePointer(0);
    EXPECT_EQ(host.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WidgetHosting, DisablingTheControlDisablesTheWidget)
{
    WidgetHost host(QStringLiteral("cvButton1"));
    host.button().setEnabled(false);
    EXPECT_FALSE(host.isEnabled());
    EXPECT_FALSE(host.enabled());
}

TEST_F(WidgetHosting, ARegionBecomesTheWindowShape)
{
    WidgetHost host(QStringLiteral("cvButton1"));
    host.resize(40, 20);
    const host::Region region = host::Region::roundRectangle(0, 0, 41, 21, 18, 18);
    host.setWindowRegion(region);
    EXPECT_TRUE(host.mask().xored(region.toQRegion()).isEmpty());
}

TEST_F(WidgetHosting, TabKeystrokesMoveTheFocusAlongTheForm)
{
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* first = new WidgetHost(QStringLiteral("cvButton1"));
    auto* second = new WidgetHost(QStringLiteral("cvButton2"));
    layout->addWidget(first);
    layout->addWidget(second);
    form.show();
    QApplication::setActiveWindow(&form);
    first->setFocus();
    ASSERT_TRUE(first->hasFocus());
    EXPECT_TRUE(first->button().runtime().HasFocus);
    first->sendKeys(QStringLiteral("{TAB}"));
    EXPECT_TRUE(second->hasFocus());
    EXPECT_FALSE(first->button().runtime().HasFocus);
    EXPECT_TRUE(second->button().runtime().HasFocus);
    second->sendKeys(QStringLiteral("+{TAB}"));
    EXPECT_TRUE(first->hasFocus());
}

TEST_F(WidgetHosting, TheDefaultButtonAmbientIsPassedOn)
{
    WidgetHost host(QStringLiteral("cvButton1"));
    host.setDisplayAsDefault(true);
    EXPECT_TRUE(host.DisplayAsDefault());
    host.setUserMode(false);
    EXPECT_FALSE(host.UserMode());
}

} // namespace
} // namespace cvbutton

namespace cvbutton {
namespace {

// Two stored controls on a shown form in run mode, the first focused, as a user meets them.
class HostedForm : public WidgetHosting {
protected:
    HostedForm()
        : layout(new QVBoxLayout(&form)), first(new WidgetHost(QStringLiteral("cvButton1"))),
          second(new WidgetHost(QStringLiteral("cvButton2")))
    {
        for (WidgetHost* host : {first, second}) {
            host->button().ReadProperties(PropertyBag());
            layout->addWidget(host);
        }
        form.show();
        QApplication::setActiveWindow(&form);
        first->setFocus();
    }

    QWidget form;
    QVBoxLayout* layout;
    WidgetHost* first;
    WidgetHost* second;
};

TEST_F(HostedForm, TabAndArrowKeysMoveTheFocusThroughQt)
{
    ASSERT_TRUE(first->hasFocus());
    int leaves = 0;
    first->button().MouseLeave.connect([&] { ++leaves; });
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(leaves, 1);
    for (const auto& [key, to] : {std::pair{Qt::Key_Left, first}, std::pair{Qt::Key_Down, second},
                                  std::pair{Qt::Key_Up, first}, std::pair{Qt::Key_Right, second}}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_TRUE(to->hasFocus()) << key;
        EXPECT_TRUE(to->button().runtime().HasFocus) << key;
    }
}

TEST_F(HostedForm, TheAccessKeyTogglesACheckButtonWithoutClick)
{
    second->button().setButtonType(KindCheck);
    second->button().setCaption(QStringLiteral("&Keep"));
    int clicks = 0;
    second->button().Click.connect([&] { ++clicks; });
    QTest::keyClick(&form, Qt::Key_K, Qt::AltModifier);
    EXPECT_TRUE(second->button().Value());
    QTest::keyClick(&form, Qt::Key_K, Qt::AltModifier);
    EXPECT_FALSE(second->button().Value());
    EXPECT_EQ(clicks, 0);
}

// What a widget receives for a double click: press, release, press, double click, release.
void doubleClick(QWidget* widget)
{
    const QPoint at(10, 10);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

TEST_F(HostedForm, ADoubleClickedCheckButtonTogglesOnceAndClicksOnce)
{
    first->button().setButtonType(KindCheck);
    int clicks = 0;
    first->button().Click.connect([&] { ++clicks; });
    doubleClick(first);
    EXPECT_TRUE(first->button().Value());
    EXPECT_EQ(clicks, 1);
}

QWidget* shownTip()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName().endsWith(QStringLiteral("Tip")) && widget->isVisible())
            return widget;
    return nullptr;
}

// A pointer that enters and rests, as on Wayland where the screen position of an event means nothing:
// the tip shows below where the control's own event put the pointer.
TEST_F(WidgetHosting, TheTooltipShowsBelowThePointerThatEnteredAndRests)
{
    QWidget form;
    form.move(150, 100);
    auto* host = new WidgetHost(QStringLiteral("cvButton1"), &form);
    PropertyBag properties;
    properties.write(QStringLiteral("ToolTipText"), QStringLiteral("Save"));
    host->button().ReadProperties(properties);
    host->setGeometry(20, 40, 80, 24);
    form.resize(200, 120);
    form.show();

    const QPointF at(70, 8); // far from where the tip would show without knowing the pointer
    QEnterEvent enter(at, QPointF(700, 500), QPointF(700, 500));
    QCoreApplication::sendEvent(host, &enter);
    ASSERT_TRUE(QTest::qWaitFor([] { return shownTip() != nullptr; }, 5000));
    const QPoint pointer = host->mapToGlobal(at.toPoint());
    EXPECT_LE(shownTip()->x(), pointer.x());
    EXPECT_GT(shownTip()->x() + shownTip()->width(), pointer.x()) << "the tip reaches across the pointer";
    EXPECT_GT(shownTip()->y(), pointer.y()) << "and starts below it";
    EXPECT_LT(shownTip()->y(), pointer.y() + 40);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(host, &leave);
    EXPECT_EQ(shownTip(), nullptr) << "gone when the pointer leaves";
}

TEST_F(WidgetHosting, MouseAndKeysReachTheControl)
{
    WidgetHost host(QStringLiteral("cvButton1"));
    host.button().InitProperties();
    host.button().setButtonType(KindCheck);
    host.resize(60, 20);
    host.show();
    QTest::mouseClick(&host, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(host.button().Value());
    EXPECT_EQ(host.button().runtime().LastMouseButton, 1);
    QTest::mouseClick(&host, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(host.button().runtime().LastMouseButton, 2);
    int clicks = 0;
    host.button().Click.connect([&] { ++clicks; });
    QTest::keyClick(&host, Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(host.button().Value());
}

} // namespace
} // namespace cvbutton
