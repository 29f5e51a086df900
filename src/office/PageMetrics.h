#pragma once

namespace paginox {

// A page's size and margins in points, margins in Word's meaning: each reaches the
// body text, so a header or footer lies inside it.
struct PageMetrics final {
    double leftMargin = 0, rightMargin = 0, topMargin = 0, bottomMargin = 0;
    double pageWidth = 0, pageHeight = 0;
};

} // namespace paginox
