#include "output/Crc32.h"

#include <array>

namespace paginox {

namespace {

using Tables = std::array<std::array<uint32_t, 256>, 8>;

// Eight tables, so that eight bytes are folded in per step (slicing by eight):
// the IDAT chunks of a photograph run to megabytes.
constexpr Tables MakeTables()
{
    Tables tables{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][n] = c;
    }
    for (uint32_t n = 0; n < 256; ++n)
        for (size_t t = 1; t < 8; ++t)
            tables[t][n] = (tables[t - 1][n] >> 8) ^ tables[0][tables[t - 1][n] & 0xFF];
    return tables;
}

constexpr Tables CrcTables = MakeTables();

} // namespace

uint32_t Crc32Update(uint32_t crc, std::span<const uint8_t> bytes)
{
    uint32_t c = ~crc;
    const uint8_t* p = bytes.data();
    size_t n = bytes.size();
    const auto& t = CrcTables;
    while (n >= 8) {
        const uint32_t low = c ^ (uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24);
        c = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24] ^
            t[3][p[4]] ^ t[2][p[5]] ^ t[1][p[6]] ^ t[0][p[7]];
        p += 8;
        n -= 8;
    }
    while (n-- > 0)
        c = t[0][(c ^ *p++) & 0xFF] ^ (c >> 8);
    return ~c;
}

} // namespace paginox
