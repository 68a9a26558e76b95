// The window of the button gallery.
#pragma once

#include "cvbutton/widget_host.h"

#include <QLabel>
#include <QWidget>

#include <functional>
#include <vector>

namespace gallery {

// The window "cvButton gallery": a row of live buttons per style, an event line showing what
// the buttons raise, and a button that opens a control's About panel.
class GalleryWindow final : public QWidget {
public:
    // eventSink, when set, also receives each event as "Click NAME", "MouseEnter NAME" or
    // "MouseLeave NAME".
    explicit GalleryWindow(std::function<void(const QString&)> eventSink = {});

    const std::vector<cvbutton::WidgetHost*>& controls() const { return controls_; }

private:
    cvbutton::WidgetHost* addControl(const QString& name, const cvbutton::PropertyBag& properties);
    void report(const QString& event, const QString& name);

    std::vector<cvbutton::WidgetHost*> controls_;
    QLabel* eventLine_ = nullptr;
    std::function<void(const QString&)> eventSink_;
};

} // namespace gallery
