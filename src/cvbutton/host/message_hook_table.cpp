// Keeping the hook's table: attaching and detaching windows, their message lists, and the order in which a
// message passes the callbacks.
#include "cvbutton/host/message_hook_table.h"

#include <algorithm>
#include <ranges>

namespace cvbutton::host {

SubclassTable::~SubclassTable()
{
    for (Window window : windows())
        detach(window);
}

bool SubclassTable::MessageList::matches(int uMsg) const
{
    return count == kEveryMessage || std::ranges::find(messages, uMsg) != messages.end();
}

// A cleared slot is taken again before the list grows, and a message already listed stays listed
// once.
void SubclassTable::MessageList::add(int uMsg)
{
    if (uMsg == kEveryMessage) {
        count = kEveryMessage;
        return;
    }
    if (count == kEveryMessage)
        return;
    for (int& listed : messages) {
        if (listed == 0) {
            listed = uMsg;
            return;
        }
        if (listed == uMsg)
            return;
    }
    messages.push_back(uMsg);
    count = static_cast<int>(messages.size());
}

std::shared_ptr<SubclassTable::Entry> SubclassTable::find(Window window) const
{
    if (window == nullptr)
        return nullptr;
    const auto it = std::ranges::find_if(entries_, [window](const auto& entry) { return entry->window == window; });
    return it == entries_.end() ? nullptr : *it;
}

// The highest free slot is reused; the table grows only when every slot is taken.
std::shared_ptr<SubclassTable::Entry> SubclassTable::freeEntry()
{
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        if ((*it)->window == nullptr) {
            *it = std::make_shared<Entry>();
            return *it;
        }
    }
    entries_.push_back(std::make_shared<Entry>());
    return entries_.back();
}

int SubclassTable::attach(Window window, SubclassProc callback)
{
    std::shared_ptr<Entry> entry = find(window);
    if (entry == nullptr)
        entry = freeEntry();
    entry->window = window;
    entry->callback = std::make_shared<const SubclassProc>(std::move(callback));
    entry->after = {};
    entry->before = {};
    return static_cast<int>(std::ranges::find(entries_, entry) - entries_.begin());
}

bool SubclassTable::addMessage(Window window, int uMsg, int when)
{
    const std::shared_ptr<Entry> entry = find(window);
    if (entry == nullptr)
        return false;
    if (when & MSG_BEFORE)
        entry->before.add(uMsg);
    if (when & MSG_AFTER)
        entry->after.add(uMsg);
    return true;
}

// The entry object itself survives while a message still runs through it; clearing it is what
// keeps that message from calling anybody.
void SubclassTable::detach(Window window)
{
    const auto it = std::ranges::find_if(entries_, [window](const auto& entry) { return entry->window == window; });
    if (window == nullptr || it == entries_.end())
        return;
    (*it)->window = nullptr;
    (*it)->after = {};
    (*it)->before = {};
    (*it)->callback.reset();
}

std::vector<Window> SubclassTable::windows() const
{
    std::vector<Window> attached;
    for (const auto& entry : entries_ | std::views::reverse)
        if (entry->window != nullptr)
            attached.push_back(entry->window);
    return attached;
}

bool SubclassTable::isAttached(Window window) const
{
    return find(window) != nullptr;
}

bool SubclassTable::wants(Window window, int uMsg) const
{
    const std::shared_ptr<Entry> entry = find(window);
    return entry != nullptr && (entry->before.matches(uMsg) || entry->after.matches(uMsg));
}

// The callback is held for the length of its own call, so detaching from inside it frees nothing
// that is still running.
void SubclassTable::call(const Entry& entry, bool before, bool& handled, std::intptr_t& result, Window window, int uMsg,
                         std::intptr_t wParam, std::intptr_t lParam)
{
    const std::shared_ptr<const SubclassProc> callback = entry.callback;
    if (callback != nullptr && *callback)
        (*callback)(before, handled, result, window, uMsg, wParam, lParam);
}

std::intptr_t SubclassTable::dispatch(const SubclassTable& table, Window window, int uMsg, std::intptr_t wParam,
                                      std::intptr_t lParam, const std::function<std::intptr_t()>& previousProcedure)
{
    const std::shared_ptr<Entry> entry = table.find(window);
    std::intptr_t result = 0;
    bool handled = false;
    if (entry != nullptr && entry->before.matches(uMsg))
        call(*entry, true, handled, result, window, uMsg, wParam, lParam);
    if (handled)
        return result;
    result = previousProcedure();
    if (entry != nullptr && entry->window == window && entry->after.matches(uMsg))
        call(*entry, false, handled, result, window, uMsg, wParam, lParam);
    return result;
}

} // namespace cvbutton::host
