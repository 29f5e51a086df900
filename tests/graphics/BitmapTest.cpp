#include "graphics/DeviceDepth.h"
#include "graphics/TBitmap.h"
#include "PixelFormatPrinting.h"

#include <gtest/gtest.h>

using namespace paginox;

namespace {

bool AllWhite(const TBitmap& bitmap)
{
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Pixel(x, y) != White)
                return false;
    return true;
}

class DeviceDepthScope final {
public:
    explicit DeviceDepthScope(int bits) : FSaved(DeviceBitsPerPixel()) { SetDeviceBitsPerPixel(bits); }
    ~DeviceDepthScope() { SetDeviceBitsPerPixel(FSaved); }

private:
    int FSaved;
};

} // namespace

class BitmapAtEveryDepth : public testing::TestWithParam<PixelFormat> {};

TEST_P(BitmapAtEveryDepth, FreshBitmapsAreWhiteWithZeroPadding)
{
    TBitmap bitmap(GetParam());
    bitmap.SetWidth(13);
    bitmap.SetHeight(5);
    EXPECT_TRUE(AllWhite(bitmap));
    EXPECT_EQ(bitmap.Stride(), static_cast<int>(StrideFor(13, bitmap.BitsPerPixel())));
    EXPECT_EQ(bitmap.Stride() % 4, 0);
    const int used = (13 * bitmap.BitsPerPixel() + 7) / 8;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int i = used; i < bitmap.Stride(); ++i)
            EXPECT_EQ(bitmap.ScanLine(y)[i], 0) << "row " << y << " byte " << i;
}

TEST_P(BitmapAtEveryDepth, KeepsPrimaryColoursThroughConversion)
{
    TBitmap source(PixelFormat::Bits24);
    source.SetSize(4, 1);
    const Rgb colours[] = {{0, 0, 0}, {255, 0, 0}, {0, 0, 255}, White};
    for (int x = 0; x < 4; ++x)
        source.SetPixel(x, 0, colours[x]);
    TBitmap converted = source;
    converted.SetPixelFormat(GetParam());
    const bool colour = converted.BitsPerPixel() > 1;
    for (int x = 0; x < 4; ++x) {
        if (colour || x == 0 || x == 3) {
            EXPECT_EQ(converted.Pixel(x, 0), colours[x]) << x;
        }
    }
    EXPECT_EQ(source.Pixel(1, 0), (Rgb{255, 0, 0})) << "the source is unchanged";
}

INSTANTIATE_TEST_SUITE_P(Depths, BitmapAtEveryDepth,
                         testing::Values(PixelFormat::Bits1, PixelFormat::Bits4, PixelFormat::Bits8,
                                         PixelFormat::Bits15, PixelFormat::Bits24, PixelFormat::Bits32));

TEST(Bitmap, DeviceFormatFollowsTheDisplay)
{
    EXPECT_EQ(TBitmap().BitsPerPixel(), 32);
    DeviceDepthScope depth(16);
    EXPECT_EQ(TBitmap().BitsPerPixel(), 16);
    EXPECT_EQ(TBitmap(PixelFormat::Bits24).BitsPerPixel(), 24);
}

TEST(Bitmap, CopiesSharePixelsUntilOneIsWritten)
{
    TBitmap page(PixelFormat::Bits32);
    page.SetSize(8, 8);
    TBitmap holder = page;
    EXPECT_TRUE(holder.SharesPixelsWith(page));
    page.SetPixel(0, 0, {1, 2, 3});
    EXPECT_FALSE(holder.SharesPixelsWith(page));
    EXPECT_EQ(holder.Pixel(0, 0), White);
}

TEST(Bitmap, ResizeKeepsTheOverlapAndWhitensTheRest)
{
    TBitmap bitmap(PixelFormat::Bits24);
    bitmap.SetSize(2, 2);
    bitmap.SetPixel(1, 1, {10, 20, 30});
    bitmap.SetSize(3, 3);
    EXPECT_EQ(bitmap.Pixel(1, 1), (Rgb{10, 20, 30}));
    EXPECT_EQ(bitmap.Pixel(2, 2), White);
}

TEST(Bitmap, DrawCopiesAtAnOffsetClipped)
{
    TBitmap page(PixelFormat::Bits24);
    page.SetSize(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            page.SetPixel(x, y, {static_cast<uint8_t>(x * 10), static_cast<uint8_t>(y * 10), 7});
    TBitmap composed(PixelFormat::Bits32);
    composed.SetSize(5, 3);
    composed.Draw(3, 2, page); // only (0, 0) and (1, 0) of the page land inside
    EXPECT_EQ(composed.Pixel(3, 2), (Rgb{0, 0, 7}));
    EXPECT_EQ(composed.Pixel(4, 2), (Rgb{10, 0, 7}));
    EXPECT_EQ(composed.Pixel(2, 2), White);
    EXPECT_EQ(composed.Pixel(3, 1), White);
}

TEST(Bitmap, RefusesSizesNoMemoryHolds)
{
    TBitmap bitmap;
    EXPECT_THROW(bitmap.SetSize(-1, 10), EOutOfResources);
    EXPECT_THROW(bitmap.SetSize(30000, 30000), EOutOfResources);
    EXPECT_EQ(bitmap.Width(), 0);
}
