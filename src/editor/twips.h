#pragma once

#include <cmath>

class QWidget;

namespace editor {

inline constexpr int kTwipsPerPixel = 15;

// Twips to screen pixels, rounded to the nearest pixel with halves going to the even neighbour.
inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(twips) / kTwipsPerPixel));
}

// Places a control by its left, top, width and height in twips.
void placeInTwips(QWidget* widget, int left, int top, int width, int height);

} // namespace editor
