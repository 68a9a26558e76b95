// HandOverQueue: pictures handed to the window from outside wait their turn.
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace editor {

// Pictures handed to the window from outside (a later start, a drop) are opened one at a time, and
// never while the window is in the middle of something of its own. Opening may ask a question (the
// check for unsaved typing, a missing file), and so may any command; a question's event loop lets
// more hand-overs in. Those wait until the open or the command in progress is done, and of the
// waiting ones only the last is kept. So there is never more than one question on the screen, and an
// answer always belongs to the picture it asked about.
class HandOverQueue {
public:
    // `open` opens a picture; `busy` tells whether the window is in the middle of a command.
    HandOverQueue(std::function<void(const QString&)> open, std::function<bool()> busy)
        : open_(std::move(open)), busy_(std::move(busy))
    {
    }

    void request(const QString& path);
    // Opens the picture that waits, if any, now that the command that held it up is done.
    void resume();
    bool opening() const { return opening_; }
    bool waiting() const { return waiting_.has_value(); }

private:
    std::function<void(const QString&)> open_;
    std::function<bool()> busy_;
    bool opening_ = false;
    std::optional<QString> waiting_;
};

} // namespace editor
