// Names for pixel formats in test names and failure messages.
#pragma once

#include "graphics/TBitmap.h"

#include <ostream>

namespace paginox {

inline void PrintTo(PixelFormat format, std::ostream* out)
{
    switch (format) {
    case PixelFormat::Device: *out << "device"; return;
    case PixelFormat::Bits1: *out << "1 bit"; return;
    case PixelFormat::Bits4: *out << "4 bits"; return;
    case PixelFormat::Bits8: *out << "8 bits"; return;
    case PixelFormat::Bits15: *out << "15 bits"; return;
    case PixelFormat::Bits24: *out << "24 bits"; return;
    case PixelFormat::Bits32: *out << "32 bits"; return;
    }
    *out << "format " << static_cast<int>(format);
}

} // namespace paginox
