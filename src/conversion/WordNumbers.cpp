#include "conversion/WordNumbers.h"

#include "platform/Exception.h"

#include <cmath>
#include <limits>

namespace paginox {

int RoundWordNumber(const Variant& value)
{
    if (value.IsInteger())
        return value.AsInteger();
    const double rounded = std::nearbyint(value.AsDouble());
    if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
        throw EConvertError("Invalid floating point operation");
    return static_cast<int>(rounded);
}

} // namespace paginox
