#pragma once

#include "graphics/TBitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace paginox::testing {

std::vector<uint8_t> ReadBytes(const std::string& path);

// A page in the given format whose every pixel differs from its neighbours in all
// three channels, so that swapped channels, flipped rows or shifted columns show.
TBitmap PatternPage(int width, int height, PixelFormat format = PixelFormat::Bits32);

// Pixels the way an independent decoder reports them, top row first.
struct DecodedImage {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// libpng's reading of the file, palettes expanded; fails the test on a decoder error.
DecodedImage DecodePng(const std::vector<uint8_t>& file);
// libjpeg's reading of the file as RGB.
DecodedImage DecodeJpeg(const std::vector<uint8_t>& file);

// How the page's pixels reach libjpeg: the 32-bit page's rows as they lie, read as
// blue-green-red-x, or red-green-blue triples made pixel by pixel at any depth.
enum class LibjpegInput { PageRows, RgbTriples };
// libjpeg alone at the JPEG holder's settings (quality 90, float DCT, its defaults
// otherwise), encoding into memory.
std::vector<uint8_t> LibjpegEncoding(const TBitmap& page, LibjpegInput input);

struct PngChunk {
    std::string type;
    std::vector<uint8_t> data;
    uint32_t crc = 0;
};
// The chunks after the signature, as they lie; empty when the file is not a PNG.
std::vector<PngChunk> PngChunks(const std::vector<uint8_t>& file);

struct JpegSegment {
    uint8_t marker = 0;        // the byte after FF
    std::vector<uint8_t> data; // after the length field; for SOS the header only
    int lengthField = 0;       // 0 for SOI and EOI
};
// Markers from SOI to EOI, the entropy-coded data skipped.
std::vector<JpegSegment> JpegSegments(const std::vector<uint8_t>& file);

uint32_t BigEndian32(const uint8_t* p);
uint32_t LittleEndian32(const uint8_t* p);
uint16_t LittleEndian16(const uint8_t* p);

// Open file descriptors of this process, to show that nothing is left open.
int OpenDescriptorCount();

} // namespace paginox::testing
