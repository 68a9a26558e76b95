// EditorServices: the platform services the main window works through.
#pragma once

namespace platform {
class CommentLibrary;
class Dialogs;
class Files;
class Shell;
class ShellNamespace;
} // namespace platform

namespace editor {

// The platform services the main window works through; the program passes the real ones, tests
// pass fakes.
struct EditorServices {
    platform::Dialogs& dialogs;
    platform::Shell& shell;
    platform::Files& files;
    platform::CommentLibrary& comments;
    platform::ShellNamespace& shellFolders;
};

} // namespace editor
