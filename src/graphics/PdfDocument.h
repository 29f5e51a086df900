#pragma once

#include "platform/Exception.h"

#include <memory>
#include <vector>

namespace poppler {
class document;
}

namespace paginox {

class TBitmap;

class EInvalidGraphic final : public Exception {
public:
    using Exception::Exception;
};

struct PageSize {
    double width = 0, height = 0; // points
};

// A whole document's pages as PDF, held in memory and drawn page by page.
class PdfDocument final {
public:
    // EInvalidGraphic when the bytes are no PDF.
    static std::shared_ptr<const PdfDocument> Load(std::vector<char> bytes);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    int PageCount() const;
    PageSize SizeOfPage(int index) const;

    // Draws the page stretched over exactly width x height pixels at (0, 0) of target,
    // with antialiasing.
    void DrawPage(int index, TBitmap& target, int width, int height) const;

private:
    explicit PdfDocument(std::vector<char> bytes);

    std::vector<char> FBytes; // poppler reads from these for the document's lifetime
    std::unique_ptr<poppler::document> FDocument;
};

} // namespace paginox
