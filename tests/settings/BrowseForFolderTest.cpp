#include "settings/BrowseForFolder.h"

#include "platform/shell/ShellRecorder.h"

#include <gtest/gtest.h>

namespace paginox {
namespace {

TEST(BrowseForFolderTest, ARootKeepsItsDelimiterOtherFoldersLoseIt)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/", "/"}, {"//", "/"}, {"/home/user", "/home/user"}, {"/home/user/", "/home/user"}, {"", ""},
    };
    for (const auto& [chosen, result] : cases) {
        ShellRecorder shell;
        shell.QueueFolder(chosen);
        EXPECT_EQ(BrowseForFolder(shell, "/start"), result) << chosen;
        EXPECT_EQ(shell.ChooserStarts(), std::vector<std::string>{"/start"});
    }
}

} // namespace
} // namespace paginox
