#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace paginox {

class OutputFile;

inline constexpr uint8_t PngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

// Frames PNG chunks: length, type, data, CRC over type and data, big-endian.
class PngChunkWriter final {
public:
    explicit PngChunkWriter(OutputFile& file) : FFile(file) {}

    void WriteChunk(std::string_view type, std::span<const uint8_t> data);

    // A chunk whose data already lies at frame[8 .. 8 + length): the first 8 bytes
    // and the 4 after the data are filled in and the whole frame goes out in one write,
    // so that image data is never copied.
    void WriteFramedChunk(std::string_view type, std::span<uint8_t> frame, uint32_t length);

private:
    OutputFile& FFile;
};

void PutBigEndian32(uint8_t* out, uint32_t value);

} // namespace paginox
