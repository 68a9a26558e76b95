#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace editor {

// The small picture each command button shows above its caption, by the button's name
// ("Command1" ... "Command10"); drawn here rather than shipped as artwork.
QIcon buttonPicture(const QString& commandName);

// The program's own icon: a picture frame with a speech balloon, at any size.
QImage applicationIconImage(int size);
QIcon applicationIcon();

} // namespace editor
