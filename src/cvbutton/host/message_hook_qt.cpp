// The hook over Qt's event filter: how widget events become numbered messages, the callbacks run around
// the widget's own handling, and leave notifications posted on request.
#include "cvbutton/host/message_hook_qt.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include <array>
#include <utility>

namespace cvbutton::host {
namespace {

// The leave posted when tracking is asked for while the pointer is already out.
const QEvent::Type kPendingLeave = static_cast<QEvent::Type>(QEvent::registerEventType());

struct ExportedFunction {
    const char* function;
    const char* module;
};

// Both ways of asking for a leave notification are served by this hook.
constexpr std::array<ExportedFunction, 2> kExportedFunctions = {{
    {"TrackMouseEvent", "User32"},
    {"_TrackMouseEvent", "Comctl32"},
}};

bool isEnabledWidget(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget == nullptr || widget->isEnabled();
}

bool isOverWidget(const QObject* object, const QPointF& position)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget == nullptr || widget->rect().contains(position.toPoint());
}

bool isPointerEvent(QEvent::Type type)
{
    return type == QEvent::Enter || type == QEvent::Leave || type == QEvent::MouseMove || type == kPendingLeave;
}

} // namespace

QtMessageHook::QtMessageHook() : table_(std::make_unique<SubclassTable>()) {}

QtMessageHook::~QtMessageHook()
{
    SubclassDetachAll();
}

int QtMessageHook::SubclassAttach(Window window, SubclassProc callback)
{
    if (!table_->isAttached(window)) {
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, this, [this, window] { SubclassDetach(window); });
        if (auto* widget = qobject_cast<QWidget*>(window))
            widget->setMouseTracking(true);
    }
    pointers_.insert(window, {});
    return table_->attach(window, std::move(callback));
}

void QtMessageHook::SubclassAddMessage(Window window, int uMsg, int when)
{
    table_->addMessage(window, uMsg, when);
}

void QtMessageHook::SubclassDetach(Window window)
{
    if (!table_->isAttached(window))
        return;
    window->removeEventFilter(this);
    disconnect(window, &QObject::destroyed, this, nullptr);
    pointers_.remove(window);
    table_->detach(window);
}

void QtMessageHook::SubclassDetachAll()
{
    for (Window window : table_->windows())
        SubclassDetach(window);
}

// Module names are matched without regard to case, function names exactly, as a loader does.
bool QtMessageHook::IsFunctionExported(const QString& function, const QString& module) const
{
    for (const ExportedFunction& exported : kExportedFunctions)
        if (function == QLatin1String(exported.function) &&
            module.compare(QLatin1String(exported.module), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool QtMessageHook::TrackMouseEvent(const TrackMouseEventRequest& request)
{
    return (request.dwFlags & TME_LEAVE) && requestLeave(request.hwndTrack);
}

bool QtMessageHook::_TrackMouseEvent(const TrackMouseEventRequest& request)
{
    return TrackMouseEvent(request);
}

bool QtMessageHook::requestLeave(Window window)
{
    const auto it = pointers_.find(window);
    if (it == pointers_.end())
        return false;
    it->leaveRequested = true;
    if (!it->inside)
        QCoreApplication::postEvent(window, new QEvent(kPendingLeave));
    return true;
}

// A leave is reported once per request. A move outside the widget happens only while a button
// holds the pointer; it means the pointer has left, as far as hovering goes.
int QtMessageHook::pointerMessage(QObject* watched, const QEvent& event, Pointer& pointer) const
{
    const int unnumbered = WM_APP + event.type();
    bool over = event.type() == QEvent::Enter;
    if (event.type() == QEvent::MouseMove)
        over = isOverWidget(watched, static_cast<const QMouseEvent&>(event).position());
    if (event.type() == kPendingLeave)
        over = pointer.inside;
    pointer.inside = over;
    if (over)
        return isEnabledWidget(watched) ? WM_MOUSEMOVE : unnumbered;
    if (!std::exchange(pointer.leaveRequested, false))
        return unnumbered;
    return WM_MOUSELEAVE;
}

int QtMessageHook::messageNumber(QObject* watched, const QEvent& event)
{
    if (isPointerEvent(event.type())) {
        const auto it = pointers_.find(watched);
        return it == pointers_.end() ? WM_APP + event.type() : pointerMessage(watched, event, *it);
    }
    switch (event.type()) {
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
        return WM_SYSCOLORCHANGE;
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
        return WM_THEMECHANGED;
    default:
        return WM_APP + event.type();
    }
}

// The widget's own handler is the previous procedure; the filter then tells Qt the event was
// delivered. The widget may be gone after a callback, so it is reached through a guard.
bool QtMessageHook::eventFilter(QObject* watched, QEvent* event)
{
    const int uMsg = messageNumber(watched, *event);
    if (!table_->wants(watched, uMsg))
        return false;
    const QPointer<QObject> guard(watched);
    const auto previousProcedure = [&guard, event]() -> std::intptr_t {
        return guard != nullptr && guard->event(event) ? 1 : 0;
    };
    SubclassTable::dispatch(*table_, watched, uMsg, 0, 0, previousProcedure);
    return true;
}

} // namespace cvbutton::host
