// Matching a file name against PictureFilePattern.
#include "session/picture_file_pattern.h"

#include <QStringView>
#include <array>

namespace session {

namespace {

// Every pattern of PictureFilePattern is "*." followed by an extension, so matching one is a
// case-blind look at what follows the last dot.
constexpr std::array<QStringView, 39> kExtensions = {
    u"jpg",  u"jpeg", u"jpe", u"jfif", u"png", u"gif", u"bmp", u"tif", u"tiff", u"webp", u"heic", u"heif", u"hif",
    u"avif", u"jxl",  u"nef", u"nrw",  u"cr2", u"cr3", u"crw", u"arw", u"srf",  u"sr2",  u"raf",  u"orf",  u"rw2",
    u"rwl",  u"pef",  u"srw", u"dng",  u"3fr", u"iiq", u"erf", u"mrw", u"x3f",  u"dcr",  u"kdc",  u"mos",  u"mef"};

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

} // namespace session
