#include "RunHarness.h"

#include "platform/automation/EOleException.h"
#include "platform/clipboard/Clipboard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace paginox;
using namespace paginox::test;
using Strings = std::vector<std::string>;

namespace {

// The calls that capture page n of a document of that many pages.
Strings PageCalls(int n, int pages)
{
    const std::string start = std::to_string(n - 1);
    Strings calls = {
        "Application.Application get", "Application.ActiveDocument get",
        "Document.Activate method", "Application.Selection get", "Selection.Information property-get (4)",
        "Document.goto method (1, 1, &" + std::to_string(n) + ")", "Range.GoToNext method (1)",
        "Range.Start get", "Range.Start get",
    };
    std::string end = std::to_string(n);
    if (n == pages)
        for (const char* call : {"Document.Range get", "Range.End get", ""})
            calls.push_back(*call ? call : "Range.Start put (" + std::to_string(pages) + ")");
    for (const std::string& call : Strings{
             "Range.Start get", "Range.Start get", "Document.Range method (" + start + ", " + end + ")",
             "Range.Select method", "Application.Application get", "Application.Selection get",
             "Selection.Range get", "Range.CopyAsPicture method", "Application.ActiveDocument get",
             "Document.PageSetup get", "PageSetup.LeftMargin get", "PageSetup.RightMargin get",
             "PageSetup.TopMargin get", "PageSetup.BottomMargin get", "PageSetup.PageHeight get",
             "PageSetup.PageWidth get"})
        calls.push_back(call);
    return calls;
}

Strings DocumentCalls(const std::string& path, int pages)
{
    Strings calls = {"Application.Documents get", "Documents.Open method (&" + path + ")",
                     "Application.Application get", "Application.Selection get",
                     "Selection.Information property-get (4)"};
    for (int n = 1; n <= pages; ++n)
        for (const std::string& call : PageCalls(n, pages))
            calls.push_back(call);
    calls.push_back("Application.ActiveWindow get");
    calls.push_back("Window.Close method");
    return calls;
}

} // namespace

class ConversionRun : public testing::Test, public RunHarness {};

TEST_F(ConversionRun, TwoDocumentsMakeTheCallsInOrder)
{
    const std::string a = AddDocument("a.docx", {.pages = 3});
    AddDocument("skipped.docx", {}, false);
    const std::string b = AddDocument("b.docx", {.pages = 1});
    FConverter.ConvertDocuments(OutputFormat::Png);

    Strings expected = {"Application.Visible put (true)", "Application.WindowState put (2)"};
    for (const auto& [path, pages] : {std::pair{a, 3}, std::pair{b, 1}})
        for (const std::string& call : DocumentCalls(path, pages))
            expected.push_back(call);
    expected.push_back("Application.Quit method");
    EXPECT_EQ(FWord.FCalls, expected);
    EXPECT_EQ(FilesInOutput(), (Strings{"a1.png", "a2.png", "a3.png", "b1.png"}));
    EXPECT_EQ(FWord.FStarted, 1);
}

TEST_F(ConversionRun, CompletedRunReportsSuccessAndOpensTheFolder)
{
    AddDocument("report.docx", {.pages = 2});
    FConverter.ConvertDocuments(OutputFormat::Jpeg);
    EXPECT_EQ(FView.FStatus, (Strings{"Converting...", FSettings.FFolder + "/report.docx", "Successed!"}));
    EXPECT_EQ(FView.FMessages, Strings{"Congratulation: Successed!"});
    EXPECT_EQ(FView.FOpenedFolders, Strings{FSettings.FFolder});
    EXPECT_EQ(FView.FProgress, (std::vector<std::pair<int, int>>{{2, 1}, {2, 2}}));
    EXPECT_FALSE(FView.FProgressVisible);
    EXPECT_EQ(FWord.FQuit, 1);
    EXPECT_EQ(FConverter.LastReport().ending, RunReport::Ending::Completed);
}

TEST_F(ConversionRun, EmptyListStillStartsAndQuitsWord)
{
    AddDocument("unchecked.docx", {}, false);
    FConverter.ConvertDocuments(OutputFormat::Png);
    EXPECT_EQ(FWord.FQuit, 1);
    EXPECT_EQ(FView.FMessages, Strings{"Congratulation: Successed!"});
    EXPECT_EQ(FView.FOpenedFolders, Strings{""});
}

