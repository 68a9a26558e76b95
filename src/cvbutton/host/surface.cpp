// The software raster behind every button face: pixels, lines with the pen, filled rectangles, edges,
// pictures, copies between surfaces, 24-bit rows and text.
#include "cvbutton/host/surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace cvbutton::host {
namespace {

std::int64_t floorDiv(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

// numerator / denominator (denominator > 0) to the nearest integer, a half going to the smaller
// neighbour: where a line passes exactly between two pixels, the upper or the left one is lit, in
// whichever direction the line runs, so a line and its reverse light the same pixels.
std::int64_t roundHalfDown(std::int64_t numerator, std::int64_t denominator)
{
    return -floorDiv(denominator - 2 * numerator, 2 * denominator);
}

// The steps i of 0 <= i < length for which start + direction * i lies within 0 <= v < size.
std::pair<std::int64_t, std::int64_t> visibleSteps(std::int64_t start, int direction, std::int64_t length, int size)
{
    std::int64_t first = direction > 0 ? -start : start - (size - 1);
    std::int64_t last = direction > 0 ? size - 1 - start : start;
    return {std::max<std::int64_t>(first, 0), std::min(last + 1, length)};
}

QStringList paragraphsOf(const QString& text)
{
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

QString withoutTrailingSpaces(QString line)
{
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line;
}

// Greedy wrapping at spaces; the spaces at a break are dropped, and a word wider than the width
// keeps a line of its own.
QStringList wrap(const QString& paragraph, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    const QStringList words = paragraph.split(QLatin1Char(' '));
    QString line = words.first();
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString candidate = line + QLatin1Char(' ') + words[i];
        const QString kept = withoutTrailingSpaces(line);
        if (!words[i].isEmpty() && !kept.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << kept;
            line = words[i];
        } else {
            line = candidate;
        }
    }
    lines << line;
    return lines;
}

QStringList linesOf(const QString& text, const QFontMetrics& metrics, int width, unsigned format)
{
    if (text.isEmpty())
        return {};
    if (format & DT_SINGLELINE)
        return {text};
    QStringList lines;
    for (const QString& paragraph : paragraphsOf(text))
        lines << ((format & DT_WORDBREAK) ? wrap(paragraph, metrics, width) : QStringList{paragraph});
    return lines;
}

int lineLeft(const Rect& rect, int lineWidth, unsigned format)
{
    if (format & DT_CENTER)
        return rect.left + (rect.right - rect.left - lineWidth) / 2;
    if (format & DT_RIGHT)
        return rect.right - lineWidth;
    return rect.left;
}

// Vertical placement applies to single-line text only; several lines always start at the top.
int textTop(const Rect& rect, int textHeight, unsigned format)
{
    if (!(format & DT_SINGLELINE))
        return rect.top;
    if (format & DT_VCENTER)
        return rect.top + (rect.bottom - rect.top - textHeight) / 2;
    if (format & DT_BOTTOM)
        return rect.bottom - textHeight;
    return rect.top;
}

// The text as drawn, its access-key marks taken out; the index of the underlined character in it,
// or -1.
QString withoutPrefixes(const QString& text, qsizetype* underlined)
{
    QString shown;
    *underlined = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
            if (text[i] != QLatin1Char('&'))
                *underlined = shown.size();
        } else if (text[i] == QLatin1Char('&')) {
            continue;
        }
        shown += text[i];
    }
    return shown;
}

struct LinePosition {
    qsizetype line = -1;
    qsizetype column = -1;
};

// Which line, and where in it, a character of the text ended up after the lines were broken.
LinePosition positionInLines(const QStringList& lines, const QString& text, qsizetype index)
{
    qsizetype from = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype start = text.indexOf(lines[i], from);
        if (start < 0)
            break;
        if (index >= start && index < start + lines[i].size())
            return {i, index - start};
        from = start + lines[i].size();
    }
    return {};
}

} // namespace

