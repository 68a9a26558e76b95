#pragma once

#include <QWidget>

#include <cmath>

namespace editor {

inline constexpr int kTwipsPerPixel = 15;

// Twips to screen pixels, rounded to the nearest pixel with halves going to the even neighbour.
inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(twips) / kTwipsPerPixel));
}

// Places a control by its left, top, width and height in twips. Inline, so the dialogs lay out
// their forms by the same rule without linking the editor.
inline void placeInTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace editor