TEST_F(ConversionRun, ConnectFailureChangesNothing)
{
    FRegistry.Unregister("Word.Application");
    AddDocument("a.docx", {});
    FConverter.ConvertDocuments(OutputFormat::Png);
    EXPECT_EQ(FView.FMessages, Strings{"Error: Failed to connect Word. Please install Microsoft Word."});
    EXPECT_TRUE(FView.FStatus.empty());
    EXPECT_FALSE(FView.FProgressVisible);
    EXPECT_EQ(FConverter.LastReport().ending, RunReport::Ending::ConnectFailed);
}

TEST_F(ConversionRun, OpenFailureEndsTheRunKeepingEarlierFiles)
{
    AddDocument("first.docx", {.pages = 1});
    FRows.FRows.push_back({true, "/docs/missing.docx"});
    AddDocument("later.docx", {.pages = 1});
    FConverter.ConvertDocuments(OutputFormat::Bmp);
    EXPECT_EQ(FView.FMessages,
              Strings{"Error: Failed to open the word document. If the Word version is below 2007, please update it."});
    EXPECT_EQ(FView.FStatus.back(), "");
    EXPECT_FALSE(FView.FProgressVisible);
    EXPECT_EQ(FWord.FQuit, 1);
    EXPECT_EQ(FilesInOutput(), Strings{"first1.bmp"});
    EXPECT_TRUE(FView.FOpenedFolders.empty());
}

TEST_F(ConversionRun, StopInThePumpsOfPageThreeSavesItAndNothingAfter)
{
    AddDocument("first.docx", {.pages = 10});
    AddDocument("second.docx", {.pages = 2});
    FView.FOnPump = [&] {
        // One pump for the row, then two a page (progress, capture): the sixth is page 3's first.
        if (FView.FPumps == 6)
            FConverter.RequestStop();
    };
    FConverter.ConvertDocuments(OutputFormat::Png);
    EXPECT_EQ(FilesInOutput(), (Strings{"first1.png", "first2.png", "first3.png"}));
    EXPECT_EQ(FView.FStatus.back(), "Stopped!");
    EXPECT_TRUE(FView.FMessages.empty());
    EXPECT_TRUE(FView.FOpenedFolders.empty());
    EXPECT_EQ(FWord.FQuit, 1);
    EXPECT_FALSE(FConverter.StopRequested());
    EXPECT_EQ(FConverter.LastReport().ending, RunReport::Ending::Stopped);
}

TEST_F(ConversionRun, StopWithNoPageToFollowHasNoEffect)
{
    AddDocument("only.docx", {.pages = 1});
    AddDocument("unchecked.docx", {}, false);
    FView.FOnPump = [&] {
        if (FView.FProgress.size() == 1)
            FConverter.RequestStop();
    };
    FConverter.ConvertDocuments(OutputFormat::Png); // the flag is read after page 1: it stops there
    EXPECT_EQ(FView.FStatus.back(), "Stopped!");

    FView.FOnPump = [&] { FConverter.RequestStop(); };
    FRows.FRows = {{false, "/docs/unchecked.docx"}};
    FConverter.ConvertDocuments(OutputFormat::Png); // no page follows the click
    EXPECT_EQ(FView.FStatus.back(), "Successed!");
}

TEST_F(ConversionRun, PageGuardEndsThatDocumentAndTheRunGoesOn)
{
    AddDocument("broken.docx", {.pages = 3});
    AddDocument("fine.docx", {.pages = 1});
    FWord.FBeforeCall = [&](const std::string& call) {
        if (call == "PageSetup.LeftMargin get" && FView.FProgress.back().second == 2 && FView.FProgress.back().first == 3)
            throw EOleException("page setup unavailable");
    };
    FConverter.ConvertDocuments(OutputFormat::Png);
    EXPECT_EQ(FilesInOutput(), (Strings{"broken1.png", "fine1.png"}));
    EXPECT_EQ(FWord.FOpenNow, 0) << "both windows closed";
    ASSERT_EQ(FView.FMessages.size(), 1u);
    EXPECT_EQ(FView.FMessages[0],
              "Warning: 2 pages were written. These failed:\nbroken.docx, pages 2 to 3: page setup unavailable");
    EXPECT_EQ(FView.FStatus.back(), "Finished with errors.");
    EXPECT_EQ(FView.FOpenedFolders, Strings{FSettings.FFolder});
}

