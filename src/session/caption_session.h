// CaptionSession: the editor's core without a widget. It holds the picture being captioned, the list of
// its folder and the one way of stepping through it, what the picture's file holds, and the saving of a
// new comment into it. The main window shows what the session holds and asks the user's questions;
// tests drive the session with no window at all.
#pragma once

#include "session/file_list.h"
#include "session/loaded_file.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace platform {
class CommentLibrary;
class Files;
} // namespace platform

namespace session {

enum class Direction { Next, Previous };

class CaptionSession {
public:
    CaptionSession(const platform::Files& files, platform::CommentLibrary& comments);

    // The file the commands act on: the picture shown, or the path the user typed into the path box since.
    const QString& CurrentFilePath() const { return CurrentFilePath_; }
    // The folder the list was read from, with its trailing separator.
    const QString& CurrentFolder() const { return CurrentFolder_; }
    // The name of the picture opened last.
    const QString& CurrentFileName() const { return CurrentFileName_; }
    // The shown picture's place in the list; past the last entry when the picture is not listed.
    qsizetype CurrentIndex() const { return CurrentIndex_; }
    // The comment box right after the last load, and right after the last save since that load.
    const QString& LoadedComment() const { return LoadedComment_; }
    const QString& SavedComment() const { return SavedComment_; }
    const FileList& File1() const { return File1_; }
    const LoadedFile& loadedFile() const { return loadedFile_; }

    // The user typed a path into the path box: the commands act on it, but no other picture is shown.
    void setCurrentFilePath(const QString& path);

    // Makes `path` the current file, with the list of its folder and the index on its name.
    void open(const QString& path);
    // Moves one picture on or back through the list, wrapping round at both ends; from a picture that is
    // not listed, Next goes to the first and Previous to the last. False, and nothing changes, when the
    // file the step starts from is gone.
    bool step(Direction direction);
    // The file a step starts from: the current file, or after a Delete the first picture of the list.
    QString stepsFrom() const;
    // The pictures Next and Previous would show from here, the likelier first.
    QStringList neighbours() const;

    // The current file's photo comment, as the comment box shows it.
    QString loadedComment() const;
    // The comment box shows `text`, freshly loaded for the current file; a save made before belongs to
    // another load.
    void rememberLoaded(const QString& text);
    // True when `text` is typing that neither the load nor a save holds, and so would be lost.
    bool holdsUnsavedTyping(const QString& text) const;
    // True when `text` is the text loaded and the file still holds it: saving it would change nothing.
    bool unchangedSinceLoad(const QString& text) const;
    // Writes `text` as the current file's photo comment (an empty text erases it). The library's status,
    // negative when nothing was written.
    int32_t save(const QString& text);
    // The user's own Delete sent the loaded picture to the trash: typing for it went with it.
    bool loadedPictureTrashed() const { return loadedFile_.inTrash(); }

    // The file at `from` was given the name `to`, by the Rename dialog or by another program; the list
    // takes the new name at once. True when it was the current file, which goes by `to` from now on.
    // Otherwise the current file stays what it is: the window moved on while the Rename dialog was open.
    bool renamed(const QString& from, const QString& to);
    // The user's Delete ran on `path`, whether or not the trash took it: the list is read again at once,
    // and the next step starts from its first picture.
    void deleted(const QString& path);

private:
    // Puts CurrentIndex on CurrentFileName.
    void resetnextback();
    // The list of `path`'s folder, the index on its name.
    void updatefilelist(const QString& path);
    // The list of `path`'s folder after `path` was deleted, the index on its first picture.
    void updatefilelistdeleted(const QString& path);
    // Moves CurrentIndex forward one entry at a time until it stands on `name`, at most once round the
    // list; past the last entry when `name` is not listed.
    void searchName(const QString& name);
    // The current file is the listed picture at the index, when the index is on the list.
    void takeListedPicture();

    const platform::Files& files_;
    platform::CommentLibrary& comments_;

    QString CurrentFilePath_;
    QString CurrentFolder_;
    QString CurrentFileName_;
    qsizetype CurrentIndex_ = 0; // wide enough for any folder
    QString LoadedComment_;
    QString SavedComment_;
    FileList File1_;
    LoadedFile loadedFile_;
    // Set by a Delete: where the next step starts, since the current file is gone.
    std::optional<QString> restartFrom_;
};

} // namespace session
