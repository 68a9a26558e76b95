// A host without a window, for tests and for rendering faces to files.
#pragma once

#include "cvbutton/host.h"
#include "cvbutton/host/message_hook_qt.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace cvbutton {

// A host without a window, for tests and for rendering faces to files: it keeps what the control
// sets and records the notifications and keystrokes the control sends.
class PlainHost final : public Host {
public:
    PlainHost(int widthPixels, int heightPixels, QString name = QStringLiteral("cvButton1"));

    bool UserMode() const override { return userMode_; }
    bool DisplayAsDefault() const override { return displayAsDefault_; }
    void setUserMode(bool userMode) { userMode_ = userMode; }
    void setDisplayAsDefault(bool displayAsDefault) { displayAsDefault_ = displayAsDefault; }

    QString extenderName() const override { return name_; }
    QString extenderToolTipText() const override { return extenderToolTipText_; }
    void setExtenderToolTipText(const QString& text) override { extenderToolTipText_ = text; }

    void propertyChanged(const QString& name) override { notifications_ << name; }
    const QStringList& notifications() const { return notifications_; }
    void forgetNotifications() { notifications_.clear(); }

    host::Surface& surface() override { return surface_; }
    double scaleWidth() const override { return surface_.width(); }
    double scaleHeight() const override { return surface_.height(); }
    int widthTwips() const override { return surface_.width() * kTwipsPerPixel; }
    int heightTwips() const override { return surface_.height() * kTwipsPerPixel; }
    void setSizeTwips(int width, int height) override;
    // How often the control asked for a size: once per layout.
    int sizeRequests() const { return sizeRequests_; }

    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    std::int16_t mousePointer() const override { return mousePointer_; }
    void setMousePointer(std::int16_t pointer) override { mousePointer_ = pointer; }

    void setWindowRegion(const host::Region& region) override { windowRegion_ = region; }
    const host::Region& windowRegion() const { return windowRegion_; }

    void processPendingEvents() override {}
    void sendKeys(const QString& keys) override { sentKeys_ << keys; }
    const QStringList& sentKeys() const { return sentKeys_; }

    // A window object that never receives window-system messages; tests put in a hook and a
    // tooltip maker of their own. Without a maker there are no tooltip windows.
    host::Window window() override { return &window_; }
    host::MessageHook& messageHook() override { return *hook_; }
    void setMessageHook(std::unique_ptr<host::MessageHook> hook) { hook_ = std::move(hook); }
    using ToolTipMaker = std::function<std::unique_ptr<host::ToolTipWindow>(unsigned style)>;
    std::unique_ptr<host::ToolTipWindow> createToolTipWindow(unsigned style) override;
    void setToolTipMaker(ToolTipMaker maker) { toolTipMaker_ = std::move(maker); }

private:
    QString name_;
    bool userMode_ = true;
    bool displayAsDefault_ = false;
    QString extenderToolTipText_;
    QStringList notifications_;
    host::Surface surface_;
    int sizeRequests_ = 0;
    bool enabled_ = true;
    std::int16_t mousePointer_ = 0;
    host::Region windowRegion_;
    QStringList sentKeys_;
    QObject window_;
    std::unique_ptr<host::MessageHook> hook_ = std::make_unique<host::QtMessageHook>();
    ToolTipMaker toolTipMaker_;
};

} // namespace cvbutton
