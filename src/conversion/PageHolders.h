#pragma once

#include "output/TJPEGImage.h"
#include "output/TPNGObject.h"
#include "output/TPageBitmap.h"

namespace paginox {

// The three page holders of the main window, made in this order; each keeps the last
// composed page.
struct PageHolders final {
    TJPEGImage FJpegImage;
    TPageBitmap FPageBitmap;
    TPNGObject FPngImage;
};

} // namespace paginox
