#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace editor {

// Pictures handed to the window from outside (a later start, a drop) are opened one at a time.
// Opening may ask a question (the close check, a missing file), and a question's event loop lets
// more hand-overs in: those wait until the open in progress is done, and of the waiting ones only
// the last is kept. So there is never more than one question for them on the screen, and an answer
// always belongs to the picture it asked about.
class HandOverQueue {
public:
    explicit HandOverQueue(std::function<void(const QString&)> open) : open_(std::move(open)) {}

    void request(const QString& path);
    bool opening() const { return opening_; }

private:
    std::function<void(const QString&)> open_;
    bool opening_ = false;
    std::optional<QString> waiting_;
};

} // namespace editor
