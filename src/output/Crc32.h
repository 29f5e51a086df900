#pragma once

#include <cstdint>
#include <span>

namespace paginox {

// The CRC-32 of PNG chunks (reflected polynomial EDB88320, register started at all
// ones, result complemented). Crc32Update continues a running CRC: start it with
// Crc32Update(0, first) and feed the result back for the next piece.
uint32_t Crc32Update(uint32_t crc, std::span<const uint8_t> bytes);

} // namespace paginox
