#pragma once

#include "platform/Exception.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace paginox {

struct Rgb {
    uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb White{255, 255, 255};

enum class PixelFormat {
    Device, // the display's depth, resolved when the bitmap is made
    Bits1,
    Bits4,
    Bits8,
    Bits15, // 5-5-5, top bit unused: a 16-bit display
    Bits24,
    Bits32,
};

// A size or format no memory can hold.
class EOutOfResources final : public Exception {
public:
    EOutOfResources() : Exception("Out of system resources") {}
};

// A pixel store laid out as a device-independent bitmap: rows top first, each
// padded to 4 bytes; pixels blue, green, red (and a reserved byte at 32 bits);
// indexed formats carry a fixed palette (see Palette()). Copies share the pixels
// and a write to a shared store copies it first, so handing a page on is cheap.
class TBitmap final {
public:
    explicit TBitmap(PixelFormat format = PixelFormat::Device);

    int Width() const { return FData->width; }
    int Height() const { return FData->height; }
    bool Empty() const { return FData->width == 0 || FData->height == 0; }
    int BitsPerPixel() const { return FData->bitsPerPixel; }
    int Stride() const { return FData->stride; }

    // A new size; what lay inside both sizes is kept, the rest is white.
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    void SetSize(int width, int height);

    // Converts the content to the new depth.
    void SetPixelFormat(PixelFormat format);

    const uint8_t* ScanLine(int y) const { return FData->bytes.data() + static_cast<size_t>(y) * FData->stride; }
    uint8_t* MutableScanLine(int y);

    Rgb Pixel(int x, int y) const;
    void SetPixel(int x, int y, Rgb colour);

    // Copies source pixel for pixel with its top left corner at (x, y), clipped.
    void Draw(int x, int y, const TBitmap& source);

    // The colours of an indexed format, by index; empty for the others.
    const std::vector<Rgb>& Palette() const { return FData->palette; }

    bool SharesPixelsWith(const TBitmap& other) const { return FData == other.FData; }

private:
    struct Data {
        int width = 0, height = 0, bitsPerPixel = 32, stride = 0;
        std::vector<uint8_t> bytes;
        std::vector<Rgb> palette;
    };

    void Detach();
    static std::shared_ptr<Data> MakeData(int width, int height, int bitsPerPixel);

    std::shared_ptr<Data> FData;
};

int BitsPerPixelOf(PixelFormat format);
size_t StrideFor(int width, int bitsPerPixel);

} // namespace paginox
