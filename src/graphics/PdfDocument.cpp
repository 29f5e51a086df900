#include "graphics/PdfDocument.h"

#include "graphics/TBitmap.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace paginox {

namespace {

// The PDF is the office's picture of the pages, never the user's file: poppler's
// remarks on its flaws (an annotation's bounding box, say) mean nothing to the user.
void IgnorePopplerRemark(const std::string&, void*) {}

} // namespace

PdfDocument::PdfDocument(std::vector<char> bytes) : FBytes(std::move(bytes))
{
    [[maybe_unused]] static const bool quiet =
        (poppler::set_debug_error_function(IgnorePopplerRemark, nullptr), true);
    if (FBytes.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
        throw EInvalidGraphic("Invalid graphic format");
    FDocument.reset(poppler::document::load_from_raw_data(FBytes.data(), static_cast<int>(FBytes.size())));
    if (!FDocument || FDocument->is_locked())
        throw EInvalidGraphic("Invalid graphic format");
}

PdfDocument::~PdfDocument() = default;

std::shared_ptr<const PdfDocument> PdfDocument::Load(std::vector<char> bytes)
{
    return std::shared_ptr<const PdfDocument>(new PdfDocument(std::move(bytes)));
}

int PdfDocument::PageCount() const
{
    return FDocument->pages();
}

PageSize PdfDocument::SizeOfPage(int index) const
{
    std::unique_ptr<poppler::page> page(FDocument->create_page(index));
    if (!page)
        throw EInvalidGraphic("Invalid graphic format");
    const poppler::rectf box = page->page_rect(poppler::crop_box);
    return {box.width(), box.height()};
}

void PdfDocument::DrawPage(int index, TBitmap& target, int width, int height) const
{
    if (width <= 0 || height <= 0)
        return;
    std::unique_ptr<poppler::page> page(FDocument->create_page(index));
    if (!page)
        throw EInvalidGraphic("Invalid graphic format");
    const poppler::rectf box = page->page_rect(poppler::crop_box);
    if (box.width() <= 0 || box.height() <= 0)
        return;

    poppler::page_renderer renderer;
    renderer.set_render_hints(poppler::page_renderer::antialiasing | poppler::page_renderer::text_antialiasing |
                              poppler::page_renderer::text_hinting);
    renderer.set_image_format(poppler::image::format_bgr24);
    renderer.set_paper_color(0xFFFFFFFF);
    const double xres = 72.0 * width / box.width();
    const double yres = 72.0 * height / box.height();
    const poppler::image image = renderer.render_page(page.get(), xres, yres, 0, 0, width, height);
    if (!image.is_valid())
        throw EInvalidGraphic("Invalid graphic format");

    // format_bgr24 rows are blue, green, red: the 24-bit layout itself.
    const int rows = std::min({height, image.height(), target.Height()});
    const int cols = std::min({width, image.width(), target.Width()});
    for (int y = 0; y < rows; ++y) {
        const auto* in = reinterpret_cast<const uint8_t*>(image.const_data()) + static_cast<size_t>(y) * image.bytes_per_row();
        if (target.BitsPerPixel() == 24) {
            std::memcpy(target.MutableScanLine(y), in, static_cast<size_t>(cols) * 3);
            continue;
        }
        for (int x = 0; x < cols; ++x)
            target.SetPixel(x, y, {in[3 * x + 2], in[3 * x + 1], in[3 * x]});
    }
}

} // namespace paginox
