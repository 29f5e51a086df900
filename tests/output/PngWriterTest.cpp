#include "OutputTestSupport.h"
#include "PixelFormatPrinting.h"
#include "output/Crc32.h"
#include "output/TPNGObject.h"
#include "platform/files/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <optional>
#include <random>

namespace paginox::testing {
namespace {

// The filter our writer must apply, written out independently: type 1, then each
// byte less the one a pixel to its left.
std::vector<uint8_t> SubFiltered(const std::vector<uint8_t>& raw, size_t rowBytes, size_t distance)
{
    std::vector<uint8_t> out;
    for (size_t row = 0; row < raw.size(); row += rowBytes) {
        out.push_back(1);
        for (size_t i = 0; i < rowBytes; ++i)
            out.push_back(static_cast<uint8_t>(raw[row + i] - (i >= distance ? raw[row + i - distance] : 0)));
    }
    return out;
}

std::vector<uint8_t> RgbRows(const TBitmap& page)
{
    std::vector<uint8_t> raw;
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x) {
            const Rgb c = page.Pixel(x, y);
            raw.insert(raw.end(), {c.red, c.green, c.blue});
        }
    return raw;
}

// zlib's own one-call compression at the writer's settings (deflateInit at level 7).
std::vector<uint8_t> Compressed(const std::vector<uint8_t>& data)
{
    uLongf size = compressBound(data.size());
    std::vector<uint8_t> out(size);
    EXPECT_EQ(compress2(out.data(), &size, data.data(), data.size(), 7), Z_OK);
    out.resize(size);
    return out;
}

std::vector<uint8_t> ImageData(const std::vector<PngChunk>& chunks)
{
    std::vector<uint8_t> stream;
    for (const auto& chunk : chunks)
        if (chunk.type == "IDAT")
            stream.insert(stream.end(), chunk.data.begin(), chunk.data.end());
    return stream;
}

std::vector<uint8_t> WrittenPng(const TBitmap& page, const TemporaryFolder& folder)
{
    TPNGObject png;
    png.TakePage(page);
    png.WriteImageFile(folder.Entry("page.png"));
    return ReadBytes(folder.Entry("page.png"));
}

// The chunk layer every file must have: signature, IHDR, PLTE only when indexed,
// IDAT pieces of 65535 bytes but the last (1 to 65535), IEND, each with a right CRC.
void ExpectChunkLayout(const std::vector<uint8_t>& file, bool indexed)
{
    ASSERT_GE(file.size(), 8u);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 8, std::begin({0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A})));
    const auto chunks = PngChunks(file);
    ASSERT_GE(chunks.size(), 3u);
    std::vector<std::string> types;
    for (const auto& chunk : chunks) {
        types.push_back(chunk.type);
        uLong crc = crc32(0, reinterpret_cast<const Bytef*>(chunk.type.data()), 4);
        if (!chunk.data.empty()) // zlib reads a null buffer as "start again"
            crc = crc32(crc, chunk.data.data(), static_cast<uInt>(chunk.data.size()));
        EXPECT_EQ(chunk.crc, crc) << chunk.type;
    }
    size_t at = 0;
    EXPECT_EQ(types[at++], "IHDR");
    EXPECT_EQ(chunks[0].data.size(), 13u);
    if (indexed) {
        EXPECT_EQ(types[at++], "PLTE");
    }
    const size_t firstIdat = at;
    while (at < types.size() && types[at] == "IDAT")
        ++at;
    ASSERT_GT(at, firstIdat) << "no IDAT";
    for (size_t i = firstIdat; i + 1 < at; ++i)
        EXPECT_EQ(chunks[i].data.size(), 65535u);
    EXPECT_GE(chunks[at - 1].data.size(), 1u);
    EXPECT_LE(chunks[at - 1].data.size(), 65535u);
    ASSERT_EQ(at + 1, types.size()) << "chunks after the image data besides IEND";
    EXPECT_EQ(types[at], "IEND");
    EXPECT_TRUE(chunks[at].data.empty());
    EXPECT_EQ(chunks[at].crc, 0xAE426082u);
    const auto stream = ImageData(chunks);
    EXPECT_EQ(stream[0], 0x78);
    EXPECT_EQ(stream[1], 0xDA);
}

struct DepthCase {
    PixelFormat format;
    int bitDepth, colourType;
    size_t paletteEntries;
};

void PrintTo(const DepthCase& c, std::ostream* out)
{
    PrintTo(c.format, out);
}

