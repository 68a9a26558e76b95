// A message hook the test drives by hand.
#pragma once

#include "cvbutton/host/message_hook.h"
#include "cvbutton/host/message_hook_table.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace cvbutton::host::testing {

// A message hook whose messages the test delivers by hand. It counts the calls of the window's
// own procedure and records the leave requests; which tracking functions exist is up to the test.
class FakeMessageHook final : public MessageHook {
public:
    int SubclassAttach(Window window, SubclassProc callback) override
    {
        return table.attach(window, std::move(callback));
    }
    void SubclassAddMessage(Window window, int uMsg, int when) override { table.addMessage(window, uMsg, when); }
    void SubclassDetach(Window window) override { table.detach(window); }
    void SubclassDetachAll() override
    {
        for (Window window : table.windows())
            table.detach(window);
    }
    bool IsFunctionExported(const QString& function, const QString& module) const override
    {
        return exported.contains(module + QLatin1Char('!') + function);
    }
    bool TrackMouseEvent(const TrackMouseEventRequest& request) override
    {
        leaveRequests.push_back(request);
        requestedThrough << QStringLiteral("TrackMouseEvent");
        return true;
    }
    bool _TrackMouseEvent(const TrackMouseEventRequest& request) override
    {
        leaveRequests.push_back(request);
        requestedThrough << QStringLiteral("_TrackMouseEvent");
        return true;
    }

    std::intptr_t deliver(Window window, int uMsg)
    {
        return SubclassTable::dispatch(table, window, uMsg, 0, 0, [this] { return ++ownProcedureCalls; });
    }

    SubclassTable table;
    QStringList exported{QStringLiteral("User32!TrackMouseEvent"), QStringLiteral("Comctl32!_TrackMouseEvent")};
    std::vector<TrackMouseEventRequest> leaveRequests;
    QStringList requestedThrough;
    int ownProcedureCalls = 0;
};

} // namespace cvbutton::host::testing
