#include "OutputTestSupport.h"
#include "PixelFormatPrinting.h"
#include "output/JpegErrorManager.h"
#include "output/OutputErrors.h"
#include "output/TJPEGImage.h"
#include "platform/files/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <jerror.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>

namespace paginox::testing {
namespace {

// Where each zigzag position sits in natural (row by row) order.
constexpr std::array<int, 64> NaturalOfZigzag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// The JPEG standard's example tables (Annex K.1), natural order.
constexpr std::array<int, 64> LuminanceK1 = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,  14, 13, 16, 24, 40, 57,
    69, 56, 14, 17, 22,  29,  51,  87,  80, 62, 18, 22, 37,  56,  68,  109, 103, 77, 24, 35, 55, 64,
    81, 104, 113, 92, 49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr std::array<int, 64> ChrominanceK1 = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

std::vector<uint8_t> WrittenJpeg(TJPEGImage& jpeg, const TBitmap& page, const TemporaryFolder& folder)
{
    jpeg.TakePage(page);
    jpeg.WriteImageFile(folder.Entry("page.jpg"));
    return ReadBytes(folder.Entry("page.jpg"));
}

// Colours that change slowly, as on a page: what JPEG keeps well.
TBitmap SmoothPage(int width, int height, PixelFormat format = PixelFormat::Bits32)
{
    TBitmap page(format);
    page.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            page.SetPixel(x, y, {static_cast<uint8_t>(255 * x / std::max(1, width - 1)),
                                 static_cast<uint8_t>(255 * y / std::max(1, height - 1)),
                                 static_cast<uint8_t>(200 - 150 * x / std::max(1, width - 1))});
    return page;
}

double MeanError(const DecodedImage& decoded, const TBitmap& page)
{
    double total = 0;
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x) {
            const Rgb a = decoded.At(x, y), b = page.Pixel(x, y);
            total += std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
        }
    return total / (3.0 * page.Width() * page.Height());
}

TEST(JpegFile, SegmentsAreThoseOfBaselineQuality90)
{
    TemporaryFolder folder;
    TJPEGImage jpeg;
    const auto file = WrittenJpeg(jpeg, SmoothPage(739, 986), folder);
    const auto segments = JpegSegments(file);
    const std::vector<std::pair<uint8_t, int>> expected = {{0xD8, 0},  {0xE0, 16},  {0xDB, 67}, {0xDB, 67},
                                                           {0xC0, 17}, {0xC4, 31},  {0xC4, 181}, {0xC4, 31},
                                                           {0xC4, 181}, {0xDA, 12}, {0xD9, 0}};
    ASSERT_EQ(segments.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(segments[i].marker, expected[i].first) << i;
        EXPECT_EQ(segments[i].lengthField, expected[i].second) << i;
    }
    EXPECT_EQ(file.back(), 0xD9);

    const std::vector<uint8_t> app0 = {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
    EXPECT_EQ(segments[1].data, app0);

    // Quantisation: K.1 scaled to 20 %, in zigzag order; table 0 luminance, 1 chrominance.
    for (int table = 0; table < 2; ++table) {
        const auto& data = segments[2 + table].data;
        EXPECT_EQ(data[0], table);
        const auto& k1 = table == 0 ? LuminanceK1 : ChrominanceK1;
        std::array<int, 64> natural{};
        for (int k = 0; k < 64; ++k)
            natural[NaturalOfZigzag[k]] = data[1 + k];
        for (int i = 0; i < 64; ++i)
            EXPECT_EQ(natural[i], std::max(1, (k1[i] * 20 + 50) / 100)) << "table " << table << " entry " << i;
        const std::array<int, 8> first = table == 0 ? std::array{3, 2, 2, 3, 5, 8, 10, 12}
                                                    : std::array{3, 4, 5, 9, 20, 20, 20, 20};
        EXPECT_TRUE(std::equal(first.begin(), first.end(), natural.begin()));
        EXPECT_EQ(*std::max_element(natural.begin(), natural.end()), table == 0 ? 24 : 20);
    }

    const std::vector<uint8_t> sof0 = {8, 0x03, 0xDA, 0x02, 0xE3, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1};
    EXPECT_EQ(segments[4].data, sof0);

    // Huffman: the standard's K.3 tables, DC then AC, luminance then chrominance.
    const std::array<std::array<uint8_t, 17>, 4> counts = {{
        {0x00, 0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0},
        {0x10, 0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D},
        {0x01, 0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0},
        {0x11, 0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77},
    }};
    for (int t = 0; t < 4; ++t) {
        const auto& data = segments[5 + t].data;
        EXPECT_TRUE(std::equal(counts[t].begin(), counts[t].end(), data.begin())) << "DHT " << t;
    }
    EXPECT_EQ(std::vector<uint8_t>(segments[5].data.begin() + 17, segments[5].data.end()),
              (std::vector<uint8_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    const std::vector<uint8_t> acStart = {0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12};
    EXPECT_TRUE(std::equal(acStart.begin(), acStart.end(), segments[6].data.begin() + 17));

    const std::vector<uint8_t> sos = {3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0};
    EXPECT_EQ(segments[9].data, sos);
}

struct SizeCase {
    int width, height;
    PixelFormat format;
    double meanError = 3.0; // indexed pages have hard edges between palette colours
};

void PrintTo(const SizeCase& c, std::ostream* out)
{
    *out << c.width << " x " << c.height << " at ";
    PrintTo(c.format, out);
}

class JpegPage : public ::testing::TestWithParam<SizeCase> {};

// Any size and depth decodes to exactly W x H and close to the page's colours;
// swapped channels or flipped rows would be far off.
TEST_P(JpegPage, DecodesToThePageSizeAndColours)
{
    const SizeCase c = GetParam();
    TemporaryFolder folder;
    TJPEGImage jpeg;
    const TBitmap page = SmoothPage(c.width, c.height, c.format);
    const DecodedImage decoded = DecodeJpeg(WrittenJpeg(jpeg, page, folder));
    ASSERT_EQ(decoded.width, c.width);
    ASSERT_EQ(decoded.height, c.height);
    EXPECT_LT(MeanError(decoded, page), c.meanError);
    // The corners: the channels are far apart there, so any mix-up shows.
    for (auto [x, y] : {std::pair{0, 0}, std::pair{c.width - 1, 0}, std::pair{0, c.height - 1},
                        std::pair{c.width - 1, c.height - 1}}) {
        const Rgb a = decoded.At(x, y), b = page.Pixel(x, y);
        EXPECT_NEAR(a.red, b.red, 24) << x << "," << y;
        EXPECT_NEAR(a.green, b.green, 24) << x << "," << y;
        EXPECT_NEAR(a.blue, b.blue, 24) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, JpegPage,
                         ::testing::Values(SizeCase{1, 1, PixelFormat::Bits32}, SizeCase{15, 17, PixelFormat::Bits32},
                                           SizeCase{17, 15, PixelFormat::Bits32}, SizeCase{33, 1, PixelFormat::Bits32},
                                           SizeCase{739, 986, PixelFormat::Bits32}, SizeCase{50, 31, PixelFormat::Bits24},
                                           SizeCase{50, 31, PixelFormat::Bits15}, SizeCase{50, 31, PixelFormat::Bits8, 8.0},
                                           SizeCase{50, 31, PixelFormat::Bits4, 8.0}, SizeCase{50, 31, PixelFormat::Bits1, 8.0}));

// What libjpeg makes itself from red-green-blue rows at the same settings, byte for
// byte: telling it the rows are blue-green-red(-x) must change nothing.
TEST(JpegFile, IsLibjpegFloatDctQuality90OfTheRgbRows)
{
    TemporaryFolder folder;
    TJPEGImage jpeg;
    for (PixelFormat format : {PixelFormat::Bits32, PixelFormat::Bits24, PixelFormat::Bits15}) {
        const TBitmap page = PatternPage(123, 77, format);
        EXPECT_EQ(WrittenJpeg(jpeg, page, folder), LibjpegEncoding(page, LibjpegInput::RgbTriples));
    }
}

// The stream is made at the first write after TakePage and reused until the next.
TEST(JpegHolder, EncodesOncePerPage)
{
    TemporaryFolder folder;
    TJPEGImage jpeg;
    jpeg.TakePage(SmoothPage(64, 48));
    EXPECT_TRUE(jpeg.EncodedStream().empty());
    jpeg.WriteImageFile(folder.Entry("a.jpg"));
    const uint8_t* encoded = jpeg.EncodedStream().data();
    ASSERT_FALSE(jpeg.EncodedStream().empty());
    EXPECT_EQ(ReadBytes(folder.Entry("a.jpg")), jpeg.EncodedStream());
    jpeg.WriteImageFile(folder.Entry("b.jpg"));
    EXPECT_EQ(jpeg.EncodedStream().data(), encoded) << "encoded a second time";
    EXPECT_EQ(ReadBytes(folder.Entry("b.jpg")), ReadBytes(folder.Entry("a.jpg")));

    jpeg.TakePage(SmoothPage(16, 16));
    EXPECT_TRUE(jpeg.EncodedStream().empty());
    jpeg.WriteImageFile(folder.Entry("c.jpg"));
    EXPECT_EQ(DecodeJpeg(ReadBytes(folder.Entry("c.jpg"))).width, 16);
}

TEST(JpegHolder, EmptyWritesAnEmptyFile)
{
    TemporaryFolder folder;
    TJPEGImage jpeg;
    jpeg.WriteImageFile(folder.Entry("none.jpg"));
    EXPECT_TRUE(std::filesystem::exists(folder.Entry("none.jpg")));
    EXPECT_TRUE(ReadBytes(folder.Entry("none.jpg")).empty());
    jpeg.TakePage(TBitmap());
    jpeg.WriteImageFile(folder.Entry("zero.jpg"));
    EXPECT_TRUE(ReadBytes(folder.Entry("zero.jpg")).empty());
    EXPECT_TRUE(jpeg.EncodedStream().empty());
}

// A library error leaves libjpeg by the jump and arrives as EJPEG with its code.
TEST(JpegErrors, LibraryErrorBecomesEJPEG)
{
    struct Context {
        jpeg_compress_struct info{};
        JpegErrorManager errors{};
    } context;
    context.info.err = UseJpegErrorManager(context.errors);
    const auto writeBeforeStart = [](void* p) {
        auto& info = static_cast<Context*>(p)->info;
        jpeg_create_compress(&info);
        JSAMPROW row = nullptr;
        jpeg_write_scanlines(&info, &row, 1);
    };
    try {
        RunJpegStep(context.errors, writeBeforeStart, &context);
        ADD_FAILURE() << "no error";
    } catch (const EJPEG& error) {
        EXPECT_EQ(error.Code(), JERR_BAD_STATE);
        EXPECT_EQ(error.Message(), "JPEG error #" + std::to_string(JERR_BAD_STATE));
    }
    jpeg_destroy_compress(&context.info);
    // Once recovered, the same manager serves a sound compression.
    TemporaryFolder folder;
    TJPEGImage jpeg;
    EXPECT_FALSE(WrittenJpeg(jpeg, SmoothPage(8, 8), folder).empty());
}

} // namespace
} // namespace paginox::testing
