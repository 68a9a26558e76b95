// A loaded picture: its kind and the pixels it owns, shared by its holders.
#pragma once

#include "picture/picture_kind.h"

#include <QImage>
#include <memory>

namespace picture {

// A loaded picture: its kind and the 32-bit pixels it owns. Holders share it; the pixels go with the
// last holder, and nobody can change them once the picture is made.
class Picture {
public:
    Picture(PictureKind kind, QImage image);

    PictureKind kind() const { return kind_; }
    const QImage& image() const { return image_; }

private:
    PictureKind kind_;
    QImage image_;
};

using PicturePtr = std::shared_ptr<const Picture>;

} // namespace picture
