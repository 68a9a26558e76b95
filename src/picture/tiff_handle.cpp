// Opening a TIFF through libtiff with an allocation limit, its warnings and errors kept from the terminal.
#include "picture/tiff_handle.h"

#include "platform/regular_file.h"

#include <QFile>

namespace picture {

namespace {

// No single allocation the library makes for a plain picture's directory or a scanline comes near
// this; a damaged header asking for more is refused instead of being served.
constexpr tmsize_t kLargestTiffAllocation = tmsize_t(256) * 1024 * 1024;

int ignoreMessage(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

struct OptionsDeleter {
    void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

} // namespace

TiffHandle openTiffQuietly(const QString& path)
{
    const std::unique_ptr<TIFFOpenOptions, OptionsDeleter> options(TIFFOpenOptionsAlloc());
    if (!options)
        return nullptr;
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), ignoreMessage, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), ignoreMessage, nullptr);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kLargestTiffAllocation);
    // Read, not mapped: a file cut short by another program while we read it then gives a read
    // error rather than a bus fault.
    // Opened without waiting: a named pipe in a picture's place would block an ordinary open.
    platform::RegularFile file(path);
    if (!file.isOpen())
        return nullptr;
    TIFF* tiff = TIFFFdOpenExt(file.descriptor(), QFile::encodeName(path).constData(), "rm", options.get());
    if (tiff)
        file.release(); // the library closes it from now on; it takes it over only when it opens
    return TiffHandle(tiff);
}

} // namespace picture
