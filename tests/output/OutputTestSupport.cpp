#include "OutputTestSupport.h"

#include <gtest/gtest.h>

#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace paginox::testing {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

TBitmap PatternPage(int width, int height, PixelFormat format)
{
    TBitmap page(format);
    page.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            page.SetPixel(x, y, {static_cast<uint8_t>(x * 37 + y * 11), static_cast<uint8_t>(x * 5 + y * 73 + 40),
                                 static_cast<uint8_t>(x * 101 + y * 29 + 90)});
    return page;
}

DecodedImage DecodePng(const std::vector<uint8_t>& file)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    DecodedImage out;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) {
        ADD_FAILURE() << "libpng: " << image.message;
        return out;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> buffer(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr)) {
        ADD_FAILURE() << "libpng: " << image.message;
        return out;
    }
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    for (size_t i = 0; i + 2 < buffer.size(); i += 3)
        out.pixels.push_back({buffer[i], buffer[i + 1], buffer[i + 2]});
    return out;
}

namespace {

struct DecodeErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void DecodeErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<DecodeErrors*>(info->err)->jump, 1);
}

// No C++ objects live in this frame, so the jump skips nothing.
bool DecodeJpegInto(const std::vector<uint8_t>& file, jpeg_decompress_struct& info, DecodeErrors& errors,
                    std::vector<uint8_t>& buffer)
{
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = DecodeErrorExit;
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), file.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    buffer.resize(size_t{info.output_width} * info.output_height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = buffer.data() + size_t{info.output_scanline} * info.output_width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

DecodedImage DecodeJpeg(const std::vector<uint8_t>& file)
{
    jpeg_decompress_struct info{};
    DecodeErrors errors{};
    std::vector<uint8_t> buffer;
    DecodedImage out;
    const bool decoded = DecodeJpegInto(file, info, errors, buffer);
    if (decoded) {
        out.width = static_cast<int>(info.output_width);
        out.height = static_cast<int>(info.output_height);
        for (size_t i = 0; i + 2 < buffer.size(); i += 3)
            out.pixels.push_back({buffer[i], buffer[i + 1], buffer[i + 2]});
    } else {
        ADD_FAILURE() << "libjpeg could not decode the file";
    }
    jpeg_destroy_decompress(&info);
    return out;
}

std::vector<uint8_t> LibjpegEncoding(const TBitmap& page, LibjpegInput input)
{
    const bool rgb = input == LibjpegInput::RgbTriples;
    std::vector<uint8_t> triples;
    if (rgb)
        for (int y = 0; y < page.Height(); ++y)
            for (int x = 0; x < page.Width(); ++x) {
                const Rgb c = page.Pixel(x, y);
                triples.insert(triples.end(), {c.red, c.green, c.blue});
            }
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(page.Width());
    info.image_height = static_cast<JDIMENSION>(page.Height());
    info.input_components = rgb ? 3 : 4;
    info.in_color_space = rgb ? JCS_RGB : JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    info.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        JSAMPROW row = rgb ? triples.data() + size_t{info.next_scanline} * 3 * page.Width()
                           : const_cast<JSAMPROW>(page.ScanLine(y));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

uint32_t BigEndian32(const uint8_t* p)
{
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

uint32_t LittleEndian32(const uint8_t* p)
{
    return uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
}

uint16_t LittleEndian16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[1] << 8 | p[0]);
}

std::vector<PngChunk> PngChunks(const std::vector<uint8_t>& file)
{
    std::vector<PngChunk> chunks;
    size_t at = 8;
    while (at + 12 <= file.size()) {
        const uint32_t length = BigEndian32(&file[at]);
        if (at + 12 + length > file.size()) {
            ADD_FAILURE() << "chunk at " << at << " runs past the end";
            break;
        }
        PngChunk chunk;
        chunk.type.assign(reinterpret_cast<const char*>(&file[at + 4]), 4);
        chunk.data.assign(file.begin() + static_cast<long>(at + 8), file.begin() + static_cast<long>(at + 8 + length));
        chunk.crc = BigEndian32(&file[at + 8 + length]);
        chunks.push_back(std::move(chunk));
        at += 12 + length;
    }
    EXPECT_EQ(at, file.size()) << "bytes after the last chunk";
    return chunks;
}

std::vector<JpegSegment> JpegSegments(const std::vector<uint8_t>& file)
{
    std::vector<JpegSegment> segments;
    size_t at = 0;
    while (at + 1 < file.size()) {
        if (file[at] != 0xFF) {
            ADD_FAILURE() << "no marker at " << at;
            break;
        }
        JpegSegment segment;
        segment.marker = file[at + 1];
        at += 2;
        if (segment.marker == 0xD8 || segment.marker == 0xD9) {
            segments.push_back(segment);
            if (segment.marker == 0xD9)
                break;
            continue;
        }
        segment.lengthField = file[at] << 8 | file[at + 1];
        segment.data.assign(file.begin() + static_cast<long>(at + 2), file.begin() + static_cast<long>(at + segment.lengthField));
        at += static_cast<size_t>(segment.lengthField);
        if (segment.marker == 0xDA) {
            // Entropy-coded data: a marker is FF not followed by 00 or a restart marker.
            while (at + 1 < file.size() &&
                   !(file[at] == 0xFF && file[at + 1] != 0x00 && (file[at + 1] < 0xD0 || file[at + 1] > 0xD7)))
                ++at;
        }
        segments.push_back(std::move(segment));
    }
    return segments;
}

int OpenDescriptorCount()
{
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

} // namespace paginox::testing