TEST_F(ConversionRun, DocumentGuardEndsTheRowsAndReportsIt)
{
    AddDocument("first.docx", {.pages = 1});
    AddDocument("second.docx", {.pages = 1});
    FWord.FBeforeCall = [](const std::string& call) {
        if (call == "Window.Close method")
            throw EOleException("window gone");
    };
    FConverter.ConvertDocuments(OutputFormat::Png);
    EXPECT_EQ(FilesInOutput(), Strings{"first1.png"});
    EXPECT_EQ(FView.FMessages, Strings{"Warning: 1 page was written. These failed:\nfirst.docx: window gone"});
    EXPECT_EQ(FWord.FQuit, 1);
}

TEST_F(ConversionRun, UnwritableFolderIsNoSuccess)
{
    std::ofstream(FTemp / "file") << "in the way";
    FSettings.FFolder = (FTemp / "file" / "Output").string();
    AddDocument("a.docx", {.pages = 2});
    AddDocument("b.docx", {.pages = 1});
    FConverter.ConvertDocuments(OutputFormat::Png);
    ASSERT_EQ(FView.FMessages.size(), 1u);
    EXPECT_EQ(FView.FMessages[0].rfind("Warning: 0 pages were written. These failed:\na.docx, pages 1 to 2: Cannot create folder", 0), 0u)
        << FView.FMessages[0];
    EXPECT_NE(FView.FMessages[0].find("\nb.docx, page 1: "), std::string::npos);
    EXPECT_TRUE(FView.FOpenedFolders.empty());
}

TEST_F(ConversionRun, MissingOutputFolderIsCreated)
{
    FSettings.FFolder = (FTemp / "deep" / "er" / "Output").string();
    AddDocument("a.docx", {.pages = 1});
    FConverter.ConvertDocuments(OutputFormat::Png);
    EXPECT_TRUE(std::filesystem::exists(FTemp / "deep" / "er" / "Output" / "a1.png"));
    EXPECT_EQ(FView.FMessages, Strings{"Congratulation: Successed!"});
}

TEST_F(ConversionRun, ErrorOutsideTheGuardsQuitsWordAndRestoresTheWindow)
{
    AddDocument("a.docx", {.pages = 1});
    FWord.FBeforeCall = [](const std::string& call) {
        if (call == "Selection.Information property-get (4)")
            throw EOleException("the office died");
    };
    EXPECT_THROW(FConverter.ConvertDocuments(OutputFormat::Png), EOleException);
    EXPECT_EQ(FWord.FQuit, 1);
    EXPECT_FALSE(FView.FProgressVisible);
    EXPECT_EQ(FView.FStatus.back(), "");
    EXPECT_FALSE(FConverter.Active());
}

TEST_F(ConversionRun, NoContentPageIsNotWrittenUnderTheWrongName)
{
    AddDocument("a.docx", {.pages = 3});
    FWord.FBeforeCall = [&](const std::string& call) {
        if (call == "Range.CopyAsPicture method" && FView.FProgress.back().second == 2)
            throw EOleException("copy failed");
    };
    FConverter.ConvertDocuments(OutputFormat::Png);
    EXPECT_EQ(FilesInOutput(), (Strings{"a1.png", "a3.png"}));
    EXPECT_EQ(FView.FMessages,
              (Strings{"Warning: No content.", "Warning: 2 pages were written. These failed:\na.docx, page 2: No content."}));
    EXPECT_TRUE(TClipboard().Formats().empty());
}

TEST_F(ConversionRun, ClipboardIsEmptyAfterEveryCapture)
{
    AddDocument("a.docx", {.pages = 2});
    FConverter.ConvertDocuments(OutputFormat::Png);
    EXPECT_TRUE(TClipboard().Formats().empty());
}

