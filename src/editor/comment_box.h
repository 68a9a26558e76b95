// CommentBox: the comment box, which takes at most 20000 typed characters and never a NUL.
#pragma once

#include <QPlainTextEdit>

namespace editor {

// What of `text` the user may add where `room` characters are left: line ends as the box keeps them,
// no NUL (the file would keep only the part before it), cut short at a whole character.
QString insertableText(QString text, int room);

// The multi-line comment box. The user can type or paste at most `maxLength` characters, never a NUL;
// text the program puts in is taken whole. Read-only, it has the window's background instead of a
// text box's, so it does not invite typing that it ignores.
class CommentBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 20000;

    explicit CommentBox(QWidget* parent = nullptr);

    int maxLength() const { return kMaxLength; }
    int length() const;

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Characters the user may still add when the current selection is replaced.
    int room() const;
};

} // namespace editor
