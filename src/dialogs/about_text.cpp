// The About window's help text and the addresses of its links.
#include "dialogs/about_text.h"

#include <QStringList>

namespace dialogs::about {

// The spaces inside the lines are part of the layout of the text and stay as they are. The comment
// box takes 20000 characters, whatever their size in bytes.
QString helpText()
{
    const QStringList lines = {
        QStringLiteral("1. Quickly add comments to "),
        QStringLiteral("     photo files using Corvane."),
        QString(),
        QStringLiteral("2. JPG, PNG, BMP, GIF and TIF  "),
        QStringLiteral("   files are supported by Corvane."),
        QString(),
        QStringLiteral("3. Read JPEG photo comments "),
        QStringLiteral("   created  by Windows."),
        QString(),
        QStringLiteral("4. Comments created by Corvane "),
        QStringLiteral("   are embedded into the photo  "),
        QStringLiteral("       file."),
        QString(),
        QStringLiteral("5. Rename,Copy and Delete file."),
        QString(),
        QStringLiteral("6. Add comments up to 20000 "),
        QStringLiteral("   characters long!"),
        QString(),
        QString(24, u'_'),
        QString(),
        QStringLiteral("If you have any feedback feel "),
        QStringLiteral("free to contact me:"),
        QString(),
        QStringLiteral("The Corvane team"),
        QStringLiteral(" "),
        QString::fromLatin1(kContactAddress),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String("\r\n");
    return text;
}

} // namespace dialogs::about
