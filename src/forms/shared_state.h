#pragma once

#include <QString>
#include <QtGlobal>

namespace forms {

// The editor's shared state. The main window owns it; the Rename dialog and the folder browser
// leave their results in it for the window to pick up.
struct SharedState {
    QString CurrentFilePath;    // always the path box's text
    QString CurrentFolder;      // folder of the picture opened last, with its trailing separator
    QString CurrentFileName;    // name of the picture opened last
    qsizetype CurrentIndex = 0; // position in the folder list; wide enough for any folder
    QString OpenFolder;         // where the Open dialog starts
    QString LoadedComment;      // comment box right after the last load
    QString SavedComment;       // comment box right after the last save
    QString DestinationFolder;  // folder picked for a copy; empty = none
    QString NewFilePath;        // path given by the last rename
    int RenameFlag = 0;         // 1: rebuild the list around NewFilePath before the next step
    int DeleteFlag = 0;         // 1: rebuild the list after a delete before the next step
};

} // namespace forms
