// PictureButton: a command button with its picture above its caption.
#pragma once

#include <QPushButton>

namespace editor {

// A push button that shows its picture above its caption and wraps a caption too long for one line,
// as the window's command buttons do.
class PictureButton final : public QPushButton {
    Q_OBJECT
public:
    PictureButton(const QString& caption, const QIcon& picture, QWidget* parent = nullptr);

    static constexpr int kPictureSize = 20;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace editor
