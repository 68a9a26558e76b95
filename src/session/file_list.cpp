// Reading a folder's pictures into the list, sorted the way Next File walks them.
#include "session/file_list.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "session/picture_file_pattern.h"

#include <algorithm>

namespace session {

namespace {

bool caseBlindLess(const QString& a, const QString& b)
{
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b; // names differing only in case keep a fixed order
}

} // namespace

void FileList::rebuild(const QString& folder)
{
    names_ = files_.visibleFileNames(folder);
    names_.removeIf([](const QString& name) { return !matchesPictureFilePattern(name); });
    std::sort(names_.begin(), names_.end(), caseBlindLess);
}

QString firstPictureOf(const platform::Files& files, const QString& folder)
{
    using platform::paths::kSeparator;
    const QString withSeparator = folder.endsWith(kSeparator) ? folder : folder + kSeparator;
    FileList pictures(files);
    pictures.rebuild(withSeparator);
    return pictures.ListCount() > 0 ? withSeparator + pictures.entry(0) : QString();
}

} // namespace session
