// Turning a RAW's preview upright by its flip code.
#include "picture/raw_flip.h"

#include <QTransform>

namespace picture {

bool flipTurnsSideways(int flip)
{
    return (flip & 4) != 0;
}

// Swapping rows and columns is a top-to-bottom mirror followed by a quarter turn clockwise, so the
// mirrors fold into one call and the quarter turn takes the toolkit's fast rotation.
QImage turnedByFlip(const QImage& stored, int flip)
{
    const bool leftToRight = (flip & 1) != 0;
    const bool topToBottom = (flip & 2) != 0;
    if (!flipTurnsSideways(flip))
        return stored.mirrored(leftToRight, topToBottom);
    return stored.mirrored(leftToRight, !topToBottom).transformed(QTransform().rotate(90));
}

} // namespace picture
