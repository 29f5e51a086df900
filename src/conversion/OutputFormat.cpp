#include "conversion/OutputFormat.h"

namespace paginox {

const char* ExtensionOf(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Jpeg: return ".jpg";
    case OutputFormat::Png: return ".png";
    case OutputFormat::Bmp: return ".bmp";
    }
    return "";
}

} // namespace paginox
