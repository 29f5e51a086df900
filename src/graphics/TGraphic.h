#pragma once

#include <string>

namespace paginox {

class TBitmap;

// The picture base of the page holders: each keeps the last page given to it and
// writes it in its own format.
class TGraphic {
public:
    virtual ~TGraphic() = default;
    virtual void TakePage(const TBitmap& page) = 0;
    virtual void WriteImageFile(const std::string& path) = 0;
};

} // namespace paginox
