// CaptionSession: opening a picture, stepping, taking in a rename or a delete, loading and saving the comment.
#include "session/caption_session.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "session/photo_comment_io.h"
#include "session/step_order.h"

namespace session {

using platform::paths::folderOf;
using platform::paths::nameOf;

CaptionSession::CaptionSession(const platform::Files& files, platform::CommentLibrary& comments)
    : files_(files), comments_(comments), File1_(files), loadedFile_(files)
{
}

void CaptionSession::setCurrentFilePath(const QString& path)
{
    CurrentFilePath_ = path;
}

void CaptionSession::open(const QString& path)
{
    const QString folder = folderOf(path);
    CurrentIndex_ = 0;
    File1_.rebuild(folder);
    CurrentFilePath_ = path;
    CurrentFileName_ = nameOf(path);
    CurrentFolder_ = folder;
    restartFrom_.reset();
    resetnextback();
    takeListedPicture();
}

bool CaptionSession::step(Direction direction)
{
    if (!files_.exists(stepsFrom()))
        return false;
    restartFrom_.reset();
    const qsizetype count = File1_.ListCount();
    CurrentIndex_ =
        direction == Direction::Next ? nextIndex(CurrentIndex_, count) : previousIndex(CurrentIndex_, count);
    takeListedPicture();
    return true;
}

QString CaptionSession::stepsFrom() const
{
    return restartFrom_.value_or(CurrentFilePath_);
}

QStringList CaptionSession::neighbours() const
{
    const qsizetype count = File1_.ListCount();
    QStringList paths;
    for (const qsizetype index : {nextIndex(CurrentIndex_, count), previousIndex(CurrentIndex_, count)}) {
        const QString path = CurrentFolder_ + File1_.entry(index);
        if (File1_.contains(index) && !paths.contains(path))
            paths.append(path);
    }
    return paths;
}

QString CaptionSession::loadedComment() const
{
    return readPhotoComment(comments_, CurrentFilePath_);
}

void CaptionSession::rememberLoaded(const QString& text)
{
    LoadedComment_ = text;
    SavedComment_.clear();
    loadedFile_.remember(CurrentFilePath_, text);
}

bool CaptionSession::holdsUnsavedTyping(const QString& text) const
{
    return loadedFile_.loaded() && !loadedFile_.holds(text);
}

// Typing back to the loaded text changes nothing only while the file still holds it: after a save of
// another text, it is a change like any other.
bool CaptionSession::unchangedSinceLoad(const QString& text) const
{
    return text == LoadedComment_ && loadedFile_.holds(text);
}

int32_t CaptionSession::save(const QString& text)
{
    const int32_t status = writePhotoComment(comments_, CurrentFilePath_, text);
    if (status >= 0) {
        SavedComment_ = text;
        loadedFile_.remember(CurrentFilePath_, text); // a save puts a new file in the old one's place
    }
    return status;
}

bool CaptionSession::renamed(const QString& from, const QString& to)
{
    const bool current = CurrentFilePath_ == from;
    if (current) {
        CurrentFilePath_ = to;
        restartFrom_.reset();
    }
    loadedFile_.renamed(from, to);
    // The list is read again with the position it had: on the current file, or after a Delete of the
    // current file on the first picture.
    if (restartFrom_)
        updatefilelistdeleted(CurrentFilePath_);
    else
        updatefilelist(CurrentFilePath_);
    return current;
}

void CaptionSession::deleted(const QString& path)
{
    if (path == loadedFile_.path() && !files_.exists(path))
        loadedFile_.sentToTrash();
    updatefilelistdeleted(path);
}

void CaptionSession::resetnextback()
{
    searchName(CurrentFileName_);
}

void CaptionSession::updatefilelist(const QString& path)
{
    const QString folder = folderOf(path);
    CurrentIndex_ = 0;
    File1_.rebuild(folder);
    CurrentFolder_ = folder;
    searchName(nameOf(path));
}

// The list restarts from its first picture, which a step then checks for instead of the file that went.
void CaptionSession::updatefilelistdeleted(const QString& path)
{
    const QString folder = folderOf(path);
    CurrentIndex_ = 0;
    File1_.rebuild(folder);
    CurrentFolder_ = folder;
    restartFrom_ = folder + File1_.entry(0);
}

void CaptionSession::searchName(const QString& name)
{
    for (qsizetype tries = 0; tries <= File1_.ListCount(); ++tries) {
        if (File1_.contains(CurrentIndex_) && File1_.entry(CurrentIndex_) == name)
            return;
        ++CurrentIndex_;
    }
    // Not listed (a name outside the patterns, a hidden file): the index rests past the last entry,
    // which a step understands as "the opened file, off the list".
    CurrentIndex_ = File1_.ListCount();
}

void CaptionSession::takeListedPicture()
{
    if (File1_.contains(CurrentIndex_))
        CurrentFilePath_ = CurrentFolder_ + File1_.entry(CurrentIndex_);
}

} // namespace session
