// The real message hook: an event filter on each attached widget that hands its events, numbered as
// messages, to the callbacks registered for them.
#pragma once

#include "cvbutton/host/message_hook.h"
#include "cvbutton/host/message_hook_table.h"

#include <QHash>
#include <QObject>

#include <memory>

class QEvent;

namespace cvbutton::host {

// The message hook over a Qt event filter on each attached widget. A hooked event is handed to
// the widget's own handler from inside the filter, so callbacks run before and after it. The
// pointer's entering and moving become WM_MOUSEMOVE, a tracked leave WM_MOUSELEAVE, palette and
// style changes WM_SYSCOLORCHANGE and WM_THEMECHANGED.
class QtMessageHook final : public QObject, public MessageHook {
public:
    QtMessageHook();
    ~QtMessageHook() override;

    int SubclassAttach(Window window, SubclassProc callback) override;
    void SubclassAddMessage(Window window, int uMsg, int when) override;
    void SubclassDetach(Window window) override;
    void SubclassDetachAll() override;
    bool IsFunctionExported(const QString& function, const QString& module) const override;
    bool TrackMouseEvent(const TrackMouseEventRequest& request) override;
    bool _TrackMouseEvent(const TrackMouseEventRequest& request) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the hook knows of the pointer over one window.
    struct Pointer {
        bool inside = false;
        bool leaveRequested = false;
    };

    int messageNumber(QObject* watched, const QEvent& event);
    int pointerMessage(QObject* watched, const QEvent& event, Pointer& pointer) const;
    bool requestLeave(Window window);

    std::unique_ptr<SubclassTable> table_;
    QHash<Window, Pointer> pointers_;
};

} // namespace cvbutton::host
