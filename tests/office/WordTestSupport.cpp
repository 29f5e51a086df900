#include "WordTestSupport.h"

#include "graphics/ClipboardPictures.h"
#include "office/WordApplication.h"
#include "platform/clipboard/Clipboard.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace paginox::test {

std::string CorpusFile(const std::string& name)
{
    return std::string(PAGINOX_CORPUS_DIR) + "/" + name;
}

WordUnderTest::WordUnderTest(OfficeOptions options)
    : session(std::make_shared<OfficeSession>(std::move(options))), app(CreateWordApplication(session))
{
}

OleObject WordUnderTest::Open(const std::string& path) const
{
    Variant file(path);
    return OleObject(app.GetObject("Documents").Call("Open", {Variant::ByRef(file)}));
}

int WordUnderTest::PageCount() const
{
    return app.GetObject("Application").GetObject("Selection").GetProperty("Information", {4}).AsInteger();
}

void WordUnderTest::SelectPage(const OleObject& document, int page) const
{
    Variant number(page);
    const OleObject r1(document.Call("goto", {1, 1, Variant::ByRef(number)}));
    const OleObject r2(r1.Call("GoToNext", {1}));
    if (r2.Get("Start").AsInteger() == r1.Get("Start").AsInteger())
        r2.Put("Start", document.GetObject("Range").Get("End"));
    OleObject(document.Call("Range", {r1.Get("Start"), r2.Get("Start")})).Call("Select");
}

TBitmap WordUnderTest::CopySelectionAndDraw(int width, int height) const
{
    app.GetObject("Application").GetObject("Selection").GetObject("Range").Call("CopyAsPicture");
    TClipboard clipboard;
    const auto data = std::dynamic_pointer_cast<const MetafileClipData>(clipboard.GetData(ClipboardFormat::EnhMetafile));
    EXPECT_NE(data, nullptr);
    TBitmap bitmap(PixelFormat::Bits24);
    bitmap.SetSize(width, height);
    if (data)
        data->metafile.StretchDraw(bitmap, width, height);
    return bitmap;
}

char ProcessState(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto nameEnd = line.rfind(')'); // the name may hold spaces
    return nameEnd == std::string::npos || nameEnd + 2 >= line.size() ? '?' : line[nameEnd + 2];
}

bool ProcessExists(pid_t pid)
{
    if (pid <= 0 || kill(pid, 0) != 0)
        return false;
    // A zombie waiting for its reaper has ended all the same.
    return ProcessState(pid) != 'Z';
}

bool FolderExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

int DarkPixels(const TBitmap& bitmap)
{
    return DarkPixels(bitmap, 0, 0, bitmap.Width(), bitmap.Height());
}

int DarkPixels(const TBitmap& bitmap, int left, int top, int right, int bottom)
{
    int dark = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const Rgb pixel = bitmap.Pixel(x, y);
            if (pixel.red + pixel.green + pixel.blue < 3 * 128)
                ++dark;
        }
    return dark;
}

} // namespace paginox::test
