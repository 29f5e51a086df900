#include "doclist/CompareText.h"
#include "doclist/EntryTexts.h"
#include "doclist/FolderScan.h"

#include "TempFolder.h"

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace paginox {
namespace {

std::int64_t Utc(int year, int month, int day, int hour, int minute, int second)
{
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return ::timegm(&time);
}

TEST(SizeTextTest, WholeKilobytesWithoutGrouping)
{
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, "0KB"}, {1023, "0KB"}, {1024, "1KB"}, {1048576, "1024KB"}, {5000000000u, "4882812KB"},
    };
    for (const auto& [size, text] : cases)
        EXPECT_EQ(SizeText(size), text) << size;
}

struct TimeCase {
    std::int64_t utc;
    std::int64_t offset;
    const char* text;
};

void PrintTo(const TimeCase& c, std::ostream* out)
{
    *out << c.utc << " at " << c.offset;
}

FormatSettings IsoDates()
{
    FormatSettings format;
    format.ShortDateFormat = "%Y-%m-%d";
    return format;
}

FormatSettings TwelveHours(bool markerFirst)
{
    FormatSettings format = IsoDates();
    format.TwelveHourClock = true;
    format.HourLeadingZero = markerFirst;
    format.MarkerFirst = markerFirst;
    return format;
}

class TimeTextTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeTextTest, LocalTimeInTwoSecondStepsWithoutTheTimeAtMidnight)
{
    const TimeCase& c = GetParam();
    EXPECT_EQ(TimeText({c.utc, 999999999}, c.offset, IsoDates()), c.text);
}

// One hour east of UTC: local midnight is 23:00 UTC of the day before.
INSTANTIATE_TEST_SUITE_P(Stamps, TimeTextTest, ::testing::Values(
    TimeCase{Utc(2024, 3, 9, 23, 0, 0), 3600, "2024-03-10"},
    TimeCase{Utc(2024, 3, 9, 23, 0, 1), 3600, "2024-03-10"},
    TimeCase{Utc(2024, 3, 9, 23, 0, 2), 3600, "2024-03-10 00:00:02"},
    TimeCase{Utc(2024, 3, 10, 13, 3, 7), 3600, "2024-03-10 14:03:06"},
    TimeCase{Utc(2024, 3, 10, 2, 30, 0), -5 * 3600, "2024-03-09 21:30:00"},
    TimeCase{Utc(1980, 1, 1, 0, 0, 0), 0, "1980-01-01"},
    TimeCase{Utc(2107, 12, 31, 23, 59, 59), 0, "2107-12-31 23:59:58"},
    // Outside the DOS range the stamp is still written, in two-second steps.
    TimeCase{0, 0, "1970-01-01"},
    TimeCase{-1, 0, "1969-12-31 23:59:58"},
    TimeCase{Utc(2200, 6, 1, 12, 0, 1), 0, "2200-06-01 12:00:00"}));

TEST(TimeTextTest, FollowsTheRegionalClock)
{
    const std::int64_t afternoon = Utc(2024, 3, 10, 14, 3, 7);
    EXPECT_EQ(TimeText({afternoon, 0}, 0, TwelveHours(false)), "2024-03-10 2:03:06 PM");
    EXPECT_EQ(TimeText({afternoon, 0}, 0, TwelveHours(true)), "2024-03-10 PM 02:03:06");
    EXPECT_EQ(TimeText({Utc(2024, 3, 10, 0, 0, 2), 0}, 0, TwelveHours(false)), "2024-03-10 12:00:02 AM");
    FormatSettings dotted = IsoDates();
    dotted.ShortDateFormat = "%d.%m.%Y";
    dotted.TimeSeparator = ".";
    dotted.HourLeadingZero = false;
    EXPECT_EQ(TimeText({Utc(2024, 3, 10, 9, 5, 4), 0}, 0, dotted), "10.03.2024 9.05.04");
}

