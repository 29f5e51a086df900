#pragma once

#include <cstdint>
#include <vector>

namespace paginox {

class TBitmap;

// What precedes a page's pixel array in its BMP file, little-endian: the 14-byte
// file header, the 40-byte information header (BI_RGB, bottom-up) and, at 8 bits
// or less, the page's whole palette as blue, green, red, zero quads.
std::vector<uint8_t> BmpHeaders(const TBitmap& page);

} // namespace paginox
