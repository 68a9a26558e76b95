#pragma once

#include "platform/files.h"

#include <QString>
#include <optional>

namespace editor {

// Which file the comment box's text was loaded from (or last saved into), so that a save can tell
// when its path has come to name another file: the picture moved aside and another one, or a link,
// put in its place.
class LoadedFile {
public:
    explicit LoadedFile(const platform::Files& files) : files_(files) {}

    // The file `path` names now is the one the box belongs to.
    void remember(const QString& path) { identity_ = files_.identityOf(path); }
    // True when `path` still names the remembered file, or when nothing was remembered.
    bool stillNamedBy(const QString& path) const { return !identity_ || files_.identityOf(path) == identity_; }

private:
    const platform::Files& files_;
    std::optional<platform::FileIdentity> identity_;
};

} // namespace editor