TEST(MakeDocumentEntryTest, UsesTheOffsetInForceNow)
{
    DirectoryEntry file;
    file.Size = 2048;
    file.CreationTime = {Utc(2024, 1, 15, 22, 30, 0), 0};
    file.LastWriteTime = {Utc(2024, 7, 15, 22, 30, 0), 0};
    const FixedRegionalSettings regional(IsoDates(), 2 * 3600);
    const DocumentEntry row = MakeDocumentEntry("a.doc", "/x/a.doc", file, regional);
    EXPECT_TRUE(row.Checked);
    EXPECT_EQ(row.Caption, "a.doc");
    EXPECT_EQ(row.SubItems, (std::array<std::string, 4>{"/x/a.doc", "2KB", "2024-01-16 00:30:00",
                                                        "2024-07-16 00:30:00"}));
}

TEST(CompareTextTest, BytesWithAsciiLettersFolded)
{
    EXPECT_EQ(CompareText("apple.doc", "APPLE.doc"), 0);
    EXPECT_GT(CompareText("_a.doc", "z.doc"), 0);
    EXPECT_LT(CompareText("100KB", "20KB"), 0);
    EXPECT_LT(CompareText("20KB", "3KB"), 0);
    EXPECT_EQ(CompareText("a", "c"), 'A' - 'C');
    EXPECT_EQ(CompareText("abc", "abcde"), -2);
    EXPECT_EQ(CompareText("abcde", "ab"), 3);
    EXPECT_EQ(CompareText("", ""), 0);
    EXPECT_GT(CompareText("\xC3\x84pfel.doc", "zebra.doc"), 0);
    EXPECT_GT(CompareText("\xC3\x84pfel.doc", "9.doc"), 0);
    EXPECT_EQ(CompareText("\xC3\xA4", "\xC3\x84"), 0xA4 - 0x84); // only ASCII letters fold
}

TEST(IsDocumentNameTest, SixExtensionsAfterAsciiLowerCasing)
{
    for (const char* name : {"Report.DOCX", "memo.Dot", ".doc", "a.docm", "a.DOTX", "a.dotm", "x.y.doc"})
        EXPECT_TRUE(IsDocumentName(name)) << name;
    for (const char* name : {"notes.txt", "report.doc.bak", "letter.docx~", ".", "..", "doc", "a.doc ",
                             "a.docx.", "a.rtf"})
        EXPECT_FALSE(IsDocumentName(name)) << name;
}

TEST(ScanFolderTest, ListsDocumentsDirectlyInTheFolder)
{
    const test::TempFolder folder;
    folder.File("Report.DOCX", 4096);
    folder.File("memo.Dot");
    folder.File("notes.txt");
    folder.File("report.doc.bak");
    folder.File("letter.docx~");
    folder.File(".doc");
    folder.Folder("old.doc");
    folder.Folder("sub");
    folder.File("sub/inside.doc");
    const FixedRegionalSettings regional(IsoDates());

    std::vector<DocumentEntry> rows = ScanFolder(folder.Path(), regional);
    std::sort(rows.begin(), rows.end(), [](auto& a, auto& b) { return a.Caption < b.Caption; });
    std::vector<std::pair<std::string, std::string>> found;
    for (const DocumentEntry& row : rows) {
        found.emplace_back(row.Caption, row.SubItems[0]);
        EXPECT_TRUE(row.Checked);
    }
    const std::string base = folder.Path() + "/";
    EXPECT_EQ(found, (std::vector<std::pair<std::string, std::string>>{
                         {".doc", base + ".doc"}, {"Report.DOCX", base + "Report.DOCX"},
                         {"memo.Dot", base + "memo.Dot"}, {"old.doc", base + "old.doc"}}));
    EXPECT_EQ(rows[1].SubItems[1], "4KB");
}

TEST(ScanFolderTest, JoinsTheFolderTextAsItStands)
{
    const test::TempFolder folder;
    folder.File("a.doc");
    const auto rows = ScanFolder(folder.Path() + "/", FixedRegionalSettings());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].SubItems[0], folder.Path() + "//a.doc");
}

TEST(ScanFolderTest, AMissingOrEmptyFolderGivesNoRows)
{
    const test::TempFolder folder;
    EXPECT_TRUE(ScanFolder(folder.Path(), FixedRegionalSettings()).empty());
    EXPECT_TRUE(ScanFolder(folder.Path() + "/missing", FixedRegionalSettings()).empty());
}

} // namespace
} // namespace paginox
