// The real tooltip window: watching each tool's widget, the rest delay before the tip shows, how long it
// stays, and what hides it.
#include "cvbutton/host/tooltip_window_qt.h"

#include "cvbutton/host/tooltip_window_popup.h"

#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QWindow>

namespace cvbutton::host {
namespace {

// How long the pointer rests before the tip shows, and how long the tip then stays.
constexpr int kRestMilliseconds = 500;
constexpr int kShownMilliseconds = 5000;
// The tip starts below the pointer's hot spot, clear of the arrow.
constexpr int kBelowPointer = 20;

QColor fromColorref(Colorref color)
{
    return QColor(platform::redOf(color), platform::greenOf(color), platform::blueOf(color));
}

QIcon titleIcon(int icon)
{
    switch (icon) {
    case TTI_INFO:
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    case TTI_WARNING:
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    case TTI_ERROR:
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    default:
        return {};
    }
}

bool endsTheTip(QEvent::Type type)
{
    return type == QEvent::Leave || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
           type == QEvent::Wheel || type == QEvent::KeyPress || type == QEvent::Hide;
}

} // namespace

QtToolTipWindow::QtToolTipWindow(unsigned style, std::optional<QPoint> pointerOverTool)
    : popup_(std::make_unique<ToolTipPopup>(style & TTS_BALLOON)), pointer_(pointerOverTool)
{
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(kRestMilliseconds);
    shownTimer_.setSingleShot(true);
    shownTimer_.setInterval(kShownMilliseconds);
    connect(&restTimer_, &QTimer::timeout, this, &QtToolTipWindow::showTip);
    connect(&shownTimer_, &QTimer::timeout, this, &QtToolTipWindow::hideTip);
}

QtToolTipWindow::~QtToolTipWindow()
{
    if (toolWidget_ != nullptr)
        toolWidget_->removeEventFilter(this);
}

ToolTipPopup* QtToolTipWindow::popup() const
{
    return popup_.get();
}

bool QtToolTipWindow::addTool(const ToolInfo& tool)
{
    auto* widget = qobject_cast<QWidget*>(tool.hwnd);
    if (widget == nullptr)
        return false;
    tool_ = tool;
    toolWidget_ = widget;
    popup_->setText(tool.lpszText);
    // The tip follows the tool's pointer moves, which Qt delivers only to a widget that tracks them.
    if (tool.uFlags & TTF_SUBCLASS) {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }
    // Added while the pointer is already over the tool, which is the common case: the rest starts now.
    if (pointer_ ? overTool(*pointer_) : widget->underMouse())
        restTimer_.start();
    return true;
}

bool QtToolTipWindow::deleteTool(const ToolInfo& tool)
{
    if (toolWidget_ == nullptr || tool.hwnd != toolWidget_.data())
        return false;
    hideTip();
    toolWidget_->removeEventFilter(this);
    toolWidget_ = nullptr;
    return true;
}

bool QtToolTipWindow::setTitle(int icon, const QString& title)
{
    popup_->setTitle(titleIcon(icon), title);
    return true;
}

void QtToolTipWindow::setTipTextColor(Colorref color)
{
    popup_->setTextColor(fromColorref(color));
}

void QtToolTipWindow::setTipBkColor(Colorref color)
{
    popup_->setBackgroundColor(fromColorref(color));
}

bool QtToolTipWindow::overTool(const QPoint& position) const
{
    const Rect& r = tool_.rect;
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)).contains(position);
}

// Moving over the tool starts the rest again until the tip shows; it then stays put. Where the
// pointer is comes from the tool's own events: a Wayland client learns the pointer's position only
// relative to its own windows, never on the screen.
bool QtToolTipWindow::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Enter)
        pointer_ = static_cast<QEnterEvent*>(event)->position().toPoint();
    if (endsTheTip(event->type())) {
        hideTip();
    } else if (event->type() == QEvent::MouseMove && !popup_->isVisible()) {
        pointer_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (overTool(*pointer_))
            restTimer_.start();
        else
            restTimer_.stop();
    }
    return false;
}

// Below the pointer, or below the tool while no move over it has said where the pointer is.
QPoint QtToolTipWindow::anchor() const
{
    const QPoint bottomLeft(tool_.rect.left, tool_.rect.bottom);
    const QPoint local = pointer_ ? *pointer_ + QPoint(0, kBelowPointer) : bottomLeft;
    return toolWidget_->mapToGlobal(local);
}

void QtToolTipWindow::showTip()
{
    if (toolWidget_ == nullptr || tool_.lpszText.isEmpty())
        return;
    // A tooltip window is placed relative to the window it belongs to: on Wayland that is the only
    // way it can be placed at all.
    popup_->winId();
    popup_->windowHandle()->setTransientParent(toolWidget_->window()->windowHandle());
    popup_->showAt(anchor());
    shownTimer_.start();
}

void QtToolTipWindow::hideTip()
{
    restTimer_.stop();
    shownTimer_.stop();
    popup_->hide();
}

} // namespace cvbutton::host
