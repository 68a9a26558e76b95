// What tells a picture file apart from the same name holding other contents.
#pragma once

// What tells a picture file apart from the same name holding other contents: its size and the time of
// its last change, to the nanosecond the file system keeps.

#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace picture {

struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;

    bool operator==(const FileStamp&) const = default;

    // The stamp of the regular file at `path`; nothing when there is none or it cannot be read.
    static std::optional<FileStamp> of(const QString& path);
};

} // namespace picture
