#pragma once

#include <string_view>

namespace paginox {

// Byte by byte with a-z taken as A-Z: the difference of the first differing bytes,
// else the difference of the lengths.
int CompareText(std::string_view text1, std::string_view text2);

} // namespace paginox
