#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TMetafile.h"
#include "platform/clipboard/Clipboard.h"

namespace paginox {

// What the metafile formats hold on the clipboard.
struct MetafileClipData final : ClipboardData {
    explicit MetafileClipData(TMetafile value) : metafile(std::move(value)) {}
    TMetafile metafile;
};

// What the bitmap formats (device-dependent and device-independent) hold.
struct BitmapClipData final : ClipboardData {
    explicit BitmapClipData(TBitmap value) : bitmap(std::move(value)) {}
    TBitmap bitmap;
};

} // namespace paginox
