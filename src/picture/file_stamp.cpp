// Reading a picture file's size and last change time.
#include "picture/file_stamp.h"

#include <QFile>

namespace picture {

std::optional<FileStamp> FileStamp::of(const QString& path)
{
    const std::filesystem::path native(QFile::encodeName(path).toStdString());
    std::error_code error;
    if (!std::filesystem::is_regular_file(native, error))
        return std::nullopt;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(native, error);
    if (error)
        return std::nullopt;
    stamp.modified = std::filesystem::last_write_time(native, error);
    if (error)
        return std::nullopt;
    return stamp;
}

} // namespace picture
