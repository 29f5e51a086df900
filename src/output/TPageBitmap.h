#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TGraphic.h"

#include <string>

namespace paginox {

// The BMP page holder: shares the page's pixels and writes them as a
// device-independent bitmap file at the page's own depth.
class TPageBitmap final : public TGraphic {
public:
    TPageBitmap() = default;

    // Drops the previous page and shares the new one's pixels.
    void TakePage(const TBitmap& page) override;
    // An empty holder or page gives an empty file. EFCreateError, EWriteError.
    void WriteImageFile(const std::string& path) override;

    const TBitmap& Page() const { return FPage; }

private:
    TBitmap FPage;
};

} // namespace paginox
