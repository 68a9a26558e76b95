// Working out where a fitted picture lies in its box, and its size there.
#include "picture/fit_geometry.h"

#include <cmath>

namespace picture {

double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

QRect fittedRect(QSize imageSize, QSize boxSize, bool keepAspect)
{
    if (!keepAspect)
        return QRect(QPoint(0, 0), boxSize);

    const double imageRatio = double(imageSize.width()) / double(imageSize.height());
    const double boxRatio = double(boxSize.width()) / double(boxSize.height());
    int drawWidth = boxSize.width();
    int drawHeight = boxSize.height();
    // Equal ratios take the second branch on purpose: the picture then fills the box exactly.
    if (boxRatio < imageRatio)
        drawHeight = int(roundHalfEven(boxSize.width() / imageRatio));
    else
        drawWidth = int(roundHalfEven(boxSize.height() * imageRatio));

    const int left = int(roundHalfEven((double(boxSize.width()) - drawWidth) / 2.0));
    const int top = int(roundHalfEven((double(boxSize.height()) - drawHeight) / 2.0));
    return QRect(left, top, drawWidth, drawHeight);
}

} // namespace picture
