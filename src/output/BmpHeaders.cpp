#include "output/BmpHeaders.h"

#include "graphics/TBitmap.h"

#include <cstdint>
#include <limits>

namespace paginox {

namespace {

constexpr uint32_t HeadersSize = 14 + 40;

void Put16(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

} // namespace

std::vector<uint8_t> BmpHeaders(const TBitmap& page)
{
    const auto& palette = page.Palette();
    const uint64_t tableSize = 4 * uint64_t{palette.size()};
    const uint64_t imageSize = static_cast<uint64_t>(page.Stride()) * static_cast<uint64_t>(page.Height());
    const uint64_t offBits = HeadersSize + tableSize;
    // The pixel store holds at most a gigabyte, so the sizes fit their fields.
    static_assert(std::numeric_limits<uint32_t>::max() > (uint64_t{1} << 30) + HeadersSize + 4 * 256);

    std::vector<uint8_t> out;
    out.reserve(offBits);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(offBits + imageSize)); // bfSize
    Put16(out, 0);                                          // bfReserved1
    Put16(out, 0);                                          // bfReserved2
    Put32(out, static_cast<uint32_t>(offBits));             // bfOffBits
    Put32(out, 40);                                         // biSize
    Put32(out, static_cast<uint32_t>(page.Width()));        // biWidth
    Put32(out, static_cast<uint32_t>(page.Height()));       // biHeight: positive, rows bottom-up
    Put16(out, 1);                                          // biPlanes
    Put16(out, static_cast<uint32_t>(page.BitsPerPixel())); // biBitCount
    Put32(out, 0);                                          // biCompression: BI_RGB
    Put32(out, static_cast<uint32_t>(imageSize));           // biSizeImage
    Put32(out, 0);                                          // biXPelsPerMeter
    Put32(out, 0);                                          // biYPelsPerMeter
    Put32(out, 0);                                          // biClrUsed: the whole table
    Put32(out, 0);                                          // biClrImportant
    for (const Rgb& colour : palette) {
        out.push_back(colour.blue);
        out.push_back(colour.green);
        out.push_back(colour.red);
        out.push_back(0);
    }
    return out;
}

} // namespace paginox
