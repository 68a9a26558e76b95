// Building window shapes pixel by pixel: rectangles, rounded rectangles and polygons, united and
// handed to a widget as its mask.
#include "cvbutton/host/region.h"

#include <QRect>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace cvbutton::host {
namespace {

std::int64_t ceilDiv(std::int64_t numerator, std::int64_t denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const std::int64_t quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator > 0) ? quotient + 1 : quotient;
}

// The first whole x at or right of where the edge from p to q crosses row y.
std::int64_t firstColumnAtOrRightOf(const QPoint& p, const QPoint& q, int y)
{
    return p.x() + ceilDiv(std::int64_t{y - p.y()} * (q.x() - p.x()), q.y() - p.y());
}

QRegion fromSpans(const std::vector<QRect>& spans)
{
    QRegion region;
    for (const QRect& span : spans)
        region += span;
    return region;
}

} // namespace

Region Region::rectangle(int left, int top, int right, int bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (left == right || top == bottom)
        return {};
    return Region(QRegion(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1))));
}

Region Region::roundRectangle(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    --right;
    --bottom;
    ellipseWidth = std::min(std::abs(ellipseWidth), right - left);
    ellipseHeight = std::min(std::abs(ellipseHeight), bottom - top);
    if (ellipseWidth < 2 || ellipseHeight < 2)
        return rectangle(left, top, right, bottom);
    const double radiusX = ellipseWidth / 2.0;
    const double radiusY = ellipseHeight / 2.0;
    std::vector<QRect> spans;
    for (int y = top; y < bottom; ++y) {
        const double centreY = y + 0.5;
        const double intoCorner = std::max({top + radiusY - centreY, centreY - (bottom - radiusY), 0.0});
        const double ratio = intoCorner / radiusY;
        const double inset = radiusX - radiusX * std::sqrt(std::max(0.0, 1.0 - ratio * ratio));
        const int first = static_cast<int>(std::ceil(left + inset - 0.5));
        const int last = static_cast<int>(std::floor(right - inset - 0.5));
        if (last >= first)
            spans.emplace_back(QPoint(first, y), QPoint(last, y));
    }
    return Region(fromSpans(spans));
}

Region Region::polygon(const std::vector<QPoint>& points)
{
    if (points.size() < 3)
        return {};
    const auto [lowest, highest] =
        std::minmax_element(points.begin(), points.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    std::vector<QRect> spans;
    std::vector<std::int64_t> crossings;
    for (int y = lowest->y(); y < highest->y(); ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPoint& p = points[i];
            const QPoint& q = points[(i + 1) % points.size()];
            if (std::min(p.y(), q.y()) <= y && y < std::max(p.y(), q.y()))
                crossings.push_back(firstColumnAtOrRightOf(p, q, y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            if (crossings[i + 1] > crossings[i])
                spans.emplace_back(QPoint(static_cast<int>(crossings[i]), y),
                                   QPoint(static_cast<int>(crossings[i + 1] - 1), y));
        }
    }
    return Region(fromSpans(spans));
}

void Region::applyTo(QWidget& window) const
{
    window.setMask(region_);
}

void Region::removeFrom(QWidget& window)
{
    window.clearMask();
}

} // namespace cvbutton::host
