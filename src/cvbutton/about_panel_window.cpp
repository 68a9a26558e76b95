// The about panel's window: floating it as a top-most window of its own with the decorations its style
// bits ask for, and taking it back.
#include "cvbutton/about_panel_window.h"

#include "platform/system_colors.h"

#include <QMouseEvent>
#include <QPainter>

namespace cvbutton {
namespace {

constexpr int kPanelWidth = 380;
constexpr int kPanelHeight = 170;

} // namespace

AboutPanelWindow::AboutPanelWindow(QWidget* control) : QWidget(control), surface_(kPanelWidth, kPanelHeight)
{
    setFixedSize(kPanelWidth, kPanelHeight);
    hide();
}

void AboutPanelWindow::showFloating()
{
    windowStyle_ = AboutWindowStyle + kFloatingFrame;
    setWindowTitle(QStringLiteral("About cvButton ") + QLatin1String(kAboutVersion));
    applyWindowStyle();
    show();
    raise();
}

// The frame bits of the style decide which decorations the floating window asks for; being a
// window of its own is what taking it off the control does.
void AboutPanelWindow::applyWindowStyle()
{
    Qt::WindowFlags flags = Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint;
    if ((windowStyle_ & WS_CAPTION) == WS_CAPTION)
        flags |= Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (windowStyle_ & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    setParent(nullptr, flags);
    if (windowStyle_ & WS_THICKFRAME)
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

AboutPanelColors AboutPanelWindow::currentColors()
{
    const platform::SystemColors colors = platform::SystemColors::current();
    return {colors.color(platform::COLOR_BTNTEXT), colors.color(platform::COLOR_BTNFACE),
            colors.color(platform::COLOR_BTNSHADOW)};
}

void AboutPanelWindow::paintEvent(QPaintEvent*)
{
    if (!painted_) {
        surface_.setBackgroundColor(currentColors().face);
        surface_.clear();
        PaintAboutPanel(surface_, currentColors());
        painted_ = true;
    }
    QPainter(this).drawImage(0, 0, surface_.image());
}

void AboutPanelWindow::mousePressEvent(QMouseEvent*)
{
    DrawCloseButton(surface_, currentColors(), true);
    update();
}

void AboutPanelWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (!rect().contains(event->position().toPoint())) {
        DrawCloseButton(surface_, currentColors(), false);
        update();
        return;
    }
    painted_ = false;
    hide();
}

} // namespace cvbutton
