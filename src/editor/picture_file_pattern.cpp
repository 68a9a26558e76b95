#include "editor/picture_file_pattern.h"

#include <QStringView>
#include <array>

namespace editor {

namespace {

// Every pattern of PictureFilePattern is "*." followed by an extension, so matching one is a
// case-blind look at what follows the last dot.
constexpr std::array<QStringView, 9> kExtensions = {u"jpg", u"jpeg", u"jpe", u"jfif", u"png",
                                                   u"gif", u"bmp",  u"tif", u"tiff"};

} // namespace

bool matchesPictureFilePattern(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return false;
    const QStringView extension = QStringView(fileName).mid(dot + 1);
    for (QStringView known : kExtensions) {
        if (extension.compare(known, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace editor
