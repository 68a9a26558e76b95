// The progress line of a long batch, shown on a terminal only.
#include "progress_line.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr size_t kShownFrom = 300;
constexpr size_t kStep = 25;

}

ProgressLine::ProgressLine(size_t total) : total_(total), shown_(total > kShownFrom && isatty(STDERR_FILENO)) {}

ProgressLine::~ProgressLine()
{
    clear();
}

void ProgressLine::advance()
{
    ++done_;
    if (!shown_ || (done_ % kStep != 0 && done_ != total_))
        return;
    std::fprintf(stderr, "\rcorvane-comment: %zu of %zu files", done_, total_);
    std::fflush(stderr);
    drawn_ = true;
}

void ProgressLine::clear()
{
    if (!drawn_)
        return;
    std::fputs("\r\033[K", stderr);
    drawn_ = false;
}
