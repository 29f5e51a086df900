#pragma once

#include "graphics/PdfDocument.h"

#include <memory>

namespace paginox {

class TBitmap;

// The device a metafile's pixel sizes refer to: a 96-dpi display of 1920 x 1440
// pixels, 508 x 381 millimetres.
struct ReferenceDevice {
    int widthPixels = 1920, heightPixels = 1440;
    int widthMillimetres = 508, heightMillimetres = 381;
};

// A vector page: one page of a PDF held in memory. Its frame is kept in hundredths of
// a millimetre; Width and Height are in pixels of the reference device. An empty
// metafile keeps the sizes set on it and draws nothing.
class TMetafile final {
public:
    TMetafile() = default;
    TMetafile(std::shared_ptr<const PdfDocument> document, int pageIndex);

    bool Empty() const { return !FDocument; }
    const std::shared_ptr<const PdfDocument>& Document() const { return FDocument; }
    int MMWidth() const { return FMMWidth; }
    int MMHeight() const { return FMMHeight; }

    int Width() const;
    int Height() const;
    void SetWidth(int pixels);
    void SetHeight(int pixels);

    // Plays the page over the target's rectangle (0, 0, width, height), filling it
    // whatever the page's own frame.
    void StretchDraw(TBitmap& target, int width, int height) const;

private:
    ReferenceDevice FDevice;
    std::shared_ptr<const PdfDocument> FDocument;
    int FPageIndex = 0;
    int FMMWidth = 0, FMMHeight = 0;
};

// a x b / c rounded to nearest, halves away from zero, in 64 bits.
int MulDiv(int a, int b, int c);

} // namespace paginox
