// What icon painting may read of a button's picture: its pixels, and whether they are a bitmap or an icon.
#pragma once

#include <QImage>

namespace cvbutton::render {

// A bitmap is drawn from its top-left corner, unscaled and cropped; an icon is put on the mask colour at
// its own size, its transparent parts kept. A null image stands for no picture and draws nothing.
struct PictureView {
    QImage Image;
    bool IsBitmap = false;
};

} // namespace cvbutton::render
