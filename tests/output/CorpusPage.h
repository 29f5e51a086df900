#pragma once

#include "graphics/TBitmap.h"

#include <string>

namespace paginox::testing {

// A page of a corpus document composed as a conversion at 100 % composes it: the
// page drawn by the office engine at one pixel a point, 72-point margins around it,
// in the device's format (A4 gives 739 x 986). The document is turned into PDF by
// LibreOffice once per process, with a private profile.
TBitmap ComposedCorpusPage(const std::string& document, int pageIndex);

} // namespace paginox::testing
