// What kind of file stands at a path, and opening only regular files for reading.
#pragma once

#include "platform/files.h"

#include <QString>

namespace platform {

// The kind of file a stat mode describes.
FileKind kindOfMode(unsigned mode);
// The kind of what stands at `path`, links followed; Missing when nothing does.
FileKind kindAt(const QString& path);

// A file opened for reading without ever waiting: opening a named pipe that nobody writes to, or
// some devices, would otherwise block until someone does. Only a regular file stays open; for
// anything else kind() tells what stood at the path.
class RegularFile {
public:
    explicit RegularFile(const QString& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool isOpen() const { return descriptor_ >= 0; }
    FileKind kind() const { return kind_; }
    int descriptor() const { return descriptor_; }
    // Hands the open descriptor over (-1 when not open); the caller closes it.
    int release();
    // A name that opens this very file again, for readers that take only a name: the file stays the
    // one checked here even if another is put at the path meanwhile.
    QString reopenablePath() const;

private:
    int descriptor_ = -1;
    FileKind kind_ = FileKind::Missing;
};

} // namespace platform
