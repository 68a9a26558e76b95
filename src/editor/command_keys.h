// The keys of the main window's commands, and the tooltips that name them.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

namespace editor {

// The keys of the window's commands, in the desktop's conventions. `command` is the button's name
// ("Command1" ... "Command10"); a command without keys has none.
QList<QKeySequence> commandKeys(const QString& command);

// Save and Next: saves the comment when it changed and goes on to the next picture. It has no button.
QList<QKeySequence> saveAndNextKeys();

// The large view: opens it from the main window, and switches it between a window and the full screen.
// A function key, since every letter, arrow and editing key belongs to the text boxes.
QList<QKeySequence> largeViewKeys();

// A tooltip that names the keys after the caption, as the desktop writes them: "Open File (Ctrl+O)".
QString keyTip(const QString& caption, const QList<QKeySequence>& keys);

} // namespace editor
