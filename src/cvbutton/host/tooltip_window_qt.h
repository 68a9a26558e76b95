// The real tooltip window, our own Qt popup watching the widgets of its tools.
#pragma once

#include "cvbutton/host/tooltip_window.h"

#include <QColor>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

namespace cvbutton::host {

class ToolTipPopup;

// The tooltip window as our own Qt popup. It watches the tool's widget: the tip shows once the
// pointer has rested over the tool for a moment, and goes when the pointer leaves, a button is
// pressed or it has been shown for a while.
class QtToolTipWindow final : public QObject, public ToolTipWindow {
public:
    // `pointerOverTool`: where the pointer is over the tool's widget as the tool is added, when the
    // caller knows it from the widget's own events.
    explicit QtToolTipWindow(unsigned style, std::optional<QPoint> pointerOverTool = std::nullopt);
    ~QtToolTipWindow() override;

    bool addTool(const ToolInfo& tool) override;
    bool deleteTool(const ToolInfo& tool) override;
    bool setTitle(int icon, const QString& title) override;
    void setTipTextColor(Colorref color) override;
    void setTipBkColor(Colorref color) override;

    // The popup, for looking at it; null until the first tool is added.
    ToolTipPopup* popup() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTip();
    void hideTip();
    bool overTool(const QPoint& position) const;
    QPoint anchor() const;

    std::unique_ptr<ToolTipPopup> popup_;
    QPointer<QWidget> toolWidget_;
    ToolInfo tool_;
    std::optional<QPoint> pointer_; // over the tool's widget, as its last pointer event told
    QTimer restTimer_;
    QTimer shownTimer_;
};

} // namespace cvbutton::host
