// ClickableLabel: a label that acts on a click.
#pragma once

#include <QLabel>

namespace dialogs {

// A label or picture that acts on a click, showing a hand over itself.
class ClickableLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace dialogs
