#include "output/PngImageData.h"

#include "output/PngChunkWriter.h"
#include "platform/Exception.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace paginox {

namespace {

constexpr int Level = 7;
constexpr int WindowBits = 15; // a zlib stream, not raw deflate
constexpr int MemoryLevel = 8;

class Deflater final {
public:
    Deflater()
    {
        const int status = deflateInit2(&FStream, Level, Z_DEFLATED, WindowBits, MemoryLevel, Z_DEFAULT_STRATEGY);
        if (status == Z_MEM_ERROR)
            throw std::bad_alloc();
        if (status != Z_OK)
            throw Exception("Cannot start compression");
    }
    ~Deflater() { deflateEnd(&FStream); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    z_stream& Stream() { return FStream; }

private:
    z_stream FStream{};
};

// The IDAT chunk being filled: 8 bytes of length and type, the data, 4 of CRC.
class IdatBuffer final {
public:
    explicit IdatBuffer(PngChunkWriter& writer) : FWriter(writer), FFrame(8 + MaxIdatLength + 4) {}

    void Aim(z_stream& stream)
    {
        stream.next_out = FFrame.data() + 8;
        stream.avail_out = MaxIdatLength;
    }

    // Writes the data zlib has put in the buffer, if any, and aims zlib at it again.
    void Flush(z_stream& stream)
    {
        const uint32_t length = MaxIdatLength - stream.avail_out;
        if (length > 0)
            FWriter.WriteFramedChunk("IDAT", FFrame, length);
        Aim(stream);
    }

private:
    PngChunkWriter& FWriter;
    std::vector<uint8_t> FFrame;
};

void Deflate(z_stream& stream, IdatBuffer& buffer, int flush)
{
    for (;;) {
        const int status = deflate(&stream, flush);
        if (status == Z_STREAM_END)
            return;
        if (status != Z_OK && status != Z_BUF_ERROR)
            throw Exception("Compression error");
        if (stream.avail_out == 0)
            buffer.Flush(stream);
        else if (flush == Z_NO_FLUSH && stream.avail_in == 0)
            return;
        else if (status == Z_BUF_ERROR)
            throw Exception("Compression error"); // room to write and nothing done: never ends
    }
}

} // namespace

void SubFilterRow(std::span<const uint8_t> raw, size_t distance, std::span<uint8_t> filtered)
{
    const uint8_t* in = raw.data();
    uint8_t* out = filtered.data() + 1;
    const size_t n = raw.size();
    size_t i = std::min(distance, n);
    filtered[0] = 1;
    std::memcpy(out, in, i);
    // Sixteen bytes a step (one vector subtraction): beside deflate the filter must
    // cost next to nothing.
    using Bytes16 = uint8_t __attribute__((vector_size(16)));
    for (; i + 16 <= n; i += 16) {
        Bytes16 a, b;
        std::memcpy(&a, in + i, 16);
        std::memcpy(&b, in + i - distance, 16);
        const Bytes16 difference = a - b;
        std::memcpy(out + i, &difference, 16);
    }
    for (; i < n; ++i)
        out[i] = static_cast<uint8_t>(in[i] - in[i - distance]);
}

void WritePngImageData(PngChunkWriter& writer, const PngRows& rows)
{
    Deflater deflater;
    z_stream& stream = deflater.Stream();
    IdatBuffer buffer(writer);
    buffer.Aim(stream);

    std::vector<uint8_t> filtered(1 + rows.rowBytes);
    for (size_t y = 0; y < rows.height; ++y) {
        SubFilterRow(rows.bytes.subspan(y * rows.rowBytes, rows.rowBytes), rows.filterDistance, filtered);
        stream.next_in = filtered.data();
        stream.avail_in = static_cast<uInt>(filtered.size());
        Deflate(stream, buffer, Z_NO_FLUSH);
    }
    stream.next_in = nullptr;
    stream.avail_in = 0;
    Deflate(stream, buffer, Z_FINISH);
    buffer.Flush(stream);
}

} // namespace paginox
