#include "OutputTestSupport.h"
#include "PixelFormatPrinting.h"
#include "output/TPageBitmap.h"
#include "platform/files/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace paginox::testing {
namespace {

struct BmpCase {
    PixelFormat format;
    int bits;
    uint32_t tableEntries;
};

void PrintTo(const BmpCase& c, std::ostream* out)
{
    PrintTo(c.format, out);
}

class BmpDepth : public ::testing::TestWithParam<BmpCase> {};

// Headers, colour table and rows bottom-up at the page's own depth, for widths that
// need row padding and one that does not.
TEST_P(BmpDepth, FieldsAndRowsAreThePage)
{
    const BmpCase c = GetParam();
    TemporaryFolder folder;
    for (auto [width, height] : {std::pair{13, 7}, std::pair{32, 5}, std::pair{1, 1}}) {
        const TBitmap page = PatternPage(width, height, c.format);
        TPageBitmap bmp;
        bmp.TakePage(page);
        bmp.WriteImageFile(folder.Entry("page.bmp"));
        const auto file = ReadBytes(folder.Entry("page.bmp"));

        const uint32_t stride = (static_cast<uint32_t>(width) * c.bits + 31) / 32 * 4;
        const uint32_t imageSize = stride * static_cast<uint32_t>(height);
        const uint32_t offBits = 54 + 4 * c.tableEntries;
        ASSERT_EQ(file.size(), offBits + imageSize);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(LittleEndian32(&file[2]), offBits + imageSize);  // bfSize
        EXPECT_EQ(LittleEndian32(&file[6]), 0u);                   // bfReserved1, 2
        EXPECT_EQ(LittleEndian32(&file[10]), offBits);             // bfOffBits
        EXPECT_EQ(LittleEndian32(&file[14]), 40u);                 // biSize
        EXPECT_EQ(LittleEndian32(&file[18]), static_cast<uint32_t>(width));
        EXPECT_EQ(LittleEndian32(&file[22]), static_cast<uint32_t>(height));
        EXPECT_EQ(LittleEndian16(&file[26]), 1);                   // biPlanes
        EXPECT_EQ(LittleEndian16(&file[28]), c.bits);              // biBitCount
        EXPECT_EQ(LittleEndian32(&file[30]), 0u);                  // BI_RGB
        EXPECT_EQ(LittleEndian32(&file[34]), imageSize);           // biSizeImage
        for (int field = 38; field < 54; field += 4)               // resolutions, colours used and important
            EXPECT_EQ(LittleEndian32(&file[field]), 0u) << field;

        for (uint32_t i = 0; i < c.tableEntries; ++i) {
            const Rgb colour = page.Palette()[i];
            const uint8_t* quad = &file[54 + 4 * i];
            EXPECT_EQ((Rgb{quad[2], quad[1], quad[0]}), colour);
            EXPECT_EQ(quad[3], 0);
        }
        // Row y of the page is row height-1-y of the file; the padding is zero.
        const size_t used = (static_cast<size_t>(width) * c.bits + 7) / 8;
        for (int y = 0; y < height; ++y) {
            const uint8_t* row = &file[offBits + static_cast<size_t>(height - 1 - y) * stride];
            EXPECT_EQ(std::memcmp(row, page.ScanLine(y), used), 0) << "row " << y;
            for (size_t i = used; i < stride; ++i)
                EXPECT_EQ(row[i], 0) << "padding of row " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpDepth,
                         ::testing::Values(BmpCase{PixelFormat::Bits32, 32, 0}, BmpCase{PixelFormat::Bits24, 24, 0},
                                           BmpCase{PixelFormat::Bits15, 16, 0}, BmpCase{PixelFormat::Bits8, 8, 256},
                                           BmpCase{PixelFormat::Bits4, 4, 16}, BmpCase{PixelFormat::Bits1, 1, 2}));

// The 32-bit pixel's bytes are blue, green, red and a zero reserved byte; a 16-bit
// pixel is 0rrrrrgg gggbbbbb, low byte first.
TEST(BmpPixels, ChannelOrderAtThirtyTwoAndSixteenBits)
{
    TemporaryFolder folder;
    TPageBitmap bmp;
    TBitmap page(PixelFormat::Bits32);
    page.SetSize(1, 1);
    page.SetPixel(0, 0, {0x12, 0x34, 0x56});
    bmp.TakePage(page);
    bmp.WriteImageFile(folder.Entry("32.bmp"));
    const auto file32 = ReadBytes(folder.Entry("32.bmp"));
    EXPECT_EQ(std::vector<uint8_t>(file32.begin() + 54, file32.end()), (std::vector<uint8_t>{0x56, 0x34, 0x12, 0}));

    page.SetPixelFormat(PixelFormat::Bits15);
    page.SetPixel(0, 0, {0xF8, 0x00, 0x08}); // red 31, green 0, blue 1
    bmp.TakePage(page);
    bmp.WriteImageFile(folder.Entry("16.bmp"));
    const auto file16 = ReadBytes(folder.Entry("16.bmp"));
    EXPECT_EQ(LittleEndian16(&file16[54]), 31 << 10 | 1);
}

TEST(BmpHolder, EmptyWritesAnEmptyFile)
{
    TemporaryFolder folder;
    TPageBitmap bmp;
    bmp.WriteImageFile(folder.Entry("none.bmp"));
    EXPECT_TRUE(std::filesystem::exists(folder.Entry("none.bmp")));
    EXPECT_TRUE(ReadBytes(folder.Entry("none.bmp")).empty());
}

} // namespace
} // namespace paginox::testing
