// Where the resampler takes its source rows from: a picture in memory or a file decoded while drawing.
#pragma once

#include <QRgb>
#include <functional>
#include <memory>

namespace picture {

// Where the resampler takes its source pixels from, one row at a time and in increasing row order.
// A picture held in memory hands out its own rows; a file read while drawing decodes them on demand,
// so the full-size picture never has to exist at once.
class SourceRows {
public:
    virtual ~SourceRows() = default;

    // Row `y` as opaque pixels (transparency already flattened onto the background), valid until the
    // next call. Null when the row cannot be read; the caller then gives up.
    virtual const QRgb* row(int y) = 0;
};

// Makes one independent reader per band of output rows, so bands on different threads share none.
using SourceRowsFactory = std::function<std::unique_ptr<SourceRows>()>;

} // namespace picture
