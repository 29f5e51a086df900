#include "output/JpegEncoder.h"

#include "graphics/TBitmap.h"
#include "output/JpegErrorManager.h"
#include "output/JpegMemoryDestination.h"
#include "output/OutputErrors.h"

#include <new>

namespace paginox {

namespace {

constexpr int Quality = 90;

// Everything the compression touches, owned outside the jump's frame.
struct Compression final {
    explicit Compression(const TBitmap& page) : page(page) {}
    ~Compression() { jpeg_destroy_compress(&info); }
    Compression(const Compression&) = delete;
    Compression& operator=(const Compression&) = delete;

    const TBitmap& page;
    jpeg_compress_struct info{};
    JpegErrorManager errors{};
    JpegMemoryDestination destination{};
    std::vector<uint8_t> bytes;
    std::vector<uint8_t> row; // the page's row as blue, green, red when its depth is not one libjpeg reads
};

// 32- and 24-bit rows go to the library as they are, told they are blue-green-red;
// the other depths are converted row by row.
J_COLOR_SPACE InputSpaceOf(const TBitmap& page)
{
    switch (page.BitsPerPixel()) {
    case 32: return JCS_EXT_BGRX;
    default: return JCS_EXT_BGR;
    }
}

const uint8_t* RowOf(Compression& c, int y)
{
    const int bits = c.page.BitsPerPixel();
    if (bits == 32 || bits == 24)
        return c.page.ScanLine(y);
    uint8_t* out = c.row.data();
    for (int x = 0; x < c.page.Width(); ++x) {
        const Rgb colour = c.page.Pixel(x, y);
        *out++ = colour.blue;
        *out++ = colour.green;
        *out++ = colour.red;
    }
    return c.row.data();
}

void Compress(void* context)
{
    auto& c = *static_cast<Compression*>(context);
    jpeg_CreateCompress(&c.info, JPEG_LIB_VERSION, sizeof c.info);
    UseJpegMemoryDestination(&c.info, c.destination, c.bytes);
    c.info.image_width = static_cast<JDIMENSION>(c.page.Width());
    c.info.image_height = static_cast<JDIMENSION>(c.page.Height());
    c.info.input_components = c.page.BitsPerPixel() == 32 ? 4 : 3;
    c.info.in_color_space = InputSpaceOf(c.page);
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, Quality, TRUE);
    c.info.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&c.info, TRUE);
    for (int y = 0; y < c.page.Height(); ++y) {
        // libjpeg only reads the row it is given.
        JSAMPROW row = const_cast<JSAMPROW>(RowOf(c, y));
        jpeg_write_scanlines(&c.info, &row, 1);
    }
    jpeg_finish_compress(&c.info);
}

} // namespace

static_assert(JPEG_LIB_VERSION == 62, "the files are made by the interface 62 library");

std::vector<uint8_t> EncodeJpeg(const TBitmap& page)
{
    Compression c(page);
    c.info.err = UseJpegErrorManager(c.errors);
    if (page.BitsPerPixel() != 32 && page.BitsPerPixel() != 24)
        c.row.resize(static_cast<size_t>(page.Width()) * 3);
    try {
        RunJpegStep(c.errors, Compress, &c);
    } catch (const EJPEG&) {
        // Our own buffer found no memory: that is the platform's error, not the library's.
        if (c.destination.outOfMemory)
            throw std::bad_alloc();
        throw;
    }
    return std::move(c.bytes);
}

} // namespace paginox