TEST_F(ConversionRun, ABadScaleFailsThePageWithAClearError)
{
    AddDocument("a.docx", {.pages = 1});
    for (const char* scale : {"abc", "500", "0"}) {
        FSettings.FScale = scale;
        FConverter.ConvertDocuments(OutputFormat::Png);
        ASSERT_EQ(FConverter.LastReport().failures.size(), 1u) << scale;
        EXPECT_NE(FConverter.LastReport().failures[0].reason.find(scale), std::string::npos)
            << FConverter.LastReport().failures[0].reason;
    }
    EXPECT_TRUE(FilesInOutput().empty());
}

TEST_F(ConversionRun, ASecondRunCannotStartWhileOneIsActive)
{
    AddDocument("a.docx", {.pages = 2});
    bool nested = false;
    FView.FOnPump = [&] {
        if (!nested) {
            nested = true;
            FConverter.ConvertDocuments(OutputFormat::Bmp);
            FRows.FRows.clear(); // the run reads the rows it copied at its start
        }
    };
    FConverter.ConvertDocuments(OutputFormat::Png);
    EXPECT_EQ(FWord.FStarted, 1);
    EXPECT_EQ(FilesInOutput(), (Strings{"a1.png", "a2.png"}));
}

struct NameCase {
    std::string folder, document;
    int pages;
    std::string expectedLast;
};

void PrintTo(const NameCase& c, std::ostream* out)
{
    *out << c.folder << " + " << c.document << " page " << c.pages;
}

class OutputNames : public ConversionRun, public testing::WithParamInterface<NameCase> {};

TEST_P(OutputNames, FollowTheDocumentAndThePage)
{
    const NameCase& c = GetParam();
    FSettings.FFolder = (FTemp / c.folder).string();
    if (c.folder.back() == '/')
        FSettings.FFolder += "/";
    AddDocument(c.document, {.pages = c.pages});
    FConverter.ConvertDocuments(OutputFormat::Jpeg);
    EXPECT_EQ(FConverter.LastReport().writtenFiles.back(), (FTemp / c.folder).string() + c.expectedLast);
}

INSTANTIATE_TEST_SUITE_P(Cases, OutputNames,
                         testing::Values(NameCase{"Output", "a.b.docx", 2, "/a.b2.jpg"},
                                         NameCase{"Output", "notes", 1, "/notes1.jpg"},
                                         NameCase{"Output/", "report.docx", 1, "/report1.jpg"},
                                         NameCase{"Output", "report.docx", 12, "/report12.jpg"}));

struct GeometryCase {
    ScriptedDocument document;
    std::string scale;
    int width, height;
};

void PrintTo(const GeometryCase& c, std::ostream* out)
{
    *out << c.document.pageWidth << " x " << c.document.pageHeight << " margins " << c.document.leftMargin
         << " at " << c.scale << "%";
}

class PageGeometry : public ConversionRun, public testing::WithParamInterface<GeometryCase> {};

TEST_P(PageGeometry, ComposedPageHasTheScaledPageAndItsMargins)
{
    const GeometryCase& c = GetParam();
    AddDocument("a.docx", c.document);
    FSettings.FScale = c.scale;
    FConverter.ConvertDocuments(OutputFormat::Bmp);
    const TBitmap& page = FHolders.FPageBitmap.Page();
    EXPECT_EQ(page.Width(), c.width);
    EXPECT_EQ(page.Height(), c.height);
    EXPECT_EQ(page.BitsPerPixel(), 32);
    EXPECT_TRUE(FHolders.FJpegImage.Page().SharesPixelsWith(page));
}

INSTANTIATE_TEST_SUITE_P(Cases, PageGeometry,
                         testing::Values(GeometryCase{{}, "100", 739, 986},
                                         GeometryCase{{}, "50", 442, 565},
                                         GeometryCase{{.pageWidth = 612, .pageHeight = 792}, "100", 756, 936},
                                         GeometryCase{{.pageWidth = 612, .pageHeight = 792}, "75", 459 + 144, 594 + 144},
                                         GeometryCase{{.pageWidth = 593, .leftMargin = 0, .rightMargin = 0}, "50", 296, 565}));
