#include "conversion/ScaleText.h"

#include "platform/Exception.h"
#include "platform/regional/DecimalText.h"

#include <cmath>
#include <limits>

namespace paginox {

long double ParseScale(const std::string& text, const std::string& decimalSeparator)
{
    const long double scale = StrToFloat(text, decimalSeparator);
    // Checked here too: the text may have been typed after the dialog checked it.
    if (!(scale >= 30 && scale <= 100))
        throw EConvertError("The scale '" + text + "' is not a number from 30 to 100");
    return scale;
}

int ScaledSize(long double scale, int size)
{
    const long double rounded = std::nearbyintl(scale / 100.0L * size);
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        throw EConvertError("Invalid floating point operation");
    return static_cast<int>(rounded);
}

} // namespace paginox
