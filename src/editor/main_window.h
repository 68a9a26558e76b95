// Corvane, the main window: its controls, commands and operations over a caption session.
#pragma once

#include "editor/editor_services.h"
#include "editor/hand_over_queue.h"
#include "session/caption_session.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace picture {
class PicturePreparer;
} // namespace picture

namespace dialogs {
class AboutWindow;
class RenameDialog;
struct Sidecar;
} // namespace dialogs

namespace editor {

class CommentBox;
class LargeView;
class PictureButton;

// The main window: path box, picture area, comment box, the two comment kinds and ten commands. It shows
// what its caption session holds, asks the user's questions and wires the controls to the commands;
// the picture, its folder's list and its comment are the session's. Its handlers keep the names under
// which the rest of the program knows them.
class Corvane final : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kAppTitle = "Corvane 1.0";

    explicit Corvane(EditorServices services, QWidget* parent = nullptr);
    ~Corvane() override;

    // The picture, its folder's list and what its file holds; tests reach it to tell what happened outside.
    session::CaptionSession& session() { return session_; }
    QLineEdit* Text1() const { return text1_; }
    CommentBox* Text2() const { return text2_; }
    QLabel* Picture1() const { return picture1_; }
    // Fits the neighbours of the shown picture ahead, so a step to one of them shows it at once.
    picture::PicturePreparer& picturesAhead() const { return *preparer_; }
    // The window that shows the picture large; null while it is closed.
    LargeView* largeView() const;

    // Commands
    void Command1_Click();  // Open File
    void Command2_Click();  // Next File
    void Command3_Click();  // Previous File
    void Command4_Click();  // Copy File
    void Command5_Click();  // Save Comments
    void Command6_Click();  // About
    void Command7_Click();  // Close
    void Command8_Click();  // Delete File
    void Command9_Click();  // Rename File
    void Command10_Click(); // Font
    void Option1_Click();   // Photo Comments
    void Option2_Click();   // Windows Comments
    // Saves the comment when it changed, then goes to the next picture; a failed save stays.
    void saveAndNext();

    // Operations
    void ViewFile();
    void Text1_Change();
    void Text2_Change();
    QString GetSpecialFolderPath(int folderId) const;
    void dllcomments();
    // Writes the box as the photo comment (erases it when the box is empty); the library's status,
    // negative when the write failed.
    int32_t savechanges();
    void optiontwo();
    QString GetFileComment(const QString& path) const;
    // Saves when the file is still there; false when it is gone or the write failed (both reported).
    bool checkfilevalid();
    // The close check; true when the window must stay open.
    bool Form_Unload();

    // Brings the window forward when a second start of the program asks for it.
    void bringForward();
    // Opens a picture that the desktop names (command line, drop) the way Open File opens a chosen
    // path, or the first picture of a folder it names; a path that names neither is reported instead.
    void openFromDesktop(const QString& path);
    // What a later start hands over: the window comes forward, and a picture, when one is named, is
    // opened once the close check lets the current edits go.
    void openHandedOver(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void orderTabs();
    void connectHandlers();
    PictureButton* addCommand(const char* name, const QString& caption, int left, int top);
    // Shows the session's current file: the picture, then its comment, the box ready for typing.
    void showStep();
    void reportFileNotFound();
    // " File not found.", or what stands at `path` when it is there but not a file.
    void reportNotFound(const QString& path);
    // Says what stands at `path` when it is a folder, a pipe or a device; false for anything else.
    bool reportNotAFile(const QString& path);
    void reportSaveFailure(int32_t status);
    // A save went through, but a caption field or the sidecar beside the picture could not take the text.
    void reportPartialSave(int32_t status);
    QString savedMessage(const QString& path);
    void copySidecars(const QList<dialogs::Sidecar>& sidecars, const QString& folder, const QString& destination,
                      bool replacing);
    void trashSidecars(const QList<dialogs::Sidecar>& sidecars);
    void showPicture(const QString& path);
    void closeDialogWindows();
    // The Rename dialog gave the file at `from` the name `to`.
    void followRename(const QString& from, const QString& to);
    QString openStartFolder() const;
    void acceptPictureDrops();
    void openChosen(const QString& path);
    void openAfterCloseCheck(const QString& path);
    void openFirstPictureOf(const QString& folder);
    // The box now holds a freshly loaded comment.
    void rememberLoaded();
    // The box holds typing that neither the load nor a save of this picture holds.
    bool hasUnsavedTyping() const;
    // Before the box takes another text: offers to save unsaved typing. False when the user stays.
    bool mayLeavePicture();
    // When the shown picture's path names nothing any more, follows the picture to the name another
    // program gave it in its folder, and says so in `renamed`. False when no file is there.
    bool followRenamedPicture(QString& renamed);
    // Asks whether typing that has no file left to go into may be lost. True when the user agrees.
    bool mayDropTyping();
    // True when a copy may go to `destination` in `folder`: nothing is there, or the user agreed to
    // replace it.
    bool mayReplaceWithCopy(const QString& folder, const QString& destination);
    // Runs a command of the window; pictures handed over meanwhile wait until it is done.
    void runCommand(const std::function<void()>& command);
    void switchToWindowsComments();
    void bindCommandKeys();
    // Focus in the comment box, the caret at the end, so the next caption can be typed at once.
    void readyForTyping();
    // False when the path no longer names the file the comment was loaded from and the user would
    // rather not write into what stands there now.
    bool confirmWriteTarget();
    // Saves a file already known to be there: asks first when it was replaced since the load, and says
    // why when the write fails or leaves a caption field without the text. The library's status, or
    // nothing when nothing was written.
    std::optional<int32_t> saveExistingFile();
    // F11: opens the large view, or switches an open one between a window and the full screen.
    void largeViewKeyPressed();
    // Opens the large view, or brings an open one forward; the keyboard stays where it is.
    void showLargeView();
    void watchPictureDoubleClicks();
    // The large view shows what this window shows.
    void followInLargeView();
    // The keyboard comes back from the large view, with the key pressed there when there is one: a
    // command key runs its command, other keys go to the comment box.
    void takeKeyboardBack(QKeyEvent* event);

    EditorServices services_;
    session::CaptionSession session_;
    int commandsRunning_ = 0;
    HandOverQueue handOvers_;

    QLabel* label1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLabel* picture1_ = nullptr;
    CommentBox* text2_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    PictureButton* command_[11] = {};
    QPointer<dialogs::RenameDialog> renameDialog_;
    QPointer<dialogs::AboutWindow> aboutWindow_;
    QPointer<LargeView> largeView_;
    std::unique_ptr<picture::PicturePreparer> preparer_;
};

} // namespace editor
