#pragma once

#include <cstdint>
#include <vector>

namespace paginox {

class TBitmap;

// The complete JPEG file of a page that is not empty: baseline, quality 90, float
// DCT, 4:2:0, standard Huffman tables, JFIF 1.01. EJPEG when libjpeg fails.
std::vector<uint8_t> EncodeJpeg(const TBitmap& page);

} // namespace paginox
