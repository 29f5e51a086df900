#pragma once

#include <string_view>

namespace paginox {

// Reads a decimal number: optional blanks, an optional sign, digits with an optional
// decimal separator and fraction digits, an optional exponent, optional blanks and
// nothing else. EConvertError "'%s' is not a valid floating point value" otherwise.
double StrToFloat(std::string_view text, std::string_view decimalSeparator);

} // namespace paginox
