// Building a renamed file's path, and refusing names that would move or hide the file.
#include "dialogs/rename_names.h"

#include "platform/paths.h"

#include <QFile>

#include <array>
#include <utility>

namespace dialogs {
namespace {

constexpr std::array<std::pair<const char*, const char*>, 6> kUpperCased = {{
    {"jpg", "JPG"},
    {"png", "PNG"},
    {"bmp", "BMP"},
    {"gif", "GIF"},
    {"tif", "TIF"},
    {"tiff", "TIFF"},
}};

// The longest file name the local file systems store, in bytes of its encoded form.
constexpr qsizetype kNameLimitBytes = 255;

QString fullName(const QString& typedName, const QString& extension)
{
    return extension.isEmpty() ? typedName : typedName + u'.' + extension;
}

} // namespace

QString FileExtensionOf(const QString& path)
{
    const QString found = platform::paths::extensionOf(path);
    for (const auto& [lower, upper] : kUpperCased) {
        if (found == QLatin1String(lower))
            return QString::fromLatin1(upper);
    }
    return found;
}

QString RenamedPath(const QString& folder, const QString& typedName, const QString& extension)
{
    return folder + fullName(typedName, extension);
}

QString refusalOf(const QString& typedName, const QString& extension)
{
    if (typedName.isEmpty())
        return QStringLiteral("Type a new name for the file.");
    if (typedName.contains(platform::paths::kSeparator)) {
        return QStringLiteral("A name cannot contain \"%1\": the file stays in its folder. Type the name "
                              "without a folder.")
            .arg(platform::paths::kSeparator);
    }
    if (typedName.startsWith(u'.')) {
        return QStringLiteral("A name that starts with a dot would hide the file from the folder's list. "
                              "Type a name that starts with another character.");
    }
    if (QFile::encodeName(fullName(typedName, extension)).size() > kNameLimitBytes)
        return QStringLiteral("The name is too long. Type a shorter name.");
    return {};
}

} // namespace dialogs
