// The real dialogs service over Qt's message boxes and file dialogs.
#pragma once

#include "platform/dialogs.h"

namespace platform {

// The real dialogs: message boxes, the file and folder choosers, and a font chooser with effects.
class QtDialogs final : public Dialogs {
public:
    MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    QString openFile(const QString& initialFolder, const QString& filterName, const QString& patterns) override;
    std::optional<FontChoice> chooseFont(const FontChoice& start) override;
    QString browseForFolder(const QString& instruction, const QString& root) override;
};

} // namespace platform
