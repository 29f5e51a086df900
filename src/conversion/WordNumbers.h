#pragma once

#include "platform/automation/Variant.h"

namespace paginox {

// A number from Word as a whole number: floating values rounded to nearest, ties to
// even; integers unchanged; values outside 32 bits are an error.
int RoundWordNumber(const Variant& value);

} // namespace paginox
