#include "output/PngChunkWriter.h"

#include "output/Crc32.h"
#include "output/OutputFile.h"

#include <array>
#include <cassert>
#include <cstring>

namespace paginox {

void PutBigEndian32(uint8_t* out, uint32_t value)
{
    out[0] = static_cast<uint8_t>(value >> 24);
    out[1] = static_cast<uint8_t>(value >> 16);
    out[2] = static_cast<uint8_t>(value >> 8);
    out[3] = static_cast<uint8_t>(value);
}

void PngChunkWriter::WriteChunk(std::string_view type, std::span<const uint8_t> data)
{
    assert(type.size() == 4);
    std::array<uint8_t, 8> head{};
    PutBigEndian32(head.data(), static_cast<uint32_t>(data.size()));
    std::memcpy(head.data() + 4, type.data(), 4);
    std::array<uint8_t, 4> tail{};
    PutBigEndian32(tail.data(), Crc32Update(Crc32Update(0, std::span(head).subspan(4)), data));
    const std::span<const uint8_t> pieces[] = {head, data, tail};
    FFile.WriteGathered(pieces);
}

void PngChunkWriter::WriteFramedChunk(std::string_view type, std::span<uint8_t> frame, uint32_t length)
{
    assert(type.size() == 4 && frame.size() >= size_t{length} + 12);
    uint8_t* head = frame.data();
    PutBigEndian32(head, length);
    std::memcpy(head + 4, type.data(), 4);
    PutBigEndian32(head + 8 + length, Crc32Update(0, frame.subspan(4, size_t{length} + 4)));
    FFile.Write(frame.first(size_t{length} + 12));
}

} // namespace paginox
