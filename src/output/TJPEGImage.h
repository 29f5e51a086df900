#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TGraphic.h"

#include <cstdint>
#include <string>
#include <vector>

namespace paginox {

// The JPEG page holder: shares the page's pixels and encodes them at the first
// write after TakePage; later writes reuse the encoded stream.
class TJPEGImage final : public TGraphic {
public:
    TJPEGImage() = default;

    // Drops the previous page and its stream; shares the pixels, encodes nothing.
    void TakePage(const TBitmap& page) override;
    // Writes the whole JPEG file in one write; an empty holder or page gives an
    // empty file. EFCreateError, EJPEG, EWriteError.
    void WriteImageFile(const std::string& path) override;

    const TBitmap& Page() const { return FPage; }
    // Empty until the first write after TakePage.
    const std::vector<uint8_t>& EncodedStream() const { return FStream; }

private:
    TBitmap FPage;
    std::vector<uint8_t> FStream;
};

} // namespace paginox
