// The command keys in the desktop's conventions, and the tooltip text that names them.
#include "editor/command_keys.h"

#include <QHash>
#include <QStringList>

namespace editor {

namespace {

const QHash<QString, QList<QKeySequence>>& keysByCommand()
{
    // Open, Save, Forward and Back as the desktop binds them; Close by the keys every desktop shares,
    // since some bind their standard Close to Ctrl+F4 first and have no Quit at all. Delete takes a
    // key no text box uses: the focus is nearly always in one, where Shift+Delete cuts and
    // Ctrl+Delete deletes a word.
    static const QHash<QString, QList<QKeySequence>> keys = {
        {QStringLiteral("Command1"), {QKeySequence(QKeySequence::Open)}},
        {QStringLiteral("Command2"), {QKeySequence(QKeySequence::Forward), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}},
        {QStringLiteral("Command3"), {QKeySequence(QKeySequence::Back), QKeySequence(Qt::CTRL | Qt::Key_PageUp)}},
        {QStringLiteral("Command5"), {QKeySequence(QKeySequence::Save)}},
        {QStringLiteral("Command7"), {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_Q)}},
        {QStringLiteral("Command8"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)}},
        {QStringLiteral("Command9"), {QKeySequence(Qt::Key_F2)}},
    };
    return keys;
}

} // namespace

QList<QKeySequence> commandKeys(const QString& command)
{
    return keysByCommand().value(command);
}

QList<QKeySequence> saveAndNextKeys()
{
    // Return is the main keyboard's key, Enter the keypad's.
    return {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)};
}

QList<QKeySequence> largeViewKeys()
{
    return {QKeySequence(Qt::Key_F11)};
}

QString keyTip(const QString& caption, const QList<QKeySequence>& keys)
{
    QStringList names;
    for (const QKeySequence& key : keys) {
        const QString name = key.toString(QKeySequence::NativeText);
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    return names.isEmpty() ? caption : caption + QStringLiteral(" (") + names.join(QStringLiteral(", ")) + u')';
}

} // namespace editor
