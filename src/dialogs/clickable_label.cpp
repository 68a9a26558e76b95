// A label's click: pressed and let go on the label.
#include "dialogs/clickable_label.h"

#include <QMouseEvent>

namespace dialogs {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

// A press dragged off the label and let go elsewhere is no click.
void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace dialogs
