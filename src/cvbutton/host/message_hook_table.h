// The table a message hook keeps of its windows, their callbacks and the messages each callback runs for.
#pragma once

#include "cvbutton/host/message_hook.h"

#include <memory>
#include <vector>

namespace cvbutton::host {

// The entries of one hook: per window its callback and the message lists it runs for, and the
// order in which a message passes them. Both the window-system hook and the test hook run their
// messages through it.
class SubclassTable {
public:
    ~SubclassTable();

    int attach(Window window, SubclassProc callback);
    // False when the window has no entry.
    bool addMessage(Window window, int uMsg, int when);
    void detach(Window window);
    // The attached windows, highest entry first.
    std::vector<Window> windows() const;
    bool isAttached(Window window) const;
    // Whether a message would reach a callback of the window.
    bool wants(Window window, int uMsg) const;

    // Runs one message: before-callbacks, the window's own procedure unless a before-callback
    // handled it, after-callbacks. Returns lReturn. A callback may detach the window or destroy
    // the table: the rest of the message then calls nobody and touches nothing of the table.
    static std::intptr_t dispatch(const SubclassTable& table, Window window, int uMsg, std::intptr_t wParam,
                                  std::intptr_t lParam, const std::function<std::intptr_t()>& previousProcedure);

private:
    struct MessageList {
        int count = 0;
        std::vector<int> messages;
        bool matches(int uMsg) const;
        void add(int uMsg);
    };
    struct Entry {
        Window window = nullptr;
        std::shared_ptr<const SubclassProc> callback;
        MessageList after;
        MessageList before;
    };

    std::shared_ptr<Entry> find(Window window) const;
    std::shared_ptr<Entry> freeEntry();
    static void call(const Entry& entry, bool before, bool& handled, std::intptr_t& result, Window window, int uMsg,
                     std::intptr_t wParam, std::intptr_t lParam);

    std::vector<std::shared_ptr<Entry>> entries_;
};

} // namespace cvbutton::host
