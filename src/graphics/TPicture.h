#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TMetafile.h"

#include <variant>

namespace paginox {

class TClipboard;

// Holds one graphic loaded from the clipboard: a metafile, a bitmap or a
// device-independent bitmap.
class TPicture final {
public:
    enum class Kind { None, Metafile, Bitmap, Dib };

    // Loads the first format of the clipboard's own order that a picture can hold.
    // A metafile is read from the enhanced-metafile form whichever metafile format
    // came first. EInvalidGraphic when none is there; the clipboard's own error when
    // it cannot be opened.
    void LoadFromClipboard(TClipboard& clipboard);

    Kind GetKind() const { return FKind; }

    // The picture as a metafile: any other graphic is dropped for an empty metafile,
    // which keeps the sizes then set on it and draws nothing.
    TMetafile& Metafile();

private:
    Kind FKind = Kind::None;
    std::variant<std::monostate, TMetafile, TBitmap> FGraphic;
};

} // namespace paginox
