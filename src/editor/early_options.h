// --help and --version, answered before the toolkit starts.
#pragma once

#include <QString>
#include <QStringList>

namespace editor {

// What the command line asks that is answered before the toolkit starts, so it works without a display.
enum class EarlyAnswer { None, Help, Version };

// The first of --help (-h) and --version among the options, that is before any "--"; `arguments`
// excludes the program's name.
EarlyAnswer earlyAnswer(const QStringList& arguments);

// The text of --help, ending in a line break.
QString usageText();
// The one line that names the usage, for a mistake on the command line.
QString usageLine();

} // namespace editor
