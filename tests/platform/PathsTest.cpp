#include "platform/paths/Paths.h"

#include <gtest/gtest.h>

using namespace paginox;

TEST(Paths, NamesAndExtensions)
{
    EXPECT_EQ(ExtractFileName("/home/u/a.b.docx"), "a.b.docx");
    EXPECT_EQ(ExtractFileName("notes"), "notes");
    EXPECT_EQ(ExtractFileName("/home/u/"), "");
    EXPECT_EQ(ExtractFileExt("/home/u/a.b.docx"), ".docx");
    EXPECT_EQ(ExtractFileExt("/home/u.v/notes"), "");
    EXPECT_EQ(ChangeFileExt("/out/a.b.docx", ""), "/out/a.b");
    EXPECT_EQ(ChangeFileExt("/out.d/notes", ".png"), "/out.d/notes.png");
    EXPECT_EQ(ChangeFileExt("/out/c:d.doc", ""), "/out/c:d"); // ":" is an ordinary character here
    EXPECT_EQ(IncludeTrailingPathDelimiter("/out"), "/out/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/out/"), "/out/");
}
