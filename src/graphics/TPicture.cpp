#include "graphics/TPicture.h"

#include "graphics/ClipboardPictures.h"
#include "platform/clipboard/Clipboard.h"

namespace paginox {

void TPicture::LoadFromClipboard(TClipboard& clipboard)
{
    ClipboardOpen open(clipboard);
    for (ClipboardFormat format : clipboard.Formats()) {
        switch (format) {
        case ClipboardFormat::MetafilePict:
        case ClipboardFormat::EnhMetafile: {
            auto data = clipboard.GetData(ClipboardFormat::EnhMetafile);
            if (!data)
                data = clipboard.GetData(format);
            if (auto metafile = dynamic_cast<const MetafileClipData*>(data.get())) {
                FGraphic = metafile->metafile;
                FKind = Kind::Metafile;
                return;
            }
            break;
        }
        case ClipboardFormat::Bitmap:
        case ClipboardFormat::Dib:
            if (auto bitmap = dynamic_cast<const BitmapClipData*>(clipboard.GetData(format).get())) {
                FGraphic = bitmap->bitmap;
                FKind = format == ClipboardFormat::Bitmap ? Kind::Bitmap : Kind::Dib;
                return;
            }
            break;
        }
    }
    throw EInvalidGraphic("Unsupported clipboard format");
}

TMetafile& TPicture::Metafile()
{
    if (FKind != Kind::Metafile) {
        FGraphic = TMetafile();
        FKind = Kind::Metafile;
    }
    return std::get<TMetafile>(FGraphic);
}

} // namespace paginox
