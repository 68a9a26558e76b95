// Painting and placing the tip's popup: its box or balloon outline, the title with its icon, and the text.
#include "cvbutton/host/tooltip_window_popup.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace cvbutton::host {
namespace {

constexpr int kPadding = 6;
constexpr int kIconSize = 16;
constexpr int kTitleGap = 4;
constexpr int kStemHeight = 14;
constexpr int kStemWidth = 14;
constexpr int kStemOffset = 16;
constexpr qreal kCornerRadius = 8;

QFont titleFont(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

ToolTipPopup::ToolTipPopup(bool balloon)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), balloon_(balloon),
      textColor_(QApplication::palette().color(QPalette::ToolTipText)),
      backgroundColor_(QApplication::palette().color(QPalette::ToolTipBase))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(balloon ? QStringLiteral("cvButtonBalloonTip") : QStringLiteral("cvButtonTip"));
}

void ToolTipPopup::setText(const QString& text)
{
    text_ = text;
}

void ToolTipPopup::setTitle(const QIcon& icon, const QString& title)
{
    icon_ = icon;
    title_ = title;
}

bool ToolTipPopup::hasTitle() const
{
    return !title_.isEmpty() || !icon_.isNull();
}

QSize ToolTipPopup::bodySize() const
{
    const QFontMetrics textMetrics(font());
    QSize text = textMetrics.size(0, text_);
    if (hasTitle()) {
        const QFontMetrics titleMetrics(titleFont(font()));
        const int titleWidth = (icon_.isNull() ? 0 : kIconSize + kTitleGap) + titleMetrics.horizontalAdvance(title_);
        const int titleHeight = qMax(kIconSize, titleMetrics.height());
        text = QSize(qMax(text.width(), titleWidth), text.height() + titleHeight + kTitleGap);
    }
    return text + QSize(2 * kPadding, 2 * kPadding);
}

QRect ToolTipPopup::bodyRect() const
{
    const QSize body = bodySize();
    if (!balloon_)
        return QRect(QPoint(0, 0), body);
    return QRect(QPoint(0, pointsUp_ ? kStemHeight : 0), body);
}

// The balloon's box with its pointer, as one closed outline.
QPainterPath ToolTipPopup::outline() const
{
    const QRectF body = QRectF(bodyRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath box;
    box.addRoundedRect(body, kCornerRadius, kCornerRadius);
    if (!balloon_)
        return box;
    const qreal base = pointsUp_ ? body.top() + 1 : body.bottom() - 1;
    const qreal tip = pointsUp_ ? 0.5 : height() - 0.5;
    QPainterPath stem;
    stem.moveTo(stemX_, base);
    stem.lineTo(stemX_, tip);
    stem.lineTo(stemX_ + kStemWidth, base);
    stem.closeSubpath();
    return box.united(stem).simplified();
}

void ToolTipPopup::showAt(const QPoint& anchor)
{
    const QSize body = bodySize();
    const QRect screen = QApplication::primaryScreen() ? QApplication::primaryScreen()->availableGeometry() : QRect();
    const int height = body.height() + (balloon_ ? kStemHeight : 0);
    pointsUp_ = screen.isNull() || anchor.y() + height <= screen.bottom();
    int left = balloon_ ? anchor.x() - kStemOffset : anchor.x();
    if (!screen.isNull())
        left = qBound(screen.left(), left, qMax(screen.left(), screen.right() - body.width()));
    stemX_ = qBound(int(kCornerRadius), anchor.x() - left, body.width() - kStemWidth - int(kCornerRadius));
    const int top = pointsUp_ ? anchor.y() : anchor.y() - height;
    setGeometry(left, top, body.width(), height);
    if (balloon_)
        setMask(QRegion(outline().toFillPolygon().toPolygon()));
    else
        clearMask();
    show();
    update();
}

void ToolTipPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, balloon_);
    painter.setPen(textColor_);
    painter.setBrush(backgroundColor_);
    if (balloon_)
        painter.drawPath(outline());
    else
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QRect content = bodyRect().adjusted(kPadding, kPadding, -kPadding, -kPadding);
    if (hasTitle()) {
        const QFont bold = titleFont(font());
        const int titleHeight = qMax(kIconSize, QFontMetrics(bold).height());
        int x = content.left();
        if (!icon_.isNull()) {
            icon_.paint(&painter, QRect(x, content.top() + (titleHeight - kIconSize) / 2, kIconSize, kIconSize));
            x += kIconSize + kTitleGap;
        }
        painter.setFont(bold);
        painter.drawText(QRect(x, content.top(), content.right() - x + 1, titleHeight), Qt::AlignVCenter, title_);
        painter.setFont(font());
        content.setTop(content.top() + titleHeight + kTitleGap);
    }
    painter.drawText(content, Qt::AlignLeft | Qt::AlignTop, text_);
}

} // namespace cvbutton::host
