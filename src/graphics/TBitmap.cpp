#include "graphics/TBitmap.h"

#include "graphics/DeviceDepth.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace paginox {

namespace {

// Largest pixel store we agree to make: beyond it a size is a mistake, not a page.
constexpr size_t MaxBytes = size_t{1} << 30;
constexpr int MaxSide = 1 << 15;

// Indexed palettes, fixed so that every page of every run maps colours the same way:
// 8 bits: red 3 bits, green 3 bits, blue 2 bits (index rrrgggbb), white and black exact;
// 4 bits: the sixteen standard VGA colours; 1 bit: black, white.
std::vector<Rgb> PaletteFor(int bitsPerPixel)
{
    std::vector<Rgb> palette;
    if (bitsPerPixel == 8) {
        for (int i = 0; i < 256; ++i)
            palette.push_back({static_cast<uint8_t>((i >> 5) * 255 / 7),
                               static_cast<uint8_t>(((i >> 2) & 7) * 255 / 7),
                               static_cast<uint8_t>((i & 3) * 255 / 3)});
    } else if (bitsPerPixel == 4) {
        palette = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                   {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                   {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                   {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    } else if (bitsPerPixel == 1) {
        palette = {{0, 0, 0}, {255, 255, 255}};
    }
    return palette;
}

uint8_t NearestIndex(const std::vector<Rgb>& palette, Rgb c)
{
    if (palette.size() == 256)
        return static_cast<uint8_t>(((c.red * 7 + 127) / 255) << 5 | ((c.green * 7 + 127) / 255) << 2 |
                                    ((c.blue * 3 + 127) / 255));
    int best = 0, bestDistance = std::numeric_limits<int>::max();
    for (size_t i = 0; i < palette.size(); ++i) {
        const int dr = c.red - palette[i].red, dg = c.green - palette[i].green, db = c.blue - palette[i].blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return static_cast<uint8_t>(best);
}

uint8_t Widen5(unsigned v)
{
    return static_cast<uint8_t>((v << 3) | (v >> 2));
}

} // namespace

int BitsPerPixelOf(PixelFormat format)
{
    switch (format) {
    case PixelFormat::Device: return DeviceBitsPerPixel();
    case PixelFormat::Bits1: return 1;
    case PixelFormat::Bits4: return 4;
    case PixelFormat::Bits8: return 8;
    case PixelFormat::Bits15: return 16;
    case PixelFormat::Bits24: return 24;
    case PixelFormat::Bits32: return 32;
    }
    return 32;
}

size_t StrideFor(int width, int bitsPerPixel)
{
    return (static_cast<size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

std::shared_ptr<TBitmap::Data> TBitmap::MakeData(int width, int height, int bitsPerPixel)
{
    if (width < 0 || height < 0 || width > MaxSide || height > MaxSide)
        throw EOutOfResources();
    const size_t stride = StrideFor(width, bitsPerPixel);
    if (height != 0 && stride > MaxBytes / static_cast<size_t>(height))
        throw EOutOfResources();
    auto data = std::make_shared<Data>();
    data->width = width;
    data->height = height;
    data->bitsPerPixel = bitsPerPixel;
    data->stride = static_cast<int>(stride);
    data->palette = PaletteFor(bitsPerPixel);
    // One white row, copied down: white is all ones in the direct formats (with a zero
    // reserved byte at 32 bits and the top bit clear at 16) and the last palette index;
    // the padding stays zero.
    std::vector<uint8_t> row(stride, 0);
    const size_t used = (static_cast<size_t>(width) * bitsPerPixel + 7) / 8;
    std::fill(row.begin(), row.begin() + used, 0xFF);
    if (bitsPerPixel == 32)
        for (int x = 0; x < width; ++x)
            row[4 * x + 3] = 0;
    if (bitsPerPixel == 16)
        for (int x = 0; x < width; ++x)
            row[2 * x + 1] = 0x7F;
    if (bitsPerPixel < 8 && width % (8 / bitsPerPixel) != 0)
        row[used - 1] &= static_cast<uint8_t>(0xFF << (8 - width * bitsPerPixel % 8));
    data->bytes.resize(stride * height);
    for (int y = 0; y < height; ++y)
        std::memcpy(data->bytes.data() + y * stride, row.data(), stride);
    return data;
}

TBitmap::TBitmap(PixelFormat format) : FData(MakeData(0, 0, BitsPerPixelOf(format))) {}

void TBitmap::Detach()
{
    if (FData.use_count() > 1)
        FData = std::make_shared<Data>(*FData);
}

uint8_t* TBitmap::MutableScanLine(int y)
{
    Detach();
    return FData->bytes.data() + static_cast<size_t>(y) * FData->stride;
}

void TBitmap::SetSize(int width, int height)
{
    if (width == Width() && height == Height())
        return;
    TBitmap resized;
    resized.FData = MakeData(width, height, BitsPerPixel());
    resized.Draw(0, 0, *this);
    FData = std::move(resized.FData);
}

void TBitmap::SetPixelFormat(PixelFormat format)
{
    const int bitsPerPixel = BitsPerPixelOf(format);
    if (bitsPerPixel == BitsPerPixel())
        return;
    TBitmap converted;
    converted.FData = MakeData(Width(), Height(), bitsPerPixel);
    converted.Draw(0, 0, *this);
    FData = std::move(converted.FData);
}

Rgb TBitmap::Pixel(int x, int y) const
{
    const uint8_t* row = ScanLine(y);
    switch (BitsPerPixel()) {
    case 32:
    case 24: {
        const uint8_t* p = row + x * (BitsPerPixel() / 8);
        return {p[2], p[1], p[0]};
    }
    case 16: {
        const unsigned v = row[2 * x] | row[2 * x + 1] << 8;
        return {Widen5(v >> 10 & 31), Widen5(v >> 5 & 31), Widen5(v & 31)};
    }
    case 8: return FData->palette[row[x]];
    case 4: return FData->palette[(x & 1) ? row[x / 2] & 15 : row[x / 2] >> 4];
    default: return FData->palette[row[x / 8] >> (7 - x % 8) & 1];
    }
}

void TBitmap::SetPixel(int x, int y, Rgb c)
{
    uint8_t* row = MutableScanLine(y);
    switch (BitsPerPixel()) {
    case 32:
    case 24: {
        uint8_t* p = row + x * (BitsPerPixel() / 8);
        p[0] = c.blue;
        p[1] = c.green;
        p[2] = c.red;
        if (BitsPerPixel() == 32)
            p[3] = 0;
        break;
    }
    case 16: {
        const unsigned v = (c.red >> 3) << 10 | (c.green >> 3) << 5 | (c.blue >> 3);
        row[2 * x] = static_cast<uint8_t>(v);
        row[2 * x + 1] = static_cast<uint8_t>(v >> 8);
        break;
    }
    case 8: row[x] = NearestIndex(FData->palette, c); break;
    case 4: {
        const uint8_t i = NearestIndex(FData->palette, c);
        uint8_t& b = row[x / 2];
        b = (x & 1) ? static_cast<uint8_t>((b & 0xF0) | i) : static_cast<uint8_t>((b & 0x0F) | i << 4);
        break;
    }
    default: {
        const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
        uint8_t& b = row[x / 8];
        b = NearestIndex(FData->palette, c) ? (b | bit) : (b & ~bit);
        break;
    }
    }
}

void TBitmap::Draw(int x, int y, const TBitmap& source)
{
    const int left = std::max(0, x), top = std::max(0, y);
    const int right = std::min(Width(), x + source.Width());
    const int bottom = std::min(Height(), y + source.Height());
    if (left >= right || top >= bottom)
        return;
    Detach();
    const int targetBits = BitsPerPixel(), sourceBits = source.BitsPerPixel();
    for (int row = top; row < bottom; ++row) {
        const uint8_t* in = source.ScanLine(row - y);
        uint8_t* out = FData->bytes.data() + static_cast<size_t>(row) * FData->stride;
        if (targetBits == sourceBits && targetBits >= 8) {
            const int bytes = targetBits / 8;
            std::memcpy(out + left * bytes, in + (left - x) * bytes, static_cast<size_t>(right - left) * bytes);
        } else if (targetBits == 32 && sourceBits == 24) {
            for (int col = left; col < right; ++col) {
                const uint8_t* p = in + (col - x) * 3;
                uint8_t* q = out + col * 4;
                q[0] = p[0];
                q[1] = p[1];
                q[2] = p[2];
                q[3] = 0;
            }
        } else if (targetBits == 24 && sourceBits == 32) {
            for (int col = left; col < right; ++col) {
                const uint8_t* p = in + (col - x) * 4;
                uint8_t* q = out + col * 3;
                q[0] = p[0];
                q[1] = p[1];
                q[2] = p[2];
            }
        } else {
            for (int col = left; col < right; ++col)
                SetPixel(col, row, source.Pixel(col - x, row - y));
        }
    }
}

} // namespace paginox
