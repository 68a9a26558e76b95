// What every benchmark shares: its numeric options from the command line, one timed run, and the median of its
// timings.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

namespace bench {

// How long `work` took, in milliseconds.
inline double timeOnce(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The value after `name` on the command line, or `fallback` when it is not given.
inline int option(int argc, char** argv, const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], name) == 0)
            return std::atoi(argv[i + 1]);
    return fallback;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace bench
