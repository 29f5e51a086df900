// Times the office engine through the automation surface, as the conversion run uses it:
// start to connected, open, page count, and each page's picture (select, copy, draw at 100 %).
// Usage: paginox_bench_office [--runs N] [--pages N] DOCUMENT...
#include "graphics/ClipboardPictures.h"
#include "graphics/TBitmap.h"
#include "office/WordApplication.h"
#include "platform/automation/OleObject.h"
#include "platform/clipboard/Clipboard.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace paginox;

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct RunTimes {
    double start = 0, open = 0, pageCount = 0, firstPicture = 0, perPicture = 0;
    int pages = 0;
};

// One page as the capture takes it: select the page, copy it, draw the metafile at 100 %.
void CapturePage(const OleObject& app, const OleObject& doc, int page)
{
    Variant number(page);
    const OleObject r1(doc.Call("goto", {1, 1, Variant::ByRef(number)}));
    const OleObject r2(r1.Call("GoToNext", {1}));
    const int start = r1.Get("Start").AsInteger();
    int next = r2.Get("Start").AsInteger();
    if (next == start)
        next = doc.GetObject("Range").Get("End").AsInteger();
    OleObject(doc.Call("Range", {start, next})).Call("Select");
    app.GetObject("Selection").GetObject("Range").Call("CopyAsPicture");

    TClipboard clipboard;
    const auto data = std::dynamic_pointer_cast<const MetafileClipData>(clipboard.GetData(ClipboardFormat::EnhMetafile));
    const OleObject setup = doc.GetObject("PageSetup");
    const int width = static_cast<int>(std::lround(setup.Get("PageWidth").AsDouble()));
    const int height = static_cast<int>(std::lround(setup.Get("PageHeight").AsDouble()));
    TBitmap bitmap(PixelFormat::Bits24);
    bitmap.SetSize(width, height);
    data->metafile.StretchDraw(bitmap, width, height);
}

RunTimes TimeDocument(const std::string& path, int pageLimit)
{
    RunTimes times;
    auto started = Clock::now();
    const OleObject app(CreateOleObject("Word.Application"));
    times.start = MillisecondsSince(started);

    Variant file(path);
    started = Clock::now();
    const OleObject doc(app.GetObject("Documents").Call("Open", {Variant::ByRef(file)}));
    times.open = MillisecondsSince(started);

    started = Clock::now();
    times.pages = app.GetObject("Selection").GetProperty("Information", {4}).AsInteger();
    times.pageCount = MillisecondsSince(started);

    const int pages = pageLimit > 0 ? std::min(pageLimit, times.pages) : times.pages;
    started = Clock::now();
    CapturePage(app, doc, 1);
    times.firstPicture = MillisecondsSince(started);
    started = Clock::now();
    for (int page = 2; page <= pages; ++page)
        CapturePage(app, doc, page);
    times.perPicture = pages > 1 ? MillisecondsSince(started) / (pages - 1) : 0;

    app.Call("Quit");
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 5, pageLimit = 0;
    std::vector<std::string> documents;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--pages") == 0 && i + 1 < argc)
            pageLimit = std::atoi(argv[++i]);
        else
            documents.emplace_back(argv[i]);
    }
    if (documents.empty()) {
        std::fprintf(stderr, "usage: %s [--runs N] [--pages N] DOCUMENT...\n", argv[0]);
        return 2;
    }
    RegisterWordApplication(ServerRegistry::Default());
    try {
        for (const auto& path : documents) {
            std::vector<double> start, open, count, first, per;
            int pages = 0;
            for (int run = 0; run < runs; ++run) {
                const RunTimes times = TimeDocument(path, pageLimit);
                start.push_back(times.start);
                open.push_back(times.open);
                count.push_back(times.pageCount);
                first.push_back(times.firstPicture);
                per.push_back(times.perPicture);
                pages = times.pages;
            }
            std::printf("%s: %d pages, median of %d runs\n", path.c_str(), pages, runs);
            std::printf("  start to connected   %8.1f ms\n", Median(start));
            std::printf("  open                 %8.1f ms\n", Median(open));
            std::printf("  page count           %8.1f ms\n", Median(count));
            std::printf("  first page picture   %8.1f ms (includes the PDF export of the document)\n", Median(first));
            std::printf("  each further picture %8.1f ms\n", Median(per));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "error: %s\n", error.what());
        return 1;
    }
    return 0;
}
