// Twips, the unit the forms are laid out in: one definition for the editor, the dialogs and the
// button control's host.
#pragma once

#include <QWidget>

#include <cmath>

namespace forms {

inline constexpr int kTwipsPerPixel = 15;

// Twips to screen pixels, rounded to the nearest pixel with halves going to the even neighbour.
inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(twips) / kTwipsPerPixel));
}

// Places a control by its left, top, width and height in twips.
inline void placeInTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace forms