class PngDepth : public ::testing::TestWithParam<DepthCase> {};

// The file a decoder reads back holds the page's pixels exactly, at every display depth.
TEST_P(PngDepth, DecodesToThePagePixels)
{
    const DepthCase c = GetParam();
    TemporaryFolder folder;
    for (auto [width, height] : {std::pair{37, 23}, std::pair{1, 9}, std::pair{200, 3}}) {
        const TBitmap page = PatternPage(width, height, c.format);
        const auto file = WrittenPng(page, folder);
        ExpectChunkLayout(file, c.colourType == 3);

        const auto chunks = PngChunks(file);
        const auto& ihdr = chunks[0].data;
        EXPECT_EQ(BigEndian32(&ihdr[0]), static_cast<uint32_t>(width));
        EXPECT_EQ(BigEndian32(&ihdr[4]), static_cast<uint32_t>(height));
        EXPECT_EQ(ihdr[8], c.bitDepth);
        EXPECT_EQ(ihdr[9], c.colourType);
        EXPECT_EQ(ihdr[10] | ihdr[11] | ihdr[12], 0);
        if (c.colourType == 3) {
            ASSERT_EQ(chunks[1].data.size(), 3 * c.paletteEntries);
            for (size_t i = 0; i < c.paletteEntries; ++i) {
                const Rgb entry = page.Palette()[i];
                EXPECT_EQ((Rgb{chunks[1].data[3 * i], chunks[1].data[3 * i + 1], chunks[1].data[3 * i + 2]}), entry);
            }
        }

        const DecodedImage decoded = DecodePng(file);
        ASSERT_EQ(decoded.width, width);
        ASSERT_EQ(decoded.height, height);
        int wrong = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                wrong += decoded.At(x, y) != page.Pixel(x, y);
        EXPECT_EQ(wrong, 0) << width << " x " << height;
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, PngDepth,
                         ::testing::Values(DepthCase{PixelFormat::Bits32, 8, 2, 0}, DepthCase{PixelFormat::Bits24, 8, 2, 0},
                                           DepthCase{PixelFormat::Bits15, 8, 2, 0}, DepthCase{PixelFormat::Bits8, 8, 3, 256},
                                           DepthCase{PixelFormat::Bits4, 4, 3, 16}, DepthCase{PixelFormat::Bits1, 1, 3, 2}));

// The image data is exactly zlib's level-7 stream of the Sub-filtered rows: the
// filter, the row order, the channel order and the compressor settings in one check.
TEST(PngImageData, IsZlibLevel7OfSubFilteredRows)
{
    TemporaryFolder folder;
    const TBitmap page = PatternPage(301, 257);
    const auto stream = ImageData(PngChunks(WrittenPng(page, folder)));
    EXPECT_EQ(stream, Compressed(SubFiltered(RgbRows(page), 3 * 301, 3)));

    TBitmap indexed = PatternPage(99, 40, PixelFormat::Bits4);
    std::vector<uint8_t> packed;
    for (int y = 0; y < indexed.Height(); ++y)
        packed.insert(packed.end(), indexed.ScanLine(y), indexed.ScanLine(y) + 50);
    EXPECT_EQ(ImageData(PngChunks(WrittenPng(indexed, folder))), Compressed(SubFiltered(packed, 50, 1)));
}

// A page one pixel wide: each row is the filter byte 1 and the pixel's bytes unchanged.
TEST(PngImageData, OnePixelWideRowsAreTheBareColours)
{
    TemporaryFolder folder;
    const TBitmap page = PatternPage(1, 6);
    const auto stream = ImageData(PngChunks(WrittenPng(page, folder)));
    std::vector<uint8_t> rows(6 * 4);
    uLongf size = rows.size();
    ASSERT_EQ(uncompress(rows.data(), &size, stream.data(), stream.size()), Z_OK);
    ASSERT_EQ(size, rows.size());
    for (int y = 0; y < 6; ++y) {
        const Rgb c = page.Pixel(0, y);
        EXPECT_EQ(rows[4 * y], 1);
        EXPECT_EQ((Rgb{rows[4 * y + 1], rows[4 * y + 2], rows[4 * y + 3]}), c);
    }
}

// Random bytes compress to stored deflate blocks: the stream is then the raw size plus
// 6 bytes of zlib framing plus 5 a block, so a page size for any stream size can be
// worked out and then confirmed with zlib.
std::vector<uint8_t> RandomRaw(size_t bytes)
{
    std::mt19937 random(20240611);
    std::vector<uint8_t> raw(bytes);
    for (auto& b : raw)
        b = static_cast<uint8_t>(random() >> 24);
    return raw;
}

struct SizedPage {
    size_t width = 0, height = 0;
    std::vector<uint8_t> raw;
};

std::optional<SizedPage> PageCompressingTo(size_t target)
{
    for (size_t width = 1; width < 400; ++width)
        for (size_t blocks = 1; 5 * blocks + 6 < target && blocks < 40; ++blocks) {
            const size_t rawBytes = target - 6 - 5 * blocks, rowBytes = 1 + 3 * width;
            if (rawBytes % rowBytes != 0)
                continue;
            SizedPage page{width, rawBytes / rowBytes, RandomRaw(rawBytes / rowBytes * 3 * width)};
            if (Compressed(SubFiltered(page.raw, 3 * width, 3)).size() == target)
                return page;
        }
    return std::nullopt;
}

TBitmap PageOfRgb(const std::vector<uint8_t>& raw, int width, int height)
{
    TBitmap page(PixelFormat::Bits24);
    page.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = page.MutableScanLine(y);
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &raw[(static_cast<size_t>(y) * width + x) * 3];
            row[3 * x] = p[2];
            row[3 * x + 1] = p[1];
            row[3 * x + 2] = p[0];
        }
    }
    return page;
}

