// The comment library as an installed editor finds it: by its soname, with no development link beside it.
#include "platform/loaded_comment_library.h"

#include "commentlib/corvane.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(LoadedCommentLibrary, LoadsTheRuntimeLibraryWithoutItsDevelopmentLink)
{
    QTemporaryDir folder;
    const QString soname = platform::LoadedCommentLibrary::defaultSoname();
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANE_BIN_DIR "/") + soname, folder.filePath(soname)));

    platform::LoadedCommentLibrary library(folder.path());
    ASSERT_TRUE(library.isLoaded());
    QByteArray missing = QFile::encodeName(folder.filePath(QStringLiteral("no such picture.jpg")));
    char* path = missing.data();
    EXPECT_EQ(library.eraser(&path), CORVANE_E_NOT_FOUND) << "the call must reach the library itself";
}

} // namespace
