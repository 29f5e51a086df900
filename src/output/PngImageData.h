#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace paginox {

class PngChunkWriter;

// Rows of unfiltered PNG samples, one after the other.
struct PngRows {
    std::span<const uint8_t> bytes;
    size_t rowBytes = 0;
    size_t height = 0;
    size_t filterDistance = 3; // bytes per pixel, at least 1
};

inline constexpr uint32_t MaxIdatLength = 65535;

// Sub-filters each row, compresses the rows as one zlib stream (level 7, window 15,
// memory level 8, default strategy) and writes it as IDAT chunks of exactly 65535
// bytes followed by one of 1 to 65535 bytes. Compressed data is held only in the
// chunk's own buffer.
void WritePngImageData(PngChunkWriter& writer, const PngRows& rows);

// filtered[0] = 1 (Sub); filtered[1 + i] = raw[i] - raw[i - distance], the bytes
// left of the first pixel taken as 0.
void SubFilterRow(std::span<const uint8_t> raw, size_t distance, std::span<uint8_t> filtered);

} // namespace paginox
