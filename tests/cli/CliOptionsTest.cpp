#include "cli/CliOptions.h"

#include <gtest/gtest.h>

using namespace paginox;

TEST(CliOptions, ReadsFormatScaleOutputAndInputs)
{
    const CliOptions options =
        ParseCliOptions({"--format", "jpg", "--scale=62.5", "--output", "/tmp/o", "a.docx", "--", "--b.doc"}, "/home/u/Output", ".");
    EXPECT_EQ(options.format, OutputFormat::Jpeg);
    EXPECT_EQ(options.scale, "62.5");
    EXPECT_EQ(options.output, "/tmp/o");
    EXPECT_EQ(options.inputs, (std::vector<std::string>{"a.docx", "--b.doc"}));

    const CliOptions defaults = ParseCliOptions({"a.docx"}, "/home/u/Output", ".");
    EXPECT_EQ(defaults.format, OutputFormat::Png);
    EXPECT_EQ(defaults.scale, "100");
    EXPECT_EQ(defaults.output, "/home/u/Output");
    EXPECT_TRUE(ParseCliOptions({"--help"}, "", ".").help);
}

TEST(CliOptions, RefusesBadOptionsAndValues)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--format", "gif", "a.doc"}, {"--scale", "29", "a.doc"}, {"--scale", "abc", "a.doc"},
        {"--scale", "62,5", "a.doc"}, {"--scale"},                {"--colour", "a.doc"},
        {"--output=", "a.doc"},       {},
    };
    for (const auto& args : bad)
        EXPECT_THROW(ParseCliOptions(args, "/o", "."), CliUsageError) << ::testing::PrintToString(args);
    EXPECT_NO_THROW(ParseCliOptions({"--scale", "62,5", "a.doc"}, "/o", ","));
}
