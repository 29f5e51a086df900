#include "platform/files/DirectoryEntry.h"
#include "platform/files/TemporaryFolder.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace paginox {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
    std::string Make(const std::string& name, std::uintmax_t size = 0)
    {
        const std::string path = FFolder + "/" + name;
        std::ofstream(path).put('\0');
        fs::resize_file(path, size);
        return path;
    }
    static void SetModified(const std::string& path, std::int64_t seconds)
    {
        const timespec times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }

    TemporaryFolder FTemp{"paginox-files-"};
    const std::string FFolder = FTemp.Path();
};

TEST_F(FilesTest, FindsFilesFoldersHiddenAndReadOnlyEntries)
{
    const std::string file = Make("report.doc", 3000);
    SetModified(file, 1700000001);
    const auto entry = FindEntry(file);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->Name, "report.doc");
    EXPECT_EQ(entry->Size, 3000u);
    EXPECT_EQ(entry->LastWriteTime.Seconds, 1700000001);
    EXPECT_FALSE(entry->IsDirectory);
    // Birth time where the file system has one (made just now), else the modification time.
    EXPECT_TRUE(entry->CreationTime.Seconds > 1700000001 || entry->CreationTime == entry->LastWriteTime);

    const std::string hidden = Make(".hidden.doc");
    ::chmod(hidden.c_str(), 0444);
    EXPECT_TRUE(FindEntry(hidden));
    fs::create_directory(FFolder + "/old.doc");
    const auto folder = FindEntry(FFolder + "/old.doc");
    ASSERT_TRUE(folder);
    EXPECT_TRUE(folder->IsDirectory);
    EXPECT_EQ(folder->Size, 0u);
}

TEST_F(FilesTest, LooksPathsUpAsTheyStand)
{
    Make("a.doc");
    EXPECT_FALSE(FindEntry(FFolder + "/*.doc"));
    EXPECT_FALSE(FindEntry(FFolder + "/a.do?"));
    EXPECT_FALSE(FindEntry(FFolder + "/missing.doc"));
    EXPECT_FALSE(FindEntry(""));
    fs::create_symlink(FFolder + "/gone.doc", FFolder + "/dangling.doc");
    EXPECT_TRUE(FindEntry(FFolder + "/dangling.doc"));
}

TEST_F(FilesTest, ReportsTheSizeOfALargeSparseFile)
{
    const auto entry = FindEntry(Make("big.doc", 5000000000u));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->Size, 5000000000u);
}

TEST_F(FilesTest, ListsEveryEntryButDotAndDotDot)
{
    Make("b.doc", 10);
    Make(".doc");
    fs::create_directory(FFolder + "/sub");
    Make("sub/inner.doc");
    const auto entries = ListFolder(FFolder);
    ASSERT_TRUE(entries);
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : *entries)
        names.push_back(entry.Name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".doc", "b.doc", "sub"}));
}

TEST_F(FilesTest, AFolderThatCannotBeListedGivesNothing)
{
    EXPECT_FALSE(ListFolder(FFolder + "/missing"));
    EXPECT_FALSE(ListFolder(Make("file.doc")));
    if (::geteuid() != 0) { // root reads any folder
        ::chmod(FFolder.c_str(), 0);
        EXPECT_FALSE(ListFolder(FFolder));
    }
}

} // namespace
} // namespace paginox
