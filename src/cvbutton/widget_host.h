// A cvButton in a window of the program, hosted by a widget.
#pragma once

#include "cvbutton/about_panel_window.h"
#include "cvbutton/cvbutton.h"
#include "cvbutton/host.h"
#include "cvbutton/host/message_hook_qt.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

namespace cvbutton {

// A cvButton in a window of the program: the widget owns the control and its surface, shows the
// surface, and passes the window's events on to the control. Its own tooltip is the extender's
// ToolTipText. Tab reaches the control as a key before the focus moves on, and an "&" in the
// caption makes Alt with that letter the control's access key.
class WidgetHost final : public QWidget, public Host {
    Q_OBJECT

public:
    // name is the instance's name on its form, as a new control takes it for its caption.
    explicit WidgetHost(const QString& name, QWidget* parent = nullptr);
    ~WidgetHost() override;

    cvButton& button() { return *button_; }
    AboutPanelWindow& aboutPanel() { return *aboutPanel_; }

    bool UserMode() const override { return userMode_; }
    bool DisplayAsDefault() const override { return displayAsDefault_; }
    void setUserMode(bool userMode);
    void setDisplayAsDefault(bool displayAsDefault);

    QString extenderName() const override { return objectName(); }
    QString extenderToolTipText() const override { return toolTip(); }
    void setExtenderToolTipText(const QString& text) override { setToolTip(text); }

    void propertyChanged(const QString& name) override;

    // Drawing on the surface shows at the next paint of the window.
    host::Surface& surface() override;
    double scaleWidth() const override { return width(); }
    double scaleHeight() const override { return height(); }
    int widthTwips() const override { return width() * kTwipsPerPixel; }
    int heightTwips() const override { return height() * kTwipsPerPixel; }
    void setSizeTwips(int width, int height) override;

    bool enabled() const override { return isEnabled(); }
    void setEnabled(bool enabled) override { QWidget::setEnabled(enabled); }
    std::int16_t mousePointer() const override { return mousePointer_; }
    void setMousePointer(std::int16_t pointer) override;

    void setWindowRegion(const host::Region& region) override { region.applyTo(*this); }
    void processPendingEvents() override;
    void sendKeys(const QString& keys) override;

    host::Window window() override { return this; }
    host::MessageHook& messageHook() override { return hook_; }
    std::unique_ptr<host::ToolTipWindow> createToolTipWindow(unsigned style) override;

signals:
    void propertyNotified(const QString& name);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void updateAccessKey();
    void rememberPointer(const QEvent& event);

    host::Surface surface_;
    host::QtMessageHook hook_;
    std::unique_ptr<AboutPanelWindow> aboutPanel_;
    std::unique_ptr<cvButton> button_;
    bool userMode_ = true;
    bool displayAsDefault_ = false;
    std::int16_t mousePointer_ = 0;
    bool releaseEndsDoubleClick_ = false;
    int accessKeyShortcut_ = 0;
    std::optional<QPoint> pointer_; // while the pointer is over the control
};

} // namespace cvbutton
