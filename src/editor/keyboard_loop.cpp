// Captioning from the keyboard: keys for the commands, Save and Next, and the comment box ready for
// typing after every step.
#include "editor/main_window.h"

#include "editor/command_keys.h"
#include "editor/comment_box.h"
#include "editor/picture_button.h"

#include <QShortcut>
#include <functional>

namespace editor {

namespace {

void addShortcuts(QWidget* window, const QList<QKeySequence>& keys, const std::function<void()>& action)
{
    for (const QKeySequence& key : keys) {
        if (key.isEmpty())
            continue; // a desktop without a binding for this command
        auto* shortcut = new QShortcut(key, window);
        QObject::connect(shortcut, &QShortcut::activated, window, action);
    }
}

} // namespace

void Corvane::bindCommandKeys()
{
    for (PictureButton* button : command_) {
        if (!button)
            continue;
        const QList<QKeySequence> keys = commandKeys(button->objectName());
        if (keys.isEmpty())
            continue;
        addShortcuts(this, keys, [button] { button->click(); });
        button->setToolTip(keyTip(button->text(), keys));
    }
    addShortcuts(this, saveAndNextKeys(), [this] { runCommand([this] { saveAndNext(); }); });
    command_[5]->setToolTip(command_[5]->toolTip() + u'\n' + keyTip(tr("Save and Next File"), saveAndNextKeys()));
}

void Corvane::saveAndNext()
{
    if (hasUnsavedTyping() && !checkfilevalid()) {
        text2_->setFocus(Qt::ShortcutFocusReason); // the failure has said why; the typing waits here
        return;
    }
    Command2_Click();
}

void Corvane::readyForTyping()
{
    text2_->setFocus(Qt::OtherFocusReason);
    text2_->moveCursor(QTextCursor::End);
}

} // namespace editor
