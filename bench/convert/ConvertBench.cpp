// Times whole conversion runs inside the process against the floor of the same work:
// the office's layout, its PDF export, drawing each page and encoding it. Also reports
// the process's own peak resident memory (the office is another process).
// Usage: paginox_bench_convert [--format png|jpg|bmp]... DOCUMENT...
#include "conversion/Converter.h"
#include "conversion/FixedInputs.h"
#include "graphics/ClipboardPictures.h"
#include "graphics/TBitmap.h"
#include "office/WordApplication.h"
#include "platform/automation/OleObject.h"
#include "platform/automation/ServerRegistry.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/files/TemporaryFolder.h"

#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using namespace paginox;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class QuietView final : public RunView {
public:
    void RepaintWindow() override {}
    void ProcessMessages() override {}
    void SetStatus(const std::string&) override {}
    void ShowProgress(bool) override {}
    void SetProgress(int, int) override {}
    void ShowMessage(const std::string& text, const std::string& title) override
    {
        if (title != "Congratulation")
            std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    }
    void OpenFolder(const std::string&) override {}
};

struct Floor {
    int pages = 0;
    double layout = 0, pdf = 0, draw = 0, encode = 0;
    double start = 0, quit = 0; // office start and end: part of a run, not of the floor
    double Total() const { return layout + pdf + draw + encode; }
};

int Rounded(const Variant& v)
{
    return static_cast<int>(std::nearbyint(v.AsDouble()));
}

// The unavoidable work of one document: layout and page count, the PDF export (the
// first copy), then every page drawn at 100 % with its margins and encoded.
Floor MeasureFloor(ServerRegistry& registry, const std::string& path, OutputFormat format, const std::string& folder)
{
    Floor floor;
    auto start = Clock::now();
    const OleObject word(registry.Create("Word.Application"));
    floor.start = SecondsSince(start);
    start = Clock::now();
    Variant file(path);
    word.GetObject("Documents").Call("Open", {Variant::ByRef(file)});
    floor.pages = Rounded(word.GetObject("Selection").GetProperty("Information", {4}));
    floor.layout = SecondsSince(start);

    start = Clock::now();
    const OleObject doc = word.GetObject("ActiveDocument");
    OleObject(doc.Call("Range", {0, 1})).Call("Select");
    word.GetObject("Selection").GetObject("Range").Call("CopyAsPicture");
    TClipboard clipboard;
    const auto data = std::dynamic_pointer_cast<const MetafileClipData>(clipboard.GetData(ClipboardFormat::EnhMetafile));
    floor.pdf = SecondsSince(start);
    const OleObject setup = doc.GetObject("PageSetup");
    const int left = Rounded(setup.Get("LeftMargin")), right = Rounded(setup.Get("RightMargin"));
    const int top = Rounded(setup.Get("TopMargin")), bottom = Rounded(setup.Get("BottomMargin"));
    const int width = Rounded(setup.Get("PageWidth")), height = Rounded(setup.Get("PageHeight"));

    PageHolders holders;
    TGraphic& holder = format == OutputFormat::Jpeg ? static_cast<TGraphic&>(holders.FJpegImage)
                       : format == OutputFormat::Png ? static_cast<TGraphic&>(holders.FPngImage)
                                                     : static_cast<TGraphic&>(holders.FPageBitmap);
    for (int page = 0; page < floor.pages; ++page) {
        start = Clock::now();
        TBitmap scaled(PixelFormat::Bits24);
        scaled.SetSize(width, height);
        data->metafile.Document()->DrawPage(page, scaled, width, height);
        TBitmap composed;
        composed.SetSize(width + left + right, height + top + bottom);
        composed.Draw(left, top, scaled);
        holder.TakePage(composed);
        floor.draw += SecondsSince(start);
        start = Clock::now();
        holder.WriteImageFile(folder + "/floor" + ExtensionOf(format));
        floor.encode += SecondsSince(start);
    }
    start = Clock::now();
    word.Call("Quit");
    floor.quit = SecondsSince(start);
    return floor;
}

double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

const char* FormatName(OutputFormat format)
{
    return ExtensionOf(format) + 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<OutputFormat> formats;
    std::vector<std::string> documents;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--format" && i + 1 < argc) {
            const std::string name = argv[++i];
            formats.push_back(name == "jpg" ? OutputFormat::Jpeg : name == "bmp" ? OutputFormat::Bmp : OutputFormat::Png);
        } else {
            documents.push_back(std::filesystem::absolute(arg).string());
        }
    }
    if (documents.empty()) {
        std::fprintf(stderr, "usage: paginox_bench_convert [--format png|jpg|bmp]... DOCUMENT...\n");
        return 2;
    }
    if (formats.empty())
        formats = {OutputFormat::Png, OutputFormat::Jpeg, OutputFormat::Bmp};

    ServerRegistry registry;
    RegisterWordApplication(registry);
    const TemporaryFolder output("paginox-bench-convert-");
    const std::filesystem::path folder = output.Entry("Output");
    std::printf("(office start and quit are part of a run, not of the floor; they follow each row)\n");
    std::printf("%-22s %-4s %6s %9s %9s %8s %8s %8s %8s %7s  start/quit\n", "document", "fmt", "pages", "run s", "pages/s",
                "floor s", "layout", "pdf", "draw+enc", "run/fl");
    for (const std::string& document : documents) {
        for (OutputFormat format : formats) {
            std::filesystem::remove_all(folder);
            std::filesystem::create_directories(folder);
            const Floor floor = MeasureFloor(registry, document, format, folder.string());

            QuietView view;
            RowList rows;
            rows.FRows = {{true, document}};
            SettingsTexts settings;
            settings.FFolder = folder.string();
            PageHolders holders;
            Converter converter(view, rows, settings, holders, registry);
            const auto start = Clock::now();
            converter.ConvertDocuments(format);
            const double run = SecondsSince(start);
            const size_t pages = converter.LastReport().writtenFiles.size();
            std::printf("%-22s %-4s %6zu %9.3f %9.1f %8.3f %8.3f %8.3f %8.3f %7.2f  %.3f/%.3f\n",
                        std::filesystem::path(document).filename().string().substr(0, 22).c_str(), FormatName(format),
                        pages, run, pages / run, floor.Total(), floor.layout, floor.pdf, floor.draw + floor.encode,
                        run / floor.Total(), floor.start, floor.quit);
        }
    }
    std::printf("peak resident memory of this process: %.1f MB\n", PeakResidentMegabytes());
    return 0;
}
