#include "CorpusPage.h"
#include "OutputTestSupport.h"
#include "output/OutputErrors.h"
#include "output/TJPEGImage.h"
#include "output/TPNGObject.h"
#include "output/TPageBitmap.h"
#include "platform/files/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

namespace paginox::testing {
namespace {

struct HolderKind {
    std::string name, extension;
    std::function<std::unique_ptr<TGraphic>()> make;
};

std::string NameOf(const ::testing::TestParamInfo<HolderKind>& info)
{
    return info.param.name;
}

// While it lives, this process may write no byte to any file: a full disk of its own.
// (/dev/full would do, but the holders lock what they write, and tests running side by
// side would find the one /dev/full locked by each other.)
class NoRoomForBytes final {
public:
    NoRoomForBytes() : FSignal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &FLimit);
        rlimit none = FLimit;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoRoomForBytes()
    {
        setrlimit(RLIMIT_FSIZE, &FLimit);
        std::signal(SIGXFSZ, FSignal);
    }
    NoRoomForBytes(const NoRoomForBytes&) = delete;
    NoRoomForBytes& operator=(const NoRoomForBytes&) = delete;

private:
    rlimit FLimit{};
    void (*FSignal)(int);
};

class EveryHolder : public ::testing::TestWithParam<HolderKind> {
protected:
    std::unique_ptr<TGraphic> HolderWithPage() const
    {
        auto holder = GetParam().make();
        holder->TakePage(PatternPage(45, 31));
        return holder;
    }
    std::string File(const std::string& stem) const { return FFolder.Entry(stem + GetParam().extension); }

    TemporaryFolder FFolder;
};

TEST_P(EveryHolder, TwoWritesAreIdentical)
{
    const auto holder = HolderWithPage();
    holder->WriteImageFile(File("a"));
    holder->WriteImageFile(File("b"));
    EXPECT_FALSE(ReadBytes(File("a")).empty());
    EXPECT_EQ(ReadBytes(File("a")), ReadBytes(File("b")));
}

TEST_P(EveryHolder, AnExistingFileIsReplacedNotAppendedTo)
{
    const auto holder = HolderWithPage();
    holder->WriteImageFile(File("fresh"));
    {
        std::ofstream old(File("old"), std::ios::binary);
        old << std::string(1 << 20, 'x');
    }
    holder->WriteImageFile(File("old"));
    EXPECT_EQ(ReadBytes(File("old")), ReadBytes(File("fresh")));
}

struct BadPath {
    std::string relative, reason;
};

// The file cannot be made: EFCreateError with the path and the system's text, no
// file left behind, nothing left open, and the holder still has its page.
TEST_P(EveryHolder, AnUncreatableFileRaisesEFCreateError)
{
    const auto holder = HolderWithPage();
    holder->WriteImageFile(File("before"));
    std::ofstream(FFolder.Entry("plain")) << "a file, not a folder";
    const int descriptors = OpenDescriptorCount();
    for (const BadPath& bad : {BadPath{"missing/page", std::strerror(ENOENT)}, BadPath{"plain/page", std::strerror(ENOTDIR)}}) {
        const std::string path = FFolder.Entry(bad.relative + GetParam().extension);
        try {
            holder->WriteImageFile(path);
            ADD_FAILURE() << "no error for " << path;
        } catch (const EFCreateError& error) {
            EXPECT_EQ(error.Message(), "Cannot create file \"" + path + "\". " + bad.reason);
        }
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    holder->WriteImageFile(File("after"));
    EXPECT_EQ(ReadBytes(File("after")), ReadBytes(File("before")));
}

// A disk that takes no bytes: EWriteError, the file closed, the page kept.
TEST_P(EveryHolder, AShortWriteRaisesEWriteError)
{
    const auto holder = HolderWithPage();
    const int descriptors = OpenDescriptorCount();
    try {
        const NoRoomForBytes full;
        holder->WriteImageFile(File("full"));
        ADD_FAILURE() << "no error";
    } catch (const EWriteError& error) {
        EXPECT_EQ(error.Message(), "Stream write error");
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    holder->WriteImageFile(File("after"));
    EXPECT_FALSE(ReadBytes(File("after")).empty());
}

// While another writer holds the file it is neither truncated nor written.
TEST_P(EveryHolder, AFileInUseIsLeftAlone)
{
    const auto holder = HolderWithPage();
    const std::string path = File("busy");
    std::ofstream(path) << "someone else's";
    const int other = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    try {
        holder->WriteImageFile(path);
        ADD_FAILURE() << "no error";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(), "Cannot create file \"" + path + "\". " + std::strerror(EWOULDBLOCK));
    }
    ::close(other);
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{'s', 'o', 'm', 'e', 'o', 'n', 'e', ' ', 'e', 'l', 's', 'e', '\'', 's'}));
    holder->WriteImageFile(path);
    EXPECT_GT(ReadBytes(path).size(), 14u);
}

