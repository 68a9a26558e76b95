// An open TIFF file, closed when the handle goes.
#pragma once

#include <QString>
#include <memory>
#include <tiffio.h>

namespace picture {

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

// An open TIFF file, closed when the handle goes. One handle is used by one thread at a time.
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

// Opens `path` for reading its first page. Null when it is missing or no TIFF. The library's
// complaints about damaged files are swallowed instead of printed: the calls that fail say so by
// their results, and the program reports an unreadable picture in its own words.
TiffHandle openTiffQuietly(const QString& path);

} // namespace picture
