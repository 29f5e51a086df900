#pragma once

#include <string>

namespace paginox {

// The scale of a page from the settings text: a number from 30 to 100, read with the
// given decimal separator; else an error that says what is wrong.
long double ParseScale(const std::string& text, const std::string& decimalSeparator);

// round(scale / 100 x size), the division first, in extended precision, ties to even.
int ScaledSize(long double scale, int size);

} // namespace paginox
