#include "platform/files/TemporaryFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace paginox;
namespace fs = std::filesystem;

TEST(TemporaryFolder, IsFreshAndGoesWithEverythingInItEvenLockedFolders)
{
    const TemporaryFolder outside("paginox-outside-");
    std::ofstream(outside.Entry("kept")) << "not ours";
    fs::permissions(outside.Path(), fs::perms::owner_read | fs::perms::owner_exec);

    std::string path;
    {
        const TemporaryFolder first, second;
        EXPECT_NE(first.Path(), second.Path());
        EXPECT_TRUE(fs::is_directory(first.Path()));
        EXPECT_EQ(first.Entry("a.png"), first.Path() + "/a.png");

        path = first.Path();
        fs::create_directories(first.Entry("locked/deeper"));
        std::ofstream(first.Entry("locked/deeper/page1.png")) << "x";
        fs::permissions(first.Entry("locked/deeper"), fs::perms::owner_read | fs::perms::owner_exec);
        fs::permissions(first.Entry("locked"), fs::perms::none);
        fs::create_directory_symlink(outside.Path(), first.Entry("link"));
    }
    EXPECT_FALSE(fs::exists(path));
    // A link inside is removed, not followed: what it points to keeps its content and its rights.
    EXPECT_TRUE(fs::exists(outside.Entry("kept")));
    EXPECT_EQ(fs::status(outside.Path()).permissions() & fs::perms::owner_write, fs::perms::none);
    fs::permissions(outside.Path(), fs::perms::owner_all);
}
