// A window's shape as a set of pixels, built by the pixel rules the button's shapes were designed for.
#pragma once

#include <QPoint>
#include <QRegion>

#include <utility>
#include <vector>

class QWidget;

namespace cvbutton::host {

// A set of pixels given to a window as its shape, built with the pixel rules the control's shapes
// were designed for: a pixel belongs to a region when the point at its top-left corner lies inside
// the outline, with points on a left or top boundary inside and points on a right or bottom
// boundary outside.
class Region {
public:
    // No pixel at all.
    Region() = default;

    // Columns left to right - 1, rows top to bottom - 1.
    static Region rectangle(int left, int top, int right, int bottom);
    // A rectangle whose corners are quarter ellipses of ellipseWidth x ellipseHeight. Like the
    // region calls it copies, it stops one pixel short of right and bottom, which is why callers
    // pass the size plus one.
    static Region roundRectangle(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    // The inside of a closed outline under the alternate (even-odd) rule.
    static Region polygon(const std::vector<QPoint>& points);

    // The pixels of both.
    Region united(const Region& other) const { return Region(region_.united(other.region_)); }

    bool contains(int x, int y) const { return region_.contains(QPoint(x, y)); }
    bool isEmpty() const { return region_.isEmpty(); }
    const QRegion& toQRegion() const { return region_; }

    // Makes the region the window's shape: only its pixels show and take the mouse. An empty region
    // leaves the window its full rectangle, as a failed region does on the original platform.
    void applyTo(QWidget& window) const;
    // Gives the window back its full rectangle.
    static void removeFrom(QWidget& window);

private:
    explicit Region(QRegion region) : region_(std::move(region)) {}

    QRegion region_;
};

} // namespace cvbutton::host
