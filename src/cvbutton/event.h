// An event a control raises to its form, with the handlers connected to it.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace cvbutton {

// An event a control raises to its form: every connected handler runs, in the order connected.
class Event {
public:
    using Handler = std::function<void()>;

    void connect(Handler handler) { handlers_.push_back(std::move(handler)); }

    void raise() const
    {
        const std::vector<Handler> handlers = handlers_; // a handler may connect another one
        for (const Handler& handler : handlers)
            handler();
    }

private:
    std::vector<Handler> handlers_;
};

} // namespace cvbutton
