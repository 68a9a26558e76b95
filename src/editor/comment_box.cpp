// The comment box's limits on typing, pasting and input methods.
#include "editor/comment_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace editor {

QString insertableText(QString text, int room)
{
    text.remove(QChar(u'\0'));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.size() <= room)
        return text;
    qsizetype cut = qMax(0, room);
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut; // never half of a character outside the basic plane
    return text.left(cut);
}

CommentBox::CommentBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

int CommentBox::length() const
{
    return document()->characterCount() - 1; // the document always ends in one paragraph mark
}

int CommentBox::room() const
{
    const QTextCursor cursor = textCursor();
    return kMaxLength - length() + (cursor.selectionEnd() - cursor.selectionStart());
}

void CommentBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ReadOnlyChange)
        viewport()->setBackgroundRole(isReadOnly() ? QPalette::Window : QPalette::Base);
    QPlainTextEdit::changeEvent(event);
}

void CommentBox::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool addsText = !text.isEmpty() && QChar::isPrint(text.toUcs4().value(0));
    const bool addsLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const qsizetype adds = addsText ? text.size() : 1; // a character outside the basic plane is two
    if ((addsText || addsLine) && !isReadOnly() && room() < adds) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CommentBox::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText() || isReadOnly()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QString text = insertableText(source->text(), room());
    textCursor().insertText(text);
    ensureCursorVisible();
}

void CommentBox::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = insertableText(event->commitString(), room());
    if (commit != event->commitString()) {
        QInputMethodEvent trimmed(event->preeditString(), event->attributes());
        trimmed.setCommitString(commit, event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&trimmed);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

} // namespace editor
