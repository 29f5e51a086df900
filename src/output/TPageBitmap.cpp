#include "output/TPageBitmap.h"

#include "output/BmpHeaders.h"
#include "output/OutputFile.h"

#include <vector>

namespace paginox {

void TPageBitmap::TakePage(const TBitmap& page)
{
    FPage = page;
}

void TPageBitmap::WriteImageFile(const std::string& path)
{
    OutputFile file(path);
    if (!FPage.Empty()) {
        // The store's rows are already padded to 4 bytes as a DIB's are: they go out
        // as they lie, bottom row first, gathered into as few writes as possible.
        const std::vector<uint8_t> headers = BmpHeaders(FPage);
        const size_t stride = static_cast<size_t>(FPage.Stride());
        std::vector<std::span<const uint8_t>> pieces;
        pieces.reserve(static_cast<size_t>(FPage.Height()) + 1);
        pieces.emplace_back(headers);
        for (int y = FPage.Height() - 1; y >= 0; --y)
            pieces.emplace_back(FPage.ScanLine(y), stride);
        file.WriteGathered(pieces);
    }
    file.Close();
}

} // namespace paginox
