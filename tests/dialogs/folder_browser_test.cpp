// The folder chooser of Copy File.
#include "dialogs/folder_browser.h"
#include "support/fake_dialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(BrowseForDestination, KeepsTheChosenNameExactly)
{
    fakes::FakeDialogs dialogs;
    dialogs.folderToChoose = QStringLiteral("/home/someone/pics ");
    EXPECT_EQ(dialogs::BrowseForDestination(dialogs), QStringLiteral("/home/someone/pics "))
        << "\"pics \" and \"pics\" are two folders here";
    ASSERT_EQ(dialogs.browseRequests.size(), 1);
    EXPECT_EQ(dialogs.browseRequests[0].instruction, QStringLiteral("Make a copy of the file."));
    EXPECT_EQ(dialogs.browseRequests[0].root, QStringLiteral("/"));

    dialogs.folderToChoose.clear(); // cancelled
    EXPECT_EQ(dialogs::BrowseForDestination(dialogs), QString());
}

} // namespace
