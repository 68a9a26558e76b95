// The large view's decoding, fitting, painting and keys.
#include "editor/large_view.h"

#include "editor/command_keys.h"
#include "picture/fit_geometry.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace editor {

namespace {

// A dark surround lets the picture's own colours stand out, in a light desktop theme as in a dark one.
const QColor kSurround(32, 32, 32);
const QColor kNoticeText(200, 200, 200);

// The picture is decoded once, large enough to fill any of the screens in full screen.
QSize largestScreenBox()
{
    QSize largest(1, 1);
    for (const QScreen* screen : QGuiApplication::screens())
        largest = largest.expandedTo(screen->size() * screen->devicePixelRatio());
    return largest;
}

bool matchesAny(const QKeyEvent* event, const QList<QKeySequence>& keys)
{
    // The keypad's arrows and page keys count as the others.
    const QKeySequence pressed(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    return std::any_of(keys.begin(), keys.end(), [&](const QKeySequence& key) { return key == pressed; });
}

// Next and Previous by the main window's keys, or by the arrow and page keys alone, since the view
// has no text to move in.
QList<QKeySequence> nextKeys()
{
    return commandKeys(QStringLiteral("Command2")) + QList<QKeySequence>{Qt::Key_Right, Qt::Key_PageDown};
}

QList<QKeySequence> previousKeys()
{
    return commandKeys(QStringLiteral("Command3")) + QList<QKeySequence>{Qt::Key_Left, Qt::Key_PageUp};
}

bool isModifierOnly(const QKeyEvent* event)
{
    const int key = event->key();
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

} // namespace

LargeView::LargeView(Actions actions, QWidget* parent)
    : QWidget(parent, Qt::Window), actions_(std::move(actions)),
      renderer_(this, [this](const picture::ViewFrame& frame) { take(frame); })
{
    setObjectName(QStringLiteral("LargeView"));
    // The comment box keeps the keyboard while the view opens, and closing the main window ends the
    // program even with the view still open.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 120);
}

void LargeView::showPicture(const QString& path, const QString& name)
{
    path_ = path;
    notice_.clear();
    shown_.reset();
    setWindowTitle(tr("%1 - Large View").arg(name));
    requestFit(true);
    update();
}

void LargeView::showTrashed(const QString& name)
{
    path_.clear();
    shown_.reset();
    renderer_.clear();
    notice_ = tr("%1 was moved to the trash.").arg(name);
    setWindowTitle(tr("%1 - Large View").arg(name));
    update();
}

void LargeView::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

QImage LargeView::shownImage() const
{
    return shown_ ? shown_->image() : QImage();
}

void LargeView::requestFit(bool reread)
{
    if (!path_.isEmpty())
        renderer_.request(path_, largestScreenBox(), deviceBox(), reread);
}

void LargeView::take(const picture::ViewFrame& frame)
{
    if (frame.path != path_)
        return;
    shown_ = frame.picture;
    notice_ = frame.failed ? tr("This picture cannot be shown.") : QString();
    update();
}

QSize LargeView::deviceBox() const
{
    const qreal ratio = devicePixelRatioF();
    return {qRound(width() * ratio), qRound(height() * ratio)};
}

QRectF LargeView::pictureRect(QSize pictureSize) const
{
    const QRect device = picture::fittedRect(pictureSize, deviceBox(), true);
    const qreal ratio = devicePixelRatioF();
    return {device.x() / ratio, device.y() / ratio, device.width() / ratio, device.height() / ratio};
}

void LargeView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kSurround);
    if (shown_ && !shown_->image().isNull()) {
        QImage image = shown_->image();
        const QRectF target = pictureRect(image.size());
        // A frame of another size is the one from before a resize: it stands in, smoothly stretched,
        // until the sharp one for this size arrives.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        image.setDevicePixelRatio(devicePixelRatioF());
        painter.drawImage(target, image);
    }
    drawNotice(painter);
}

void LargeView::drawNotice(QPainter& painter) const
{
    if (notice_.isEmpty())
        return;
    painter.setPen(kNoticeText);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, notice_);
}

void LargeView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    requestFit(false);
}

// A move to a screen of another scale needs a fit for its pixels.
void LargeView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    justOpened_ = !event->spontaneous();
    if (watchingScreen_ || !windowHandle())
        return;
    watchingScreen_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { requestFit(false); });
}

// A window system that activates every new window would take the keyboard from the comment box
// on opening; the pointer coming in shows the user means to use the view itself.
bool LargeView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseButtonPress:
        justOpened_ = false;
        break;
    case QEvent::WindowActivate:
        if (justOpened_) {
            justOpened_ = false;
            actions_.returnKeyboard(nullptr);
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void LargeView::keyPressEvent(QKeyEvent* event)
{
    if (!handleViewKey(event) && !isModifierOnly(event))
        actions_.returnKeyboard(event);
}

bool LargeView::handleViewKey(QKeyEvent* event)
{
    if (matchesAny(event, largeViewKeys())) {
        toggleFullScreen();
    } else if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (isFullScreen())
            showNormal();
        else
            close();
    } else if (matchesAny(event, {QKeySequence(Qt::CTRL | Qt::Key_W)})) {
        close();
    } else if (matchesAny(event, nextKeys())) {
        actions_.next();
    } else if (matchesAny(event, previousKeys())) {
        actions_.previous();
    } else {
        return false;
    }
    return true;
}

} // namespace editor