Surface::Surface(int width, int height) : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32)
{
    clear();
}

void Surface::resize(int width, int height)
{
    image_ = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    clear();
}

void Surface::clear()
{
    image_.fill(platform::toQRgb(background_));
}

Colorref Surface::pixel(int x, int y) const
{
    if (!image_.valid(x, y))
        return platform::kInvalidColor;
    return platform::fromQRgb(image_.pixel(x, y));
}

void Surface::setPixel(int x, int y, Colorref color)
{
    plot(x, y, color);
}

void Surface::plot(int x, int y, Colorref color)
{
    if (image_.valid(x, y))
        image_.setPixel(x, y, platform::toQRgb(color));
}

Pen Surface::selectPen(Pen pen)
{
    return std::exchange(pen_, pen);
}

void Surface::moveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void Surface::lineTo(int x, int y)
{
    const std::int64_t dx = std::int64_t{x} - penX_;
    const std::int64_t dy = std::int64_t{y} - penY_;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t length = xMajor ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t majorStart = xMajor ? penX_ : penY_;
    const std::int64_t minorStart = xMajor ? penY_ : penX_;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const int direction = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const auto [first, end] = visibleSteps(majorStart, direction, length, xMajor ? width() : height());
    for (std::int64_t i = first; i < end; ++i) {
        const auto major = static_cast<int>(majorStart + direction * i);
        const std::int64_t minor = minorStart + roundHalfDown(i * minorDelta, length);
        if (minor >= 0 && minor < (xMajor ? height() : width()))
            plot(xMajor ? major : static_cast<int>(minor), xMajor ? static_cast<int>(minor) : major, pen_.color);
    }
    moveTo(x, y);
}

void Surface::fillRect(const Rect& rect, Colorref color)
{
    const QRect area = QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)) & image_.rect();
    if (rect.right > rect.left && rect.bottom > rect.top && !area.isEmpty()) {
        QPainter painter(&image_);
        painter.fillRect(area, QColor(platform::toQRgb(color)));
    }
}

void Surface::drawEdge(const Rect& rect, unsigned edge, unsigned sides, const SystemColors& colors)
{
    const auto border = [&](const Rect& ring, int topLeftIndex, int bottomRightIndex) {
        const Pen previous = selectPen({colors.color(topLeftIndex)});
        if (sides & BF_TOP) {
            moveTo(ring.left, ring.top);
            lineTo(ring.right, ring.top);
        }
        if (sides & BF_LEFT) {
            moveTo(ring.left, ring.top);
            lineTo(ring.left, ring.bottom);
        }
        selectPen({colors.color(bottomRightIndex)});
        if (sides & BF_BOTTOM) {
            moveTo(ring.left, ring.bottom - 1);
            lineTo(ring.right, ring.bottom - 1);
        }
        if (sides & BF_RIGHT) {
            moveTo(ring.right - 1, ring.top);
            lineTo(ring.right - 1, ring.bottom);
        }
        selectPen(previous);
    };
    const bool outer = (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) != 0;
    if (edge & BDR_RAISEDOUTER)
        border(rect, platform::COLOR_3DLIGHT, platform::COLOR_3DDKSHADOW);
    else if (edge & BDR_SUNKENOUTER)
        border(rect, platform::COLOR_BTNSHADOW, platform::COLOR_BTNHIGHLIGHT);
    // A lone inner border takes the outermost ring; after an outer one it goes one pixel in.
    const int inset = outer ? 1 : 0;
    const Rect inner{rect.left + ((sides & BF_LEFT) ? inset : 0), rect.top + ((sides & BF_TOP) ? inset : 0),
                     rect.right - ((sides & BF_RIGHT) ? inset : 0), rect.bottom - ((sides & BF_BOTTOM) ? inset : 0)};
    if (edge & BDR_RAISEDINNER)
        border(inner, platform::COLOR_BTNHIGHLIGHT, platform::COLOR_BTNSHADOW);
    else if (edge & BDR_SUNKENINNER)
        border(inner, platform::COLOR_3DDKSHADOW, platform::COLOR_3DLIGHT);
}

