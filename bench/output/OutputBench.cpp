// Each writer side by side with what its library (or the system) does alone on the
// same page, interleaved run by run, medians reported.
#include "CorpusPage.h"
#include "OutputTestSupport.h"
#include "output/JpegEncoder.h"
#include "output/TJPEGImage.h"
#include "output/TPNGObject.h"
#include "output/TPageBitmap.h"
#include "platform/files/TemporaryFolder.h"

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace paginox;

namespace {

using Clock = std::chrono::steady_clock;

struct Timing {
    double cpu = 0, wall = 0; // milliseconds
};

// The thread's own processor time, kernel time included, is what other processes on
// a shared machine disturb least; wall time is shown beside it.
double ThreadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Timing Measure(const std::function<void()>& work)
{
    const double cpu = ThreadCpuMilliseconds();
    const auto start = Clock::now();
    work();
    return {ThreadCpuMilliseconds() - cpu, std::chrono::duration<double, std::milli>(Clock::now() - start).count()};
}

double Fastest(std::vector<double> values)
{
    return *std::min_element(values.begin(), values.end());
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs both alternately, so that both see the same machine; the ratio is of the
// fastest processor times, medians of wall time beside them.
void Compare(const char* what, const std::function<void()>& ours, const std::function<void()>& floor, int repetitions,
             double goal)
{
    std::vector<double> oursCpu, oursWall, floorCpu, floorWall;
    ours();
    floor();
    for (int i = 0; i < repetitions; ++i) {
        const Timing a = Measure(ours), b = Measure(floor);
        oursCpu.push_back(a.cpu);
        oursWall.push_back(a.wall);
        floorCpu.push_back(b.cpu);
        floorWall.push_back(b.wall);
    }
    const double ratio = Fastest(oursCpu) / Fastest(floorCpu);
    std::printf("%-34s ours %7.3f ms  floor %7.3f ms  ratio %5.3f (goal <= %.2f) %-4s  wall medians %7.3f / %7.3f ms\n",
                what, Fastest(oursCpu), Fastest(floorCpu), ratio, goal, ratio <= goal ? "ok" : "OVER", Median(oursWall),
                Median(floorWall));
}

std::vector<uint8_t> SubFilteredRgbRows(const TBitmap& page)
{
    std::vector<uint8_t> out;
    for (int y = 0; y < page.Height(); ++y) {
        const uint8_t* in = page.ScanLine(y);
        out.push_back(1);
        uint8_t previous[3] = {0, 0, 0};
        for (int x = 0; x < page.Width(); ++x) {
            const uint8_t rgb[3] = {in[4 * x + 2], in[4 * x + 1], in[4 * x]};
            for (int c = 0; c < 3; ++c) {
                out.push_back(static_cast<uint8_t>(rgb[c] - previous[c]));
                previous[c] = rgb[c];
            }
        }
    }
    return out;
}

// zlib alone: the same settings, the same rows (one deflate call a row), output
// into a 65535-byte buffer that is reused and, with a file, written each time it fills.
size_t DeflateRows(const std::vector<uint8_t>& filtered, size_t rowBytes, int fd = -1)
{
    z_stream stream{};
    deflateInit2(&stream, 7, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY);
    static std::vector<uint8_t> buffer(65535);
    size_t total = 0;
    const auto drain = [&](int flush) {
        int status;
        do {
            stream.next_out = buffer.data();
            stream.avail_out = static_cast<uInt>(buffer.size());
            status = deflate(&stream, flush);
            const size_t produced = buffer.size() - stream.avail_out;
            total += produced;
            if (fd >= 0 && produced > 0 && ::write(fd, buffer.data(), produced) != static_cast<ssize_t>(produced))
                std::perror("write");
        } while (stream.avail_out == 0 && status != Z_STREAM_END);
    };
    for (size_t at = 0; at < filtered.size(); at += rowBytes) {
        stream.next_in = const_cast<uint8_t*>(filtered.data() + at);
        stream.avail_in = static_cast<uInt>(rowBytes);
        drain(Z_NO_FLUSH);
    }
    drain(Z_FINISH);
    deflateEnd(&stream);
    return total;
}

int CreateAlways(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        std::perror("open");
    return fd;
}

void WriteOnce(const std::string& path, const std::vector<uint8_t>& bytes)
{
    const int fd = CreateAlways(path);
    if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        std::perror("write");
    ::close(fd);
}

// Nanoseconds a TakePage costs at a page size, the holder already holding a page of
// that size. The first call after a change of page releases the previous page when
// the holder had its last reference; that is the previous page's cost, not this one's.
double TakePageNanoseconds(TGraphic& holder, int width, int height)
{
    TBitmap page(PixelFormat::Bits32);
    page.SetSize(width, height);
    holder.TakePage(page);
    constexpr int Calls = 20000;
    const auto start = Clock::now();
    for (int i = 0; i < Calls; ++i)
        holder.TakePage(page);
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / Calls;
}

} // namespace

int main(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::max(3, std::atoi(argv[1])) : 21;
    const TemporaryFolder folder("paginox-output-bench-");
    const std::string file = folder.Entry("page");

    struct Sample {
        const char* name;
        TBitmap page;
    };
    const Sample samples[] = {{"text page (Bug51170.docx 1)", testing::ComposedCorpusPage("Bug51170.docx", 0)},
                              {"photo page (testPictures.doc 1)", testing::ComposedCorpusPage("testPictures.doc", 0)}};

    for (const Sample& sample : samples) {
        const TBitmap& page = sample.page;
        std::printf("%s: %d x %d at %d bits\n", sample.name, page.Width(), page.Height(), page.BitsPerPixel());

        TPNGObject png;
        png.TakePage(page);
        const std::vector<uint8_t> filtered = SubFilteredRgbRows(page);
        const size_t rowBytes = 1 + 3 * static_cast<size_t>(page.Width());
        Compare("  PNG WriteImageFile vs deflate", [&] { png.WriteImageFile(file + ".png"); },
                [&] { DeflateRows(filtered, rowBytes); }, repetitions, 1.05);
        Compare("    the same, floor writing its file", [&] { png.WriteImageFile(file + ".png"); },
                [&] {
                    const int fd = CreateAlways(file + "-floor.png");
                    DeflateRows(filtered, rowBytes, fd);
                    ::close(fd);
                },
                repetitions, 1.05);

        TJPEGImage jpeg;
        // libjpeg alone, reading the page's rows as they lie.
        const auto libjpeg = [&] { return testing::LibjpegEncoding(page, testing::LibjpegInput::PageRows); };
        Compare("  JPEG encoding vs libjpeg", [&] { EncodeJpeg(page); }, libjpeg, repetitions, 1.1);
        const auto writeJpeg = [&] {
            jpeg.TakePage(page); // drops the stream, so that every run encodes
            jpeg.WriteImageFile(file + ".jpg");
        };
        Compare("  JPEG WriteImageFile vs libjpeg", writeJpeg, libjpeg, repetitions, 1.1);
        Compare("    the same, floor writing its file", writeJpeg,
                [&] { WriteOnce(file + "-floor.jpg", libjpeg()); }, repetitions, 1.1);

        TPageBitmap bmp;
        bmp.TakePage(page);
        bmp.WriteImageFile(file + ".bmp");
        const std::vector<uint8_t> bmpBytes = [&] {
            FILE* in = std::fopen((file + ".bmp").c_str(), "rb");
            std::vector<uint8_t> bytes(std::filesystem::file_size(file + ".bmp"));
            if (std::fread(bytes.data(), 1, bytes.size(), in) != bytes.size())
                std::perror("read");
            std::fclose(in);
            return bytes;
        }();
        Compare("  BMP WriteImageFile vs one write", [&] { bmp.WriteImageFile(file + ".bmp"); },
                [&] { WriteOnce(file + "-once.bmp", bmpBytes); }, repetitions, 2.0);
        std::printf("  sizes: PNG %zu, JPEG %zu, BMP %zu bytes\n",
                    static_cast<size_t>(std::filesystem::file_size(file + ".png")),
                    static_cast<size_t>(std::filesystem::file_size(file + ".jpg")), bmpBytes.size());
    }

    std::printf("TakePage, ns a call:   %10s %10s %10s\n", "100x100", "739x986", "4000x4000");
    TJPEGImage jpeg;
    TPageBitmap bmp;
    TPNGObject png;
    for (auto [name, holder] : {std::pair<const char*, TGraphic*>{"JPEG", &jpeg}, {"BMP", &bmp}}) {
        std::printf("  %-20s %10.1f %10.1f %10.1f\n", name, TakePageNanoseconds(*holder, 100, 100),
                    TakePageNanoseconds(*holder, 739, 986), TakePageNanoseconds(*holder, 4000, 4000));
    }
    {
        TBitmap page = testing::ComposedCorpusPage("Bug51170.docx", 0);
        std::vector<double> runs;
        for (int i = 0; i < repetitions; ++i)
            runs.push_back(Measure([&] { png.TakePage(page); }).cpu);
        std::printf("  PNG copies the pixels: %.3f ms at 739x986\n", Fastest(runs));
    }
    return 0;
}
