// Drawing the small picture of each command button.
#include "editor/button_pictures.h"

#include "cvbutton/render/contrast.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace editor {

namespace {

constexpr int kSize = 20;

const QColor kInk(0x33, 0x3d, 0x4a);
const QColor kPaper(0xfa, 0xfa, 0xf5);
const QColor kFolder(0xe8, 0xb8, 0x4a);
const QColor kAccent(0x2f, 0x7d, 0xd1);
const QColor kDanger(0xc8, 0x3c, 0x32);
const QColor kGood(0x3a, 0x9a, 0x4f);

using Painter = std::function<void(QPainter&)>;

QPen ink(qreal width = 1.4)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawPage(QPainter& p, QRectF page)
{
    QPainterPath path;
    path.moveTo(page.topLeft());
    path.lineTo(page.right() - 4, page.top());
    path.lineTo(page.right(), page.top() + 4);
    path.lineTo(page.bottomRight());
    path.lineTo(page.bottomLeft());
    path.closeSubpath();
    p.setPen(ink(1.2));
    p.setBrush(kPaper);
    p.drawPath(path);
}

void drawArrow(QPainter& p, bool forward)
{
    const qreal dir = forward ? 1 : -1;
    const qreal cx = 10;
    QPainterPath path;
    path.moveTo(cx - 7 * dir, 8);
    path.lineTo(cx + 1 * dir, 8);
    path.lineTo(cx + 1 * dir, 4);
    path.lineTo(cx + 8 * dir, 10);
    path.lineTo(cx + 1 * dir, 16);
    path.lineTo(cx + 1 * dir, 12);
    path.lineTo(cx - 7 * dir, 12);
    path.closeSubpath();
    p.setPen(ink(1.1));
    p.setBrush(kAccent);
    p.drawPath(path);
}

void drawOpen(QPainter& p)
{
    p.setPen(ink(1.2));
    p.setBrush(kFolder.darker(115));
    p.drawRoundedRect(QRectF(2, 5, 16, 12), 1.5, 1.5);
    p.setBrush(kFolder);
    QPainterPath flap;
    flap.moveTo(2, 17);
    flap.lineTo(5, 9);
    flap.lineTo(19, 9);
    flap.lineTo(16, 17);
    flap.closeSubpath();
    p.drawPath(flap);
}

void drawCopy(QPainter& p)
{
    drawPage(p, QRectF(2.5, 2.5, 10, 12));
    drawPage(p, QRectF(7.5, 5.5, 10, 12));
}

void drawSave(QPainter& p)
{
    p.setPen(ink(1.2));
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 2.5, 9, 6));
    p.setBrush(kInk);
    p.drawRect(QRectF(6, 12, 8, 5.5));
}

void drawAbout(QPainter& p)
{
    p.setPen(ink(1.2));
    p.setBrush(kAccent);
    p.drawEllipse(QRectF(2.5, 2.5, 15, 15));
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 9), QPointF(10, 14));
    p.drawPoint(QPointF(10, 6));
}

void drawClose(QPainter& p)
{
    p.setPen(ink(1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 2.5, 10, 15));
    p.setPen(QPen(kDanger, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 10), QPointF(18, 10));
    p.drawLine(QPointF(15.5, 7.5), QPointF(18, 10));
    p.drawLine(QPointF(15.5, 12.5), QPointF(18, 10));
}

void drawDelete(QPainter& p)
{
    p.setPen(ink(1.2));
    p.setBrush(kPaper);
    QPainterPath bin;
    bin.moveTo(5, 6);
    bin.lineTo(15, 6);
    bin.lineTo(14, 18);
    bin.lineTo(6, 18);
    bin.closeSubpath();
    p.drawPath(bin);
    p.drawLine(QPointF(3, 5), QPointF(17, 5));
    p.drawLine(QPointF(8, 3), QPointF(12, 3));
    p.setPen(QPen(kDanger, 1.1));
    p.drawLine(QPointF(8, 9), QPointF(8.5, 15));
    p.drawLine(QPointF(12, 9), QPointF(11.5, 15));
}

