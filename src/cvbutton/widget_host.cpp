// The widget that hosts a cvButton in a window: showing its surface, passing on the pointer, keys, focus
// and size, and its tooltip.
#include "cvbutton/widget_host.h"

#include "cvbutton/host/tooltip_window_qt.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include <array>
#include <utility>

namespace cvbutton {
namespace {

// Pointer numbers as the control stores them, 0 being the window's default.
constexpr std::array<Qt::CursorShape, 16> kPointerShapes = {
    Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
    Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
    Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
    Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor,
};

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// The key codes the control knows; letters and digits keep their character codes.
int keyCode(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    default:
        return key < 0x80 ? key : 0;
    }
}

} // namespace

WidgetHost::WidgetHost(const QString& name, QWidget* parent)
    : QWidget(parent), surface_(width(), height()), aboutPanel_(std::make_unique<AboutPanelWindow>(this)),
      button_(std::make_unique<cvButton>(*this))
{
    button_->setAboutPanel(aboutPanel_.get());
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

WidgetHost::~WidgetHost() = default;

void WidgetHost::setUserMode(bool userMode)
{
    userMode_ = userMode;
    button_->UserControl_AmbientChanged(QStringLiteral("UserMode"));
}

void WidgetHost::setDisplayAsDefault(bool displayAsDefault)
{
    displayAsDefault_ = displayAsDefault;
    button_->UserControl_AmbientChanged(QStringLiteral("DisplayAsDefault"));
}

void WidgetHost::propertyChanged(const QString& name)
{
    if (name == QLatin1String("Caption"))
        updateAccessKey();
    emit propertyNotified(name);
}

// A caption read from stored properties tells nobody it changed, so showing checks it as well.
void WidgetHost::updateAccessKey()
{
    const QKeySequence key = QKeySequence::mnemonic(button_->Caption());
    if (accessKeyShortcut_ != 0)
        releaseShortcut(accessKeyShortcut_);
    accessKeyShortcut_ = key.isEmpty() ? 0 : grabShortcut(key);
}

std::unique_ptr<host::ToolTipWindow> WidgetHost::createToolTipWindow(unsigned style)
{
    return std::make_unique<host::QtToolTipWindow>(style, pointer_);
}

host::Surface& WidgetHost::surface()
{
    update();
    return surface_;
}

void WidgetHost::setSizeTwips(int width, int height)
{
    if (twipsToPixels(width) != this->width() || twipsToPixels(height) != this->height())
        resize(twipsToPixels(width), twipsToPixels(height));
}

void WidgetHost::setMousePointer(std::int16_t pointer)
{
    mousePointer_ = pointer;
    if (pointer > 0 && pointer < static_cast<int>(kPointerShapes.size()))
        setCursor(kPointerShapes[static_cast<std::size_t>(pointer)]);
    else
        unsetCursor();
}

void WidgetHost::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void WidgetHost::sendKeys(const QString& keys)
{
    if (keys == QLatin1String("{TAB}"))
        focusNextPrevChild(true);
    else if (keys == QLatin1String("+{TAB}"))
        focusNextPrevChild(false);
}

// The control builds its tooltip on the pointer event that finds it hot, after this handler saw that
// event: the tip then starts where the pointer is, which a Wayland client learns only from its events.
void WidgetHost::rememberPointer(const QEvent& event)
{
    if (event.type() == QEvent::Enter)
        pointer_ = static_cast<const QEnterEvent&>(event).position().toPoint();
    else if (event.type() == QEvent::MouseMove)
        pointer_ = static_cast<const QMouseEvent&>(event).position().toPoint();
    else if (event.type() == QEvent::Leave)
        pointer_.reset();
}

// Qt moves the focus on Tab before any key handler sees it; the control gets its key-down first.
bool WidgetHost::event(QEvent* event)
{
    rememberPointer(*event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            button_->UserControl_KeyDown(keyCode(key->key()), shiftCode(key->modifiers()));
    } else if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->shortcutId() == accessKeyShortcut_ && accessKeyShortcut_ != 0) {
            const QString text = shortcut->key().toString(QKeySequence::PortableText);
            button_->UserControl_AccessKeyPress(text.isEmpty() ? 0 : text.back().toLower().unicode());
            return true;
        }
    }
    return QWidget::event(event);
}

void WidgetHost::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, surface_.image());
}

void WidgetHost::resizeEvent(QResizeEvent*)
{
    surface_.resize(width(), height());
    button_->UserControl_Resize();
}

void WidgetHost::showEvent(QShowEvent*)
{
    updateAccessKey();
    button_->UserControl_Show();
}

void WidgetHost::hideEvent(QHideEvent*)
{
    button_->UserControl_Hide();
}

void WidgetHost::focusInEvent(QFocusEvent*)
{
    button_->UserControl_EnterFocus();
    button_->UserControl_GotFocus();
}

void WidgetHost::focusOutEvent(QFocusEvent*)
{
    button_->UserControl_LostFocus();
    button_->UserControl_ExitFocus();
}

void WidgetHost::mousePressEvent(QMouseEvent* event)
{
    button_->UserControl_MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()),
                                   static_cast<float>(event->position().x()),
                                   static_cast<float>(event->position().y()));
}

// A release over the control is followed by the container's click, except the release that ends
// a double click.
void WidgetHost::mouseReleaseEvent(QMouseEvent* event)
{
    button_->UserControl_MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()),
                                 static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
    const bool click = !std::exchange(releaseEndsDoubleClick_, false) && rect().contains(event->position().toPoint());
    if (click)
        button_->UserControl_Click();
}

void WidgetHost::mouseDoubleClickEvent(QMouseEvent*)
{
    releaseEndsDoubleClick_ = true;
    button_->UserControl_DblClick();
}

// Tab already reached the control on its way to the focus chain.
void WidgetHost::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return;
    button_->UserControl_KeyDown(keyCode(event->key()), shiftCode(event->modifiers()));
}

void WidgetHost::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat())
        button_->UserControl_KeyUp(keyCode(event->key()), shiftCode(event->modifiers()));
}

} // namespace cvbutton