class PngStreamOfWholeChunks : public ::testing::TestWithParam<size_t> {};

// A zlib stream of exactly k x 65535 bytes fills k chunks and leaves no empty one.
TEST_P(PngStreamOfWholeChunks, GivesKFullChunksAndNoEmptyOne)
{
    const size_t k = GetParam();
    const auto sized = PageCompressingTo(k * 65535);
    ASSERT_TRUE(sized) << "no page found whose stream is " << k << " x 65535 bytes";
    const auto& raw = sized->raw;
    const size_t width = sized->width, height = sized->height;
    TemporaryFolder folder;
    const auto file = WrittenPng(PageOfRgb(raw, static_cast<int>(width), static_cast<int>(height)), folder);
    ExpectChunkLayout(file, false);
    const auto chunks = PngChunks(file);
    size_t idats = 0;
    for (const auto& chunk : chunks)
        if (chunk.type == "IDAT") {
            ++idats;
            EXPECT_EQ(chunk.data.size(), 65535u);
        }
    EXPECT_EQ(idats, k);
    EXPECT_EQ(ImageData(chunks), Compressed(SubFiltered(raw, 3 * width, 3)));
}

INSTANTIATE_TEST_SUITE_P(Multiples, PngStreamOfWholeChunks, ::testing::Values(1, 2, 3));

TEST(PngStream, ShorterThanOneChunkIsOneIdat)
{
    TemporaryFolder folder;
    const auto chunks = PngChunks(WrittenPng(PatternPage(50, 50), folder));
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[1].type, "IDAT");
    EXPECT_LT(chunks[1].data.size(), 65535u);
}

// A holder without a page, or given an empty page, writes the signature alone.
TEST(PngHolder, EmptyWritesTheSignatureOnly)
{
    TemporaryFolder folder;
    TPNGObject png;
    png.WriteImageFile(folder.Entry("empty.png"));
    const std::vector<uint8_t> signature = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    EXPECT_EQ(ReadBytes(folder.Entry("empty.png")), signature);

    png.TakePage(PatternPage(4, 4));
    png.TakePage(TBitmap());
    png.WriteImageFile(folder.Entry("zero.png"));
    EXPECT_EQ(ReadBytes(folder.Entry("zero.png")), signature);
}

// Our chunk CRC against zlib's, whole and continued, across the 8-byte steps.
TEST(Crc32, MatchesZlib)
{
    std::mt19937 random(7);
    std::vector<uint8_t> bytes(70000);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(random());
    for (size_t length : {0, 1, 7, 8, 9, 15, 16, 17, 1000, 65535, 70000}) {
        const std::span<const uint8_t> piece(bytes.data(), length);
        EXPECT_EQ(Crc32Update(0, piece), crc32(0, bytes.data(), static_cast<uInt>(length))) << length;
        const size_t half = length / 3;
        EXPECT_EQ(Crc32Update(Crc32Update(0, piece.first(half)), piece.subspan(half)), Crc32Update(0, piece));
    }
    const uint8_t iend[] = {'I', 'E', 'N', 'D'};
    EXPECT_EQ(Crc32Update(0, iend), 0xAE426082u);
}

} // namespace
} // namespace paginox::testing