void Surface::drawImage(const QImage& image, const Rect& target)
{
    if (image.isNull() || target.right <= target.left || target.bottom <= target.top)
        return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(target.left, target.top), QPoint(target.right - 1, target.bottom - 1)), image);
}

void Surface::copyFrom(int x, int y, int width, int height, const Surface& source, int sourceX, int sourceY)
{
    const QImage copy = source.image_.copy(sourceX, sourceY, width, height);
    for (int row = 0; row < copy.height(); ++row) {
        for (int column = 0; column < copy.width(); ++column) {
            if (source.image_.valid(sourceX + column, sourceY + row))
                plot(x + column, y + row, platform::fromQRgb(copy.pixel(column, row)));
        }
    }
}

Dib24 Surface::readDib(int x, int y, int width, int height) const
{
    Dib24 dib{std::max(width, 0), std::max(height, 0), {}};
    const int stride = Dib24::stride(dib.width);
    dib.bits.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(dib.height), 0);
    for (int row = 0; row < dib.height; ++row) {
        std::uint8_t* line = dib.bits.data() + static_cast<std::size_t>(dib.height - 1 - row) * stride;
        for (int column = 0; column < dib.width; ++column) {
            if (!image_.valid(x + column, y + row))
                continue;
            const QRgb color = image_.pixel(x + column, y + row);
            line[column * 3] = static_cast<std::uint8_t>(qBlue(color));
            line[column * 3 + 1] = static_cast<std::uint8_t>(qGreen(color));
            line[column * 3 + 2] = static_cast<std::uint8_t>(qRed(color));
        }
    }
    return dib;
}

void Surface::writeDib(int x, int y, const Dib24& dib)
{
    const int stride = Dib24::stride(dib.width);
    if (dib.width <= 0 || dib.height <= 0 || dib.bits.size() < static_cast<std::size_t>(stride) * dib.height)
        return;
    for (int row = 0; row < dib.height; ++row) {
        const std::uint8_t* line = dib.bits.data() + static_cast<std::size_t>(dib.height - 1 - row) * stride;
        for (int column = 0; column < dib.width; ++column)
            plot(x + column, y + row, platform::rgb(line[column * 3 + 2], line[column * 3 + 1], line[column * 3]));
    }
}

int Surface::drawText(const QString& given, Rect& rect, unsigned format)
{
    qsizetype underlined = -1;
    const QString text = (format & DT_NOPREFIX) ? given : withoutPrefixes(given, &underlined);
    const QFontMetrics metrics(font_);
    const QStringList lines = linesOf(text, metrics, rect.right - rect.left, format);
    const int lineHeight = metrics.height();
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        rect.right = rect.left + widest;
        rect.bottom = rect.top + textHeight;
        return textHeight;
    }
    QPainter painter(&image_);
    if (!(format & DT_NOCLIP))
        painter.setClipRect(QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)));
    painter.setFont(font_);
    painter.setPen(QColor(platform::toQRgb(foreground_)));
    const int direction = (format & DT_RTLREADING) ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    const LinePosition accessKey = positionInLines(lines, text, underlined);
    int top = textTop(rect, textHeight, format);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int lineWidth = metrics.horizontalAdvance(line);
        const int left = lineLeft(rect, lineWidth, format);
        painter.drawText(QRect(left, top, lineWidth, lineHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip | direction, line);
        if (i == accessKey.line) {
            const int x = left + metrics.horizontalAdvance(line.left(accessKey.column));
            const int y = top + metrics.ascent() + std::max(1, metrics.underlinePos());
            painter.drawLine(x, y, x + metrics.horizontalAdvance(line.mid(accessKey.column, 1)) - 1, y);
        }
        top += lineHeight;
    }
    return textHeight;
}

} // namespace cvbutton::host
