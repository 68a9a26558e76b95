// Filling a folder's detail columns for a file: name, size, type, dates, owner, picture dimensions and the
// system comment, each as the shell's detail view writes it.
#include "platform/detail_folder.h"

#include "platform/system_comment.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <array>

namespace platform {

namespace {

constexpr std::array<const char*, DetailFolder::kColumnCount> kTitles = {
    "Name",
    "Size",
    "Item type",
    "Date modified",
    "Date created",
    "Date accessed",
    "Attributes",
    "Offline status",
    "Availability",
    "Perceived type",
    "Owner",
    "Kind",
    "Date taken",
    "Contributing artists",
    "Album",
    "Year",
    "Genre",
    "Conductors",
    "Tags",
    "Rating",
    "Authors",
    "Title",
    "Subject",
    "Categories",
    "Comments",
    "Copyright",
    "#",
    "Length",
    "Bit rate",
    "Protected",
    "Camera model",
    "Dimensions",
    "Camera maker",
    "Company",
    "File description",
};

enum Column {
    kName = 0,
    kSize = 1,
    kItemType = 2,
    kModified = 3,
    kCreated = 4,
    kAccessed = 5,
    kAttributes = 6,
    kPerceivedType = 9,
    kOwner = 10,
    kKind = 11,
    kComments = 24,
    kDimensions = 31,
};

// Sizes as the shell's detail view writes them: whole kilobytes, rounded up.
QString shellSize(qint64 bytes)
{
    const qint64 kilobytes = (bytes + 1023) / 1024;
    return QLocale().toString(kilobytes) + QStringLiteral(" KB");
}

QString shellDate(const QDateTime& when)
{
    return when.isValid() ? QLocale().toString(when, QLocale::ShortFormat) : QString();
}

QString itemType(const QFileInfo& info)
{
    const QString suffix = info.suffix().toUpper();
    return suffix.isEmpty() ? QStringLiteral("File") : suffix + QStringLiteral(" File");
}

QString dimensions(const QString& path)
{
    const QSize size = QImageReader(path).size();
    return size.isValid() ? QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()) : QString();
}

bool isPicture(const QString& path)
{
    return !QImageReader::imageFormat(path).isEmpty();
}

} // namespace

std::unique_ptr<ShellItem> DetailFolder::ParseName(const QString& name) const
{
    const QString path = QDir(folder_).filePath(name);
    if (name.isEmpty() || !QFileInfo(path).isFile())
        return nullptr;
    return std::make_unique<ShellItem>(ShellItem{path});
}

QString DetailFolder::columnTitle(int column) const
{
    if (column < 0 || column >= kColumnCount)
        return {};
    return QString::fromLatin1(kTitles[static_cast<size_t>(column)]);
}

QString DetailFolder::GetDetailsOf(const ShellItem& item, int column) const
{
    const QFileInfo info(item.path);
    switch (column) {
    case kName:
        return info.fileName();
    case kSize:
        return shellSize(info.size());
    case kItemType:
        return itemType(info);
    case kModified:
        return shellDate(info.lastModified());
    case kCreated:
        return shellDate(info.birthTime());
    case kAccessed:
        return shellDate(info.lastRead());
    case kAttributes:
        return info.isWritable() ? QStringLiteral("A") : QStringLiteral("RA");
    case kPerceivedType:
    case kKind:
        return isPicture(item.path) ? QStringLiteral("Picture") : QString();
    case kOwner:
        return info.owner();
    case kComments:
        return readSystemComment(item.path);
    case kDimensions:
        return dimensions(item.path);
    default:
        return {};
    }
}

std::unique_ptr<ShellFolder> DetailNamespace::Namespace(const QString& folder) const
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return nullptr;
    return std::make_unique<DetailFolder>(folder);
}

} // namespace platform
