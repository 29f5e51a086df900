#include "graphics/TMetafile.h"

#include "graphics/TBitmap.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace paginox {

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t half = (c < 0 ? -c : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    int64_t quotient = ((product < 0 ? -product : product) + half) / (c < 0 ? -int64_t{c} : int64_t{c});
    if (negative)
        quotient = -quotient;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(quotient);
}

TMetafile::TMetafile(std::shared_ptr<const PdfDocument> document, int pageIndex)
    : FDocument(std::move(document)), FPageIndex(pageIndex)
{
    const PageSize size = FDocument->SizeOfPage(pageIndex);
    FMMWidth = static_cast<int>(std::lround(size.width * 2540.0 / 72.0));
    FMMHeight = static_cast<int>(std::lround(size.height * 2540.0 / 72.0));
}

int TMetafile::Width() const
{
    return MulDiv(FMMWidth, FDevice.widthPixels, FDevice.widthMillimetres * 100);
}

int TMetafile::Height() const
{
    return MulDiv(FMMHeight, FDevice.heightPixels, FDevice.heightMillimetres * 100);
}

void TMetafile::SetWidth(int pixels)
{
    FMMWidth = MulDiv(pixels, FDevice.widthMillimetres * 100, FDevice.widthPixels);
}

void TMetafile::SetHeight(int pixels)
{
    FMMHeight = MulDiv(pixels, FDevice.heightMillimetres * 100, FDevice.heightPixels);
}

void TMetafile::StretchDraw(TBitmap& target, int width, int height) const
{
    if (FDocument)
        FDocument->DrawPage(FPageIndex, target, width, height);
}

} // namespace paginox
