// Painting a command button's picture above its wrapped caption.
#include "editor/picture_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace editor {

namespace {

constexpr int kMargin = 3;

} // namespace

PictureButton::PictureButton(const QString& caption, const QIcon& picture, QWidget* parent)
    : QPushButton(caption, parent)
{
    setIcon(picture);
    setIconSize(QSize(kPictureSize, kPictureSize));
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect inside = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap picture = icon().pixmap(iconSize(), devicePixelRatio(), mode);
    const int shift = isDown() ? 1 : 0; // the face moves with the press, as a classic button's does
    const QRect pictureRect(inside.center().x() - iconSize().width() / 2 + shift, inside.top() + shift,
                            iconSize().width(), iconSize().height());
    painter.drawPixmap(pictureRect, picture);

    const QRect captionRect(inside.left() + shift, pictureRect.bottom() + 1 + shift, inside.width(),
                            inside.bottom() - pictureRect.bottom());
    painter.drawItemText(captionRect, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, palette(), isEnabled(),
                         text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace editor
