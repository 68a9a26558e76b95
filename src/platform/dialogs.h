// The dialogs service the windows ask questions through: message boxes, the file and folder choosers and
// the font chooser, with the answers they give back.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

namespace platform {

enum class MessageIcon { None, Information, Question, Warning, Error };
// YesNoDefaultNo is for a question whose Yes loses or overwrites something: Return answers No.
enum class MessageButtons { Ok, YesNo, YesNoCancel, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// What the font chooser hands back: the face with its effects, and the text colour.
struct FontChoice {
    QFont font;
    QColor color;
};

// The modal dialogs the program asks the user through. The editor sees only this interface, so its
// tests answer every question from a script instead of a person.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                                     MessageButtons buttons = MessageButtons::Ok) = 0;

    // The chosen path, or an empty string when the user cancelled. The file need not exist.
    virtual QString openFile(const QString& initialFolder, const QString& filterName, const QString& patterns) = 0;

    // Name, size, bold, italic, underline, strikeout and colour; nothing when cancelled. The chooser
    // opens on `start`, and OK without a change hands `start` back as it was.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& start) = 0;

    // A real folder under `root`, or an empty string when cancelled.
    virtual QString browseForFolder(const QString& instruction, const QString& root) = 0;
};

} // namespace platform
