// The picture a button shows beside its caption, and how a property set stores it.
#pragma once

#include "cvbutton/render/picture_view.h"

#include <QImage>
#include <QString>

namespace cvbutton {

// The picture a button shows beside its caption: a bitmap, an icon (whose transparent parts stay
// transparent), or nothing at all, which stands for a picture with handle 0 and draws nothing.
class IconPicture {
public:
    enum Type { TypeNone = 0, TypeBitmap = 1, TypeIcon = 3 };

    IconPicture() = default;
    IconPicture(QImage image, Type type, QString source = {});

    // Loads a picture file or Qt resource; nothing when it cannot be read.
    static IconPicture load(const QString& path, Type type);

    bool hasHandle() const { return !image_.isNull(); }
    Type type() const { return hasHandle() ? type_ : TypeNone; }
    const QImage& image() const { return image_; }
    // The picture as icon painting reads it.
    render::PictureView view() const { return {image_, type() == TypeBitmap}; }

    // The text a property set keeps for the picture: "" for none, else "icon:" or "bitmap:"
    // followed by the path it was loaded from or by "data:" and its PNG bytes in base 64.
    QString toStoredText() const;
    // The picture a stored text names; nothing for "" and for anything unreadable.
    static IconPicture fromStoredText(const QString& text);

    bool operator==(const IconPicture& other) const;

private:
    QImage image_;
    Type type_ = TypeNone;
    QString source_;
};

} // namespace cvbutton
