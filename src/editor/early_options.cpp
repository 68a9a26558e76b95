// Answering --help and --version before the toolkit starts, and their texts.
#include "editor/early_options.h"

namespace editor {

EarlyAnswer earlyAnswer(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--"))
            break;
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h"))
            return EarlyAnswer::Help;
        if (argument == QStringLiteral("--version"))
            return EarlyAnswer::Version;
    }
    return EarlyAnswer::None;
}

QString usageLine()
{
    return QStringLiteral("usage: corvane [toolkit options] [--] [PICTURE | FOLDER]\n");
}

QString usageText()
{
    return usageLine() +
           QStringLiteral(
               "Shows a picture and edits the comment stored in the picture file.\n"
               "\n"
               "  PICTURE      the picture to open; a relative name is taken from the current folder\n"
               "  FOLDER       opens the first picture of the folder, in order of name\n"
               "  --           ends the options: the next word is a name even when it starts with a dash\n"
               "  -h, --help   prints this text and exits\n"
               "  --version    prints the program's version and exits\n"
               "\n"
               "One editor runs per user and display: a later start on the same display hands its picture\n"
               "to the window there. Without a picture, Open File (Ctrl+O) or a drop on the window opens one.\n");
}

} // namespace editor
