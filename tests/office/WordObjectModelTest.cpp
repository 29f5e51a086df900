// The object model against a real office on corpus documents.
#include "WordTestSupport.h"

#include "graphics/ClipboardPictures.h"
#include "platform/automation/EOleException.h"
#include "platform/clipboard/Clipboard.h"

#include <cmath>
#include <gtest/gtest.h>

namespace paginox::test {
namespace {

class OfficeObjectModel : public ::testing::Test {
protected:
    static void SetUpTestSuite() { FWord = std::make_unique<WordUnderTest>(); }
    static void TearDownTestSuite() { FWord.reset(); }
    void TearDown() override
    {
        // Each test leaves no document open for the next.
        try {
            for (;;)
                FWord->app.GetObject("ActiveWindow").Call("Close");
        } catch (const EOleException&) {
        }
    }
    const WordUnderTest& Word() const { return *FWord; }

    static std::unique_ptr<WordUnderTest> FWord;
};
std::unique_ptr<WordUnderTest> OfficeObjectModel::FWord;

struct PageCountCase {
    const char* file;
    int pages; // the layout's pages, blank ones inserted by the office included
};

class OfficeCorpusPageCount : public OfficeObjectModel, public ::testing::WithParamInterface<PageCountCase> {};

TEST_P(OfficeCorpusPageCount, AgreesWithTheCorpusReadme)
{
    Word().Open(CorpusFile(GetParam().file));
    EXPECT_EQ(Word().PageCount(), GetParam().pages);
    // The document's range ends at the page count.
    EXPECT_EQ(Word().app.GetObject("ActiveDocument").GetObject("Range").Get("End").AsInteger(), GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(Corpus, OfficeCorpusPageCount,
                         ::testing::Values(PageCountCase{"53379.doc", 30}, PageCountCase{"Word95.doc", 1},
                                           PageCountCase{"simple.doc", 1}, PageCountCase{"testPictures.doc", 4},
                                           PageCountCase{"55733.docx", 1}, PageCountCase{"60329.docx", 3},
                                           PageCountCase{"Bug51170.docx", 7}, PageCountCase{"Headers.docx", 3},
                                           PageCountCase{"IllustrativeCases.docx", 4},
                                           PageCountCase{"bug57031.docx", 14}, PageCountCase{"bug65649.docx", 180},
                                           PageCountCase{"drawing.docx", 20}, PageCountCase{"zero-length.docx", 1},
                                           PageCountCase{"45690.docm", 2}, PageCountCase{"SimpleMacro.docm", 1},
                                           PageCountCase{"60316.dotx", 1}, PageCountCase{"test.dotx", 1}),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param.file; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST_F(OfficeObjectModel, NavigatesFirstMiddleAndLastPage)
{
    const OleObject document = Word().Open(CorpusFile("53379.doc"));
    const int count = Word().PageCount();
    ASSERT_EQ(count, 30);
    for (const int page : {1, 15, count}) {
        SCOPED_TRACE(page);
        Variant number(page);
        const OleObject r1(document.Call("goto", {1, 1, Variant::ByRef(number)}));
        EXPECT_EQ(r1.Get("Start").AsInteger(), page - 1);
        const OleObject r2(r1.Call("GoToNext", {1}));
        // The last page has no next one: GoToNext gives the same start.
        EXPECT_EQ(r2.Get("Start").AsInteger(), page < count ? page : page - 1);

        Word().SelectPage(document, page);
        const OleObject selected = Word().app.GetObject("Selection").GetObject("Range");
        EXPECT_EQ(selected.Get("Start").AsInteger(), page - 1);
        EXPECT_EQ(selected.Get("End").AsInteger(), page);
    }
}

TEST_F(OfficeObjectModel, GotoOutsideThePagesGoesToTheNearestEnd)
{
    const OleObject document = Word().Open(CorpusFile("60329.docx"));
    for (const auto& [asked, start] : {std::pair{0, 0}, std::pair{-5, 0}, std::pair{4, 2}, std::pair{99, 2}}) {
        Variant number(asked);
        EXPECT_EQ(OleObject(document.Call("goto", {1, 1, Variant::ByRef(number)})).Get("Start").AsInteger(), start)
            << asked;
    }
}

TEST_F(OfficeObjectModel, PageSetupOfALetterPageInPoints)
{
    struct Case {
        const char* file;
        int page;
        double width, height, margin;
    };
    for (const Case& c : {Case{"55733.docx", 1, 612, 792, 72}, Case{"bug57031.docx", 7, 612, 792, 72},
                          Case{"60329.docx", 2, 792, 612, 7.2}}) {
        SCOPED_TRACE(c.file);
        const OleObject document = Word().Open(CorpusFile(c.file));
        Word().SelectPage(document, c.page);
        const OleObject setup = Word().app.GetObject("ActiveDocument").GetObject("PageSetup");
        EXPECT_NEAR(setup.Get("PageWidth").AsDouble(), c.width, 0.05);
        EXPECT_NEAR(setup.Get("PageHeight").AsDouble(), c.height, 0.05);
        for (const char* margin : {"LeftMargin", "RightMargin", "TopMargin", "BottomMargin"})
            EXPECT_NEAR(setup.Get(margin).AsDouble(), c.margin, 0.05) << margin;
    }
}

TEST_F(OfficeObjectModel, MarginsIncludeHeaderAndFooterAsInWord)
{
    const OleObject document = Word().Open(CorpusFile("Headers.docx"));
    Word().SelectPage(document, 1);
    const OleObject setup = document.GetObject("PageSetup");
    // Word's 1134 twips: 2000 hundredths of a millimetre, of which the office puts 751
    // into the header's height.
    EXPECT_NEAR(setup.Get("TopMargin").AsDouble(), 2000 * 72.0 / 2540, 0.05);
    EXPECT_NEAR(setup.Get("BottomMargin").AsDouble(), 2000 * 72.0 / 2540, 0.05);
}

TEST_F(OfficeObjectModel, CopyAsPicturePutsThePageMetafileOnTheClipboard)
{
    const OleObject document = Word().Open(CorpusFile("53379.doc"));
    for (const int page : {1, 30}) {
        SCOPED_TRACE(page);
        Word().SelectPage(document, page);
        const OleObject setup = document.GetObject("PageSetup");
        const int width = static_cast<int>(std::lround(setup.Get("PageWidth").AsDouble()));
        const int height = static_cast<int>(std::lround(setup.Get("PageHeight").AsDouble()));
        const TBitmap bitmap = Word().CopySelectionAndDraw(width, height);

        TClipboard clipboard;
        EXPECT_EQ(clipboard.Formats(),
                  (std::vector<ClipboardFormat>{ClipboardFormat::EnhMetafile, ClipboardFormat::MetafilePict}));
        const auto data =
            std::dynamic_pointer_cast<const MetafileClipData>(clipboard.GetData(ClipboardFormat::MetafilePict));
        ASSERT_NE(data, nullptr);
        // The metafile's own size at 100 % is the page's size in points.
        EXPECT_NEAR(data->metafile.Width(), width * 96 / 72, 2);
        EXPECT_EQ(bitmap.Width(), width);
        // Text between the margins: dark pixels there, but far fewer than white ones; the
        // corners outside the margins stay white.
        const int left = static_cast<int>(setup.Get("LeftMargin").AsDouble());
        const int top = static_cast<int>(setup.Get("TopMargin").AsDouble());
        const int right = width - static_cast<int>(setup.Get("RightMargin").AsDouble());
        const int bottom = height - static_cast<int>(setup.Get("BottomMargin").AsDouble());
        const int dark = DarkPixels(bitmap, left, top, right, bottom);
        EXPECT_GT(dark, 500);
        EXPECT_LT(dark, width * height / 4);
        EXPECT_EQ(DarkPixels(bitmap, 0, 0, left, top), 0);
        EXPECT_EQ(DarkPixels(bitmap, right, bottom, width, height), 0);
    }
}

TEST_F(OfficeObjectModel, BlankPageInsertedByTheOfficeIsPictured)
{
    // 53379.doc's layout holds one blank page the office inserts; every page, that one
    // included, has its picture, so the last picture is the last page, not beyond it.
    const OleObject document = Word().Open(CorpusFile("53379.doc"));
    int blank = 0;
    for (int page = 1; page <= 30; ++page) {
        Word().SelectPage(document, page);
        if (DarkPixels(Word().CopySelectionAndDraw(612 / 4, 792 / 4)) == 0)
            ++blank;
    }
    EXPECT_GE(blank, 1);
}

TEST_F(OfficeObjectModel, CopyingAnEmptySelectionFails)
{
    const OleObject document = Word().Open(CorpusFile("simple.doc"));
    Variant number(1);
    OleObject(document.Call("goto", {1, 1, Variant::ByRef(number)})).Call("Select");
    EXPECT_THROW(Word().app.GetObject("Selection").GetObject("Range").Call("CopyAsPicture"), EOleException);
    // A freshly opened document's selection is empty too.
    Word().Open(CorpusFile("60329.docx"));
    EXPECT_THROW(Word().app.GetObject("Selection").GetObject("Range").Call("CopyAsPicture"), EOleException);
}

TEST_F(OfficeObjectModel, ApplicationMembersAsTheRunCallsThem)
{
    const OleObject& app = Word().app;
    app.Put("Visible", true);
    app.Put("WindowState", 2);
    EXPECT_TRUE(app.Get("Visible").AsBoolean());
    EXPECT_EQ(app.Get("WindowState").AsInteger(), 2);
    EXPECT_EQ(app.GetObject("Application").Dispatch(), app.Dispatch());
    // No document yet: Word has no active document, window or selection.
    EXPECT_THROW(app.Get("ActiveDocument"), EOleException);
    EXPECT_THROW(app.Get("ActiveWindow"), EOleException);
    EXPECT_THROW(app.Get("Selection"), EOleException);

    const OleObject first = Word().Open(CorpusFile("simple.doc"));
    const OleObject second = Word().Open(CorpusFile("60329.docx"));
    EXPECT_EQ(Word().PageCount(), 3); // the last opened is active
    first.Call("Activate");
    EXPECT_EQ(Word().PageCount(), 1);
    app.GetObject("ActiveWindow").Call("Close");
    EXPECT_EQ(Word().PageCount(), 3);
    // Information is a property get; members match without regard to case.
    EXPECT_THROW(app.GetObject("Selection").Call("Information", {4}), EOleException);
    EXPECT_EQ(app.GetObject("selection").GetProperty("INFORMATION", {4}).AsInteger(), 3);
}

} // namespace
} // namespace paginox::test
