// The file the comment box belongs to, known by its identity, and the comment that file holds.
#pragma once

#include "platform/files.h"

#include <QString>
#include <optional>

namespace session {

// The file the comment box belongs to: which file its text was loaded from (or last saved into), so
// that a save can tell when its path has come to name another file, and the comment that file holds
// now (as loaded, then as saved), so that typing back to it counts as no change and typing away from
// it always counts as one.
class LoadedFile {
public:
    explicit LoadedFile(const platform::Files& files) : files_(files) {}

    // The file `path` names now is the one the box belongs to, and it holds `comment`.
    void remember(const QString& path, const QString& comment);
    // The path the comment was loaded from, or last saved into.
    const QString& path() const { return path_; }
    // True when `path` still names the remembered file, or when nothing was remembered.
    bool stillNamedBy(const QString& path) const { return !identity_ || files_.identityOf(path) == identity_; }
    // True once a comment was loaded into the box.
    bool loaded() const { return comment_.has_value(); }
    // True when `text` is what the file holds, so writing it would change nothing.
    bool holds(const QString& text) const { return comment_ && text == *comment_; }
    // The new path of the remembered file when another program renamed it within its folder; empty
    // when its path still names it, or when it is no longer in that folder (moved away, deleted).
    QString renamedTo() const;
    // The remembered file, known by `from`, goes by `to` now.
    void renamed(const QString& from, const QString& to);
    // The user's own Delete sent the remembered file to the trash; remembering another file forgets it.
    void sentToTrash() { inTrash_ = true; }
    bool inTrash() const { return inTrash_; }

private:
    const platform::Files& files_;
    QString path_;
    std::optional<platform::FileIdentity> identity_;
    std::optional<QString> comment_;
    bool inTrash_ = false;
};

} // namespace session
