// The gallery's controls: the property set each button of a row is read from, and its drawn picture.
#include "gallery_controls.h"

#include "cvbutton/icon_picture.h"

#include <QImage>
#include <QPainter>

namespace gallery {
namespace {

QString columnName(Column column)
{
    switch (column) {
    case Column::Push:
        return QStringLiteral("push");
    case Column::Check:
        return QStringLiteral("check");
    case Column::Disabled:
        return QStringLiteral("disabled");
    case Column::Icon:
        return QStringLiteral("icon");
    }
    return {};
}

// A small drawn picture, so the gallery needs no files.
cvbutton::IconPicture galleryIcon()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x2E, 0x7D, 0x32));
    painter.setPen(QColor(0x1B, 0x5E, 0x20));
    painter.drawEllipse(1, 1, 14, 14);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(5, 8, 7, 11);
    painter.drawLine(7, 11, 11, 5);
    painter.end();
    return cvbutton::IconPicture(image, cvbutton::IconPicture::TypeIcon);
}

// Each row varies its tip: even rows balloons, odd rows boxes; the title and its icon cycle
// through none, info, warning and error; every third row has colours of its own.
void addToolTip(cvbutton::PropertyBag& bag, int style, Column column)
{
    const int icon = (style + static_cast<int>(column)) % 4;
    bag.write(QStringLiteral("ToolTipText"), QStringLiteral("Style %1, %2 button").arg(style).arg(columnName(column)));
    bag.write(QStringLiteral("ToolTipType"), style % 2 == 0 ? 1 : 0);
    if (icon != 0) {
        bag.write(QStringLiteral("Tooltiptitle"), controlName(style, column));
        bag.write(QStringLiteral("ToolTipIcon"), icon);
    }
    const bool ownColors = style % 3 == 0;
    bag.write(QStringLiteral("ttBackColor"), ownColors ? 0xF2E6D9 : 0);
    bag.write(QStringLiteral("ttForeColor"), ownColors ? 0x5A1E0B : 0);
}

} // namespace

QString controlName(int style, Column column)
{
    return QStringLiteral("s%1-%2").arg(style).arg(columnName(column));
}

cvbutton::PropertyBag controlProperties(int style, Column column)
{
    cvbutton::PropertyBag bag;
    bag.write(QStringLiteral("Style"), style);
    bag.write(QStringLiteral("Caption"), column == Column::Push ? QStringLiteral("&Push") : columnName(column));
    if (column == Column::Check)
        bag.write(QStringLiteral("ButtonType"), 1);
    if (column == Column::Disabled)
        bag.write(QStringLiteral("Enabled"), 0);
    if (column == Column::Icon)
        bag.write(QStringLiteral("Icon"), galleryIcon().toStoredText());
    addToolTip(bag, style, column);
    return bag;
}

} // namespace gallery
