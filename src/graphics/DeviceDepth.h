#pragma once

namespace paginox {

// The display's bits per pixel, the depth of every device-format bitmap: 32 on a
// true-colour screen and without a screen; 16 means 5-5-5; 8, 4 or 1 are indexed.
// The program sets it once at start from the screen.
int DeviceBitsPerPixel();
void SetDeviceBitsPerPixel(int bitsPerPixel);

} // namespace paginox