// The caller drops its page right after TakePage; the holder must not need it.
TEST_P(EveryHolder, KeepsThePageAfterTheCallerDropsIt)
{
    auto holder = GetParam().make();
    auto reference = GetParam().make();
    {
        TBitmap page = PatternPage(20, 10);
        holder->TakePage(page);
        reference->TakePage(PatternPage(20, 10));
        page.SetPixel(0, 0, {1, 2, 3}); // the caller reuses its bitmap
    }
    holder->WriteImageFile(File("held"));
    reference->WriteImageFile(File("reference"));
    EXPECT_EQ(ReadBytes(File("held")), ReadBytes(File("reference")));
}

INSTANTIATE_TEST_SUITE_P(Holders, EveryHolder,
                         ::testing::Values(HolderKind{"Jpeg", ".jpg", [] { return std::make_unique<TJPEGImage>(); }},
                                           HolderKind{"Png", ".png", [] { return std::make_unique<TPNGObject>(); }},
                                           HolderKind{"Bmp", ".bmp", [] { return std::make_unique<TPageBitmap>(); }}),
                         NameOf);

TEST(PageSharing, JpegAndBitmapHoldersShareThePixels)
{
    const TBitmap page = PatternPage(300, 200);
    TJPEGImage jpeg;
    TPageBitmap bmp;
    jpeg.TakePage(page);
    bmp.TakePage(page);
    EXPECT_TRUE(jpeg.Page().SharesPixelsWith(page));
    EXPECT_TRUE(bmp.Page().SharesPixelsWith(page));
}

// Pages drawn by the office engine, written in all three formats: the BMP and PNG
// give back the page exactly (BMP bottom-up, PNG top-down), the JPEG nearly.
class CorpusPageFiles : public ::testing::TestWithParam<std::pair<std::string, int>> {};

TEST_P(CorpusPageFiles, ShowTheSameColoursInEveryFormat)
{
    const TBitmap page = ComposedCorpusPage(GetParam().first, GetParam().second);
    ASSERT_EQ(page.Width(), 739);
    ASSERT_EQ(page.Height(), 986);
    TemporaryFolder folder;
    TJPEGImage jpeg;
    TPageBitmap bmp;
    TPNGObject png;
    bmp.TakePage(page);
    jpeg.TakePage(page);
    png.TakePage(page);
    jpeg.WriteImageFile(folder.Entry("p.jpg"));
    png.WriteImageFile(folder.Entry("p.png"));
    bmp.WriteImageFile(folder.Entry("p.bmp"));

    const DecodedImage fromPng = DecodePng(ReadBytes(folder.Entry("p.png")));
    const DecodedImage fromJpeg = DecodeJpeg(ReadBytes(folder.Entry("p.jpg")));
    const auto bmpFile = ReadBytes(folder.Entry("p.bmp"));
    ASSERT_EQ(bmpFile.size(), 54u + 739u * 4 * 986);
    ASSERT_EQ(fromJpeg.width, 739);
    ASSERT_EQ(fromJpeg.height, 986);
    int pngWrong = 0, bmpWrong = 0;
    double jpegError = 0;
    for (int y = 0; y < 986; ++y)
        for (int x = 0; x < 739; ++x) {
            const Rgb expected = page.Pixel(x, y);
            pngWrong += fromPng.At(x, y) != expected;
            const uint8_t* p = &bmpFile[54 + (static_cast<size_t>(985 - y) * 739 + x) * 4];
            bmpWrong += Rgb{p[2], p[1], p[0]} != expected;
            const Rgb j = fromJpeg.At(x, y);
            jpegError += std::abs(j.red - expected.red) + std::abs(j.green - expected.green) +
                         std::abs(j.blue - expected.blue);
        }
    EXPECT_EQ(pngWrong, 0);
    EXPECT_EQ(bmpWrong, 0);
    EXPECT_LT(jpegError / (3.0 * 739 * 986), 2.0);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusPageFiles,
                         ::testing::Values(std::pair{std::string("Bug51170.docx"), 0},
                                           std::pair{std::string("testPictures.doc"), 0}));

} // namespace
} // namespace paginox::testing
