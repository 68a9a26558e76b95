// Setting up, placing and framing a fixed-size form.
#include "dialogs/fixed_form.h"

#include "forms/twips.h"
#include "platform/system_colors.h"

#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace dialogs {

using forms::twipsToPixels;

void setUpFixedForm(QWidget& form, const QString& caption, int widthTwips, int heightTwips)
{
    form.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint);
    form.setWindowTitle(caption);
    form.setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    // Unloading a form discards it; the next command builds it afresh.
    form.setAttribute(Qt::WA_DeleteOnClose);
}

void showCentred(QWidget& form)
{
    if (const QScreen* screen = form.screen()) {
        QRect frame(QPoint(), form.size());
        frame.moveCenter(screen->availableGeometry().center());
        form.move(frame.topLeft());
    }
    form.show();
    bringToFront(form);
}

void bringToFront(QWidget& form)
{
    if (form.isMinimized())
        form.showNormal();
    form.raise();
    form.activateWindow();
}

void onKeys(QWidget& form, std::initializer_list<Qt::Key> keys, const std::function<void()>& action)
{
    for (const Qt::Key key : keys)
        QObject::connect(new QShortcut(QKeySequence(key), &form), &QShortcut::activated, &form, action);
}

void paintFrameRectangle(QPainter& painter, QRect cornersInTwips)
{
    const platform::Colorref colour = platform::SystemColors::current().color(platform::COLOR_INACTIVECAPTION);
    painter.setPen(QPen(QColor::fromRgb(platform::toQRgb(colour)), 1));
    const int left = twipsToPixels(cornersInTwips.left());
    const int top = twipsToPixels(cornersInTwips.top());
    const int right = twipsToPixels(cornersInTwips.left() + cornersInTwips.width());
    const int bottom = twipsToPixels(cornersInTwips.top() + cornersInTwips.height());
    painter.drawLine(left, top, right, top);
    painter.drawLine(right, top, right, bottom);
    painter.drawLine(right, bottom, left, bottom);
    painter.drawLine(left, bottom, left, top);
}

} // namespace dialogs
