// Opening handed-over pictures one at a time, never in the middle of a command.
#include "editor/hand_over_queue.h"

#include <utility>

namespace editor {

void HandOverQueue::request(const QString& path)
{
    if (opening_ || busy_()) {
        waiting_ = path; // a later one replaces an earlier one still waiting
        return;
    }
    opening_ = true;
    std::optional<QString> next = path;
    while (next) {
        open_(*next);
        next = std::exchange(waiting_, std::nullopt);
    }
    opening_ = false;
}

void HandOverQueue::resume()
{
    if (waiting_ && !opening_ && !busy_())
        request(*std::exchange(waiting_, std::nullopt));
}

} // namespace editor