void drawRename(QPainter& p)
{
    drawPage(p, QRectF(2.5, 2.5, 11, 15));
    QPainterPath pencil;
    pencil.moveTo(9, 16);
    pencil.lineTo(10, 12.5);
    pencil.lineTo(17, 5.5);
    pencil.lineTo(19, 7.5);
    pencil.lineTo(12, 14.5);
    pencil.closeSubpath();
    p.setPen(ink(1.0));
    p.setBrush(kFolder);
    p.drawPath(pencil);
}

// The letter stands bare on the button, so its ink follows the button's face: on a dark face a
// light ink.
QColor letterInkOn(const QColor& face)
{
    using namespace cvbutton::render;
    const platform::Colorref ground = platform::fromQRgb(face.rgb());
    return QColor(platform::toQRgb(ReadableOn(ground, platform::fromQRgb(kInk.rgb()), kTextContrast)));
}

void drawFont(QPainter& p, const QColor& letterInk)
{
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(17);
    font.setBold(true);
    p.setFont(font);
    p.setPen(letterInk);
    p.drawText(QRectF(0, -1, 14, 18), Qt::AlignCenter, QStringLiteral("A"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(kGood);
    p.drawText(QRectF(10, 6, 10, 13), Qt::AlignCenter, QStringLiteral("a"));
}

const std::map<QString, Painter>& painters()
{
    static const std::map<QString, Painter> table = {
        {QStringLiteral("Command1"), drawOpen},
        {QStringLiteral("Command2"), [](QPainter& p) { drawArrow(p, true); }},
        {QStringLiteral("Command3"), [](QPainter& p) { drawArrow(p, false); }},
        {QStringLiteral("Command4"), drawCopy},
        {QStringLiteral("Command5"), drawSave},
        {QStringLiteral("Command6"), drawAbout},
        {QStringLiteral("Command7"), drawClose},
        {QStringLiteral("Command8"), drawDelete},
        {QStringLiteral("Command9"), drawRename},
    };
    return table;
}

QPixmap render(const Painter& paint, qreal scale)
{
    QPixmap pixmap(QSize(kSize, kSize) * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    paint(painter);
    return pixmap;
}

Painter painterFor(const QString& commandName, const QColor& face)
{
    if (commandName == QLatin1String("Command10"))
        return [ink = letterInkOn(face)](QPainter& p) { drawFont(p, ink); };
    const auto found = painters().find(commandName);
    return found == painters().end() ? Painter{} : found->second;
}

} // namespace

QIcon buttonPicture(const QString& commandName, const QColor& face)
{
    const Painter paint = painterFor(commandName, face);
    if (!paint)
        return {};
    QIcon icon;
    icon.addPixmap(render(paint, 1.0));
    icon.addPixmap(render(paint, 2.0));
    return icon;
}

QImage applicationIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // a photograph: sky, a hill and the sun, in a white frame
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 5.5, 24, 20), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9c, 0xc9, 0xee));
    p.drawRect(QRectF(4, 8, 19, 15));
    p.setBrush(kFolder);
    p.drawEllipse(QRectF(16, 10, 4.5, 4.5));
    p.setBrush(kGood);
    QPainterPath hill;
    hill.moveTo(4, 23);
    hill.cubicTo(9, 13, 14, 14, 23, 23);
    hill.closeSubpath();
    p.drawPath(hill);

    // a speech balloon: the comment
    QPainterPath balloon;
    balloon.addRoundedRect(QRectF(15.5, 15.5, 15, 10), 3, 3);
    QPainterPath tail;
    tail.moveTo(19, 25);
    tail.lineTo(18, 30.5);
    tail.lineTo(24, 25);
    tail.closeSubpath();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawPath(balloon.united(tail));
    p.setPen(QPen(kAccent, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18.5, 19), QPointF(27.5, 19));
    p.drawLine(QPointF(18.5, 22), QPointF(24.5, 22));
    return image;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(applicationIconImage(size)));
    return icon;
}

} // namespace editor
