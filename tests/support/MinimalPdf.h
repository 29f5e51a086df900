#pragma once

#include <string>
#include <vector>

namespace paginox::test {

// A one-page PDF of the given size in points whose page draws the content stream
// (PDF operators, e.g. "0 0 0 rg 10 10 50 50 re f").
std::vector<char> MinimalPdf(double width, double height, const std::string& content);

} // namespace paginox::test
