// The one-line count a long batch shows on a terminal's standard error; nothing when standard error is a file
// or a pipe, or when the batch is short.
#pragma once

#include <cstddef>

class ProgressLine {
public:
    explicit ProgressLine(size_t total);
    ~ProgressLine();

    void advance();
    // Before another line goes to standard error, so it does not land inside the count.
    void clear();

private:
    size_t total_;
    size_t done_ = 0;
    bool shown_;
    bool drawn_ = false;
};
