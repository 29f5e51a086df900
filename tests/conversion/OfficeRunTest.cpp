// Whole runs over the real office on corpus documents.
#include "OutputTestSupport.h"
#include "RunHarness.h"
#include "conversion/PageSelection.h"
#include "conversion/ScaleText.h"
#include "conversion/WordNumbers.h"
#include "office/WordApplication.h"
#include "platform/automation/OleObject.h"

#include <gtest/gtest.h>

#include <map>

using namespace paginox;
using paginox::test::RecordingView;

namespace {

const std::string Corpus = PAGINOX_CORPUS_DIR;

// Documents the office lays out, with the layout's page count.
const std::map<std::string, int> GoodDocuments = {
    {"53379.doc", 30},       {"Word95.doc", 1},    {"simple.doc", 1},          {"testPictures.doc", 4},
    {"55733.docx", 1},       {"60329.docx", 3},    {"Bug51170.docx", 7},       {"Headers.docx", 3},
    {"IllustrativeCases.docx", 4}, {"bug57031.docx", 14}, {"bug65649.docx", 180}, {"drawing.docx", 20},
    {"zero-length.docx", 1}, {"45690.docm", 2},    {"SimpleMacro.docm", 1},    {"60316.dotx", 1},
    {"test.dotx", 1},
};

struct PageSize {
    int width, height;
};

// What Word's page setup says each page must measure at the scale.
std::vector<PageSize> ExpectedSizes(ServerRegistry& registry, const std::string& path, long double scale)
{
    const OleObject word(registry.Create("Word.Application"));
    Variant file(path);
    word.GetObject("Documents").Call("Open", {Variant::ByRef(file)});
    const OleObject app = word.GetObject("Application");
    const OleObject doc = word.GetObject("ActiveDocument");
    std::vector<PageSize> sizes;
    for (int n = 1, pages = GetPageCount(app, doc); n <= pages; ++n) {
        SelectPage(app, doc, n);
        const OleObject setup = doc.GetObject("PageSetup");
        const auto value = [&](const char* name) { return RoundWordNumber(setup.Get(name)); };
        sizes.push_back({ScaledSize(scale, value("PageWidth")) + value("LeftMargin") + value("RightMargin"),
                         ScaledSize(scale, value("PageHeight")) + value("TopMargin") + value("BottomMargin")});
    }
    word.Call("Quit");
    return sizes;
}

bool HasDarkPixels(const paginox::testing::DecodedImage& image)
{
    for (const Rgb& p : image.pixels)
        if (p.red + p.green + p.blue < 3 * 128)
            return true;
    return false;
}

class OfficeRun : public ::testing::TestWithParam<const char*>, public test::RunHarness {
protected:
    OfficeRun()
    {
        FRegistry.Unregister("Word.Application");
        RegisterWordApplication(FRegistry);
    }
};

} // namespace

TEST_P(OfficeRun, EveryPageOfEveryGoodDocumentIsWrittenAtItsSize)
{
    FSettings.FScale = GetParam();
    std::map<std::string, std::vector<PageSize>> expected;
    for (const auto& [name, pages] : GoodDocuments) {
        FRows.FRows.push_back({true, Corpus + "/" + name});
        expected[name] = ExpectedSizes(FRegistry, Corpus + "/" + name, ParseScale(GetParam(), "."));
        EXPECT_EQ(static_cast<int>(expected[name].size()), pages) << name;
    }
    FConverter.ConvertDocuments(OutputFormat::Png);
    ASSERT_EQ(FConverter.LastReport().ending, RunReport::Ending::Completed);
    EXPECT_TRUE(FConverter.LastReport().failures.empty());
    EXPECT_EQ(FView.FMessages, std::vector<std::string>{"Congratulation: Successed!"});

    for (const auto& [name, sizes] : expected) {
        const std::string stem = name.substr(0, name.rfind('.'));
        int blankPages = 0;
        for (size_t i = 0; i < sizes.size(); ++i) {
            const std::string file = FSettings.FFolder + "/" + stem + std::to_string(i + 1) + ".png";
            const auto image = paginox::testing::DecodePng(paginox::testing::ReadBytes(file));
            EXPECT_EQ(image.width, sizes[i].width) << file;
            EXPECT_EQ(image.height, sizes[i].height) << file;
            blankPages += HasDarkPixels(image) ? 0 : 1;
        }
        // A document may hold a blank page the office inserted, never only blank pages.
        EXPECT_LT(blankPages, static_cast<int>(sizes.size())) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, OfficeRun, ::testing::Values("100", "50"));

class OfficeBatch : public ::testing::Test, public test::RunHarness {
protected:
    OfficeBatch()
    {
        FRegistry.Unregister("Word.Application");
        RegisterWordApplication(FRegistry);
    }
};

TEST_F(OfficeBatch, ABrokenDocumentEndsTheRunAfterTheOnesBeforeIt)
{
    FRows.FRows = {{true, Corpus + "/simple.doc"},
                   {true, Corpus + "/truncated62886.docx"},
                   {true, Corpus + "/Headers.docx"}};
    FConverter.ConvertDocuments(OutputFormat::Jpeg);
    EXPECT_EQ(FConverter.LastReport().ending, RunReport::Ending::OpenFailed);
    EXPECT_EQ(FView.FMessages,
              std::vector<std::string>{
                  "Error: Failed to open the word document. If the Word version is below 2007, please update it."});
    EXPECT_EQ(FilesInOutput(), std::vector<std::string>{"simple1.jpg"});
}

TEST_F(OfficeBatch, OfficeCrashesAreReportedNotSuccessful)
{
    // Documents that once brought the office down: each converts or fails on its own.
    for (const char* name : {"FloatingPictures.doc", "Fuzzed.doc", "comment.docx"}) {
        FRows.FRows = {{true, Corpus + "/" + name}};
        FView.FMessages.clear();
        FConverter.ConvertDocuments(OutputFormat::Png);
        const RunReport& report = FConverter.LastReport();
        if (report.ending == RunReport::Ending::Completed && report.failures.empty())
            EXPECT_FALSE(report.writtenFiles.empty()) << name;
        else
            EXPECT_FALSE(FView.FMessages.empty()) << name;
    }
}
