#include "graphics/DeviceDepth.h"

namespace paginox {

namespace {
int deviceBitsPerPixel = 32;
}

int DeviceBitsPerPixel()
{
    return deviceBitsPerPixel;
}

void SetDeviceBitsPerPixel(int bitsPerPixel)
{
    deviceBitsPerPixel = bitsPerPixel;
}

} // namespace paginox
