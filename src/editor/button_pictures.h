// The small pictures of the command buttons, drawn in code.
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QString>

namespace editor {

// The small picture each command button shows above its caption, by the button's name
// ("Command1" ... "Command10"), for a button of that face colour; drawn here rather than shipped as
// artwork.
QIcon buttonPicture(const QString& commandName, const QColor& face);

// The program's own icon: a picture frame with a speech balloon, at any size.
QImage applicationIconImage(int size);
QIcon applicationIcon();

} // namespace editor
