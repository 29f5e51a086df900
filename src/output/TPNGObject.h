#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TGraphic.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace paginox {

// The IHDR values.
struct PngHeader {
    uint32_t width = 0, height = 0;
    uint8_t bitDepth = 8;
    uint8_t colourType = 2; // 2 truecolour, 3 indexed
    uint8_t compressionMethod = 0, filterMethod = 0, interlaceMethod = 0;
};

// The PNG page holder: TakePage copies the page to its own samples (8-bit red,
// green, blue; palette indices at 8 bits or less), the write compresses them.
class TPNGObject final : public TGraphic {
public:
    TPNGObject() = default;

    // Drops the previous page; copies and converts the pixels, compresses nothing.
    void TakePage(const TBitmap& page) override;
    // Signature, IHDR, PLTE for an indexed page, IDAT chunks, IEND; an empty holder
    // or page gives the signature alone. EFCreateError, EWriteError.
    void WriteImageFile(const std::string& path) override;

    const std::optional<PngHeader>& Header() const { return FHeader; }

private:
    std::optional<PngHeader> FHeader;
    std::vector<Rgb> FPalette;     // PLTE, indexed pages only
    std::vector<uint8_t> FSamples; // the rows, top first, unfiltered and unpadded
    size_t FRowBytes = 0;
    size_t FFilterDistance = 3;
};

} // namespace paginox
