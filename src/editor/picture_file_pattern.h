#pragma once

#include <QString>

namespace editor {

// The file-name patterns of the folder list and of the Open dialog's filter.
inline constexpr char16_t PictureFilePattern[] = u"*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.gif;*.bmp;*.tif;*.tiff";

// True when the name matches one of the patterns, letter case ignored.
bool matchesPictureFilePattern(const QString& fileName);

} // namespace editor
