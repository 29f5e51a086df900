#include "output/TPNGObject.h"

#include "output/OutputFile.h"
#include "output/PngChunkWriter.h"
#include "output/PngImageData.h"

#include <cstring>

namespace paginox {

namespace {

// The page's row as 8-bit red, green, blue samples.
void ConvertRow(const TBitmap& page, int y, uint8_t* out)
{
    const uint8_t* in = page.ScanLine(y);
    const int width = page.Width();
    switch (page.BitsPerPixel()) {
    case 32:
        for (int x = 0; x < width; ++x, in += 4, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
        break;
    case 24:
        for (int x = 0; x < width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
        break;
    default:
        // 16 bits: each 5-bit channel widened as the pixel store reads it, v << 3 | v >> 2.
        for (int x = 0; x < width; ++x, out += 3) {
            const Rgb colour = page.Pixel(x, y);
            out[0] = colour.red;
            out[1] = colour.green;
            out[2] = colour.blue;
        }
        break;
    }
}

std::vector<uint8_t> HeaderData(const PngHeader& header)
{
    std::vector<uint8_t> data(13);
    PutBigEndian32(data.data(), header.width);
    PutBigEndian32(data.data() + 4, header.height);
    data[8] = header.bitDepth;
    data[9] = header.colourType;
    data[10] = header.compressionMethod;
    data[11] = header.filterMethod;
    data[12] = header.interlaceMethod;
    return data;
}

std::vector<uint8_t> PaletteData(const std::vector<Rgb>& palette)
{
    std::vector<uint8_t> data;
    data.reserve(3 * palette.size());
    for (const Rgb& colour : palette) {
        data.push_back(colour.red);
        data.push_back(colour.green);
        data.push_back(colour.blue);
    }
    return data;
}

} // namespace

void TPNGObject::TakePage(const TBitmap& page)
{
    FHeader.reset();
    FPalette = {};
    FSamples = {};
    FRowBytes = 0;
    if (page.Empty())
        return;

    PngHeader header;
    header.width = static_cast<uint32_t>(page.Width());
    header.height = static_cast<uint32_t>(page.Height());
    const int bits = page.BitsPerPixel();
    const size_t width = static_cast<size_t>(page.Width()), height = static_cast<size_t>(page.Height());
    if (bits >= 16) {
        FRowBytes = 3 * width;
        FFilterDistance = 3;
        FSamples.resize(FRowBytes * height);
        for (int y = 0; y < page.Height(); ++y)
            ConvertRow(page, y, FSamples.data() + static_cast<size_t>(y) * FRowBytes);
    } else {
        // Indexed: the store's packed rows are PNG's own (leftmost pixel in the high
        // bits), less their padding; the palette is the store's fixed one, 2^D colours.
        header.bitDepth = static_cast<uint8_t>(bits);
        header.colourType = 3;
        FPalette = page.Palette();
        FRowBytes = (width * static_cast<size_t>(bits) + 7) / 8;
        FFilterDistance = 1;
        FSamples.resize(FRowBytes * height);
        for (int y = 0; y < page.Height(); ++y)
            std::memcpy(FSamples.data() + static_cast<size_t>(y) * FRowBytes, page.ScanLine(y), FRowBytes);
    }
    FHeader = header;
}

void TPNGObject::WriteImageFile(const std::string& path)
{
    OutputFile file(path);
    file.Write(PngSignature);
    if (FHeader) {
        PngChunkWriter writer(file);
        writer.WriteChunk("IHDR", HeaderData(*FHeader));
        if (!FPalette.empty())
            writer.WriteChunk("PLTE", PaletteData(FPalette));
        WritePngImageData(writer, {FSamples, FRowBytes, FHeader->height, FFilterDistance});
        writer.WriteChunk("IEND", {});
    }
    file.Close();
}

} // namespace paginox
