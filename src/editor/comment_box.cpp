#include "editor/comment_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace editor {

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

void CommentBox::keyPressEvent(QKeyEvent* event)
{
    const bool addsText = !event->text().isEmpty() && event->text().at(0).isPrint();
    const bool addsLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if ((addsText || addsLine) && !isReadOnly() && room() < 1) {
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
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const int fits = qMax(0, room());
    if (text.size() > fits)
        text.truncate(fits);
    textCursor().insertText(text);
    ensureCursorVisible();
}

void CommentBox::inputMethodEvent(QInputMethodEvent* event)
{
    const int fits = qMax(0, room());
    if (event->commitString().size() > fits) {
        QInputMethodEvent trimmed(event->preeditString(), event->attributes());
        trimmed.setCommitString(event->commitString().left(fits), event->replacementStart(),
                                event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&trimmed);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

} // namespace editor
