#include "dialogs/folder_browser.h"
#include "forms/shared_state.h"
#include "support/fake_dialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(BrowseForDestination, KeepsTheChosenNameExactly)
{
    fakes::FakeDialogs dialogs;
    forms::SharedState state;
    dialogs.folderToChoose = QStringLiteral("/home/someone/pics ");
    dialogs::BrowseForDestination(dialogs, state);
    EXPECT_EQ(state.DestinationFolder, QStringLiteral("/home/someone/pics "))
        << "\"pics \" and \"pics\" are two folders here";
    ASSERT_EQ(dialogs.browseRequests.size(), 1);
    EXPECT_EQ(dialogs.browseRequests[0].instruction, QStringLiteral("Make a copy of the file."));
    EXPECT_EQ(dialogs.browseRequests[0].root, QStringLiteral("/"));

    dialogs.folderToChoose.clear(); // cancelled
    dialogs::BrowseForDestination(dialogs, state);
    EXPECT_EQ(state.DestinationFolder, QStringLiteral("/home/someone/pics "));
}

} // namespace
