// Reading a box size written as WIDTHxHEIGHT.
#include "box_argument.h"

#include <QRegularExpression>

QSize parseBoxArgument(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,6})x([0-9]{1,6})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QSize();
    const QSize box(match.captured(1).toInt(), match.captured(2).toInt());
    return box.isEmpty() ? QSize() : box;
}
