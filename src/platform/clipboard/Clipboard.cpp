#include "platform/clipboard/Clipboard.h"

#include <algorithm>

namespace paginox {

ClipboardStore& ClipboardStore::Process()
{
    static ClipboardStore store;
    return store;
}

TClipboard::~TClipboard()
{
    if (FOpenCount > 0 && FStore.FOwner == this)
        FStore.FOwner = nullptr;
}

void TClipboard::Open()
{
    if (FOpenCount == 0) {
        if (FStore.FOwner != nullptr && FStore.FOwner != this)
            throw EClipboardException("Cannot open clipboard");
        FStore.FOwner = this;
    }
    ++FOpenCount;
}

void TClipboard::Close()
{
    if (FOpenCount == 0)
        return;
    if (--FOpenCount == 0)
        FStore.FOwner = nullptr;
}

void TClipboard::Clear()
{
    ClipboardOpen open(*this);
    FStore.FEntries.clear();
}

std::vector<ClipboardFormat> TClipboard::Formats()
{
    ClipboardOpen open(*this);
    std::vector<ClipboardFormat> formats;
    for (const auto& entry : FStore.FEntries)
        formats.push_back(entry.format);
    return formats;
}

ClipboardDataPtr TClipboard::GetData(ClipboardFormat format)
{
    ClipboardOpen open(*this);
    auto it = std::find_if(FStore.FEntries.begin(), FStore.FEntries.end(),
                           [format](const auto& entry) { return entry.format == format; });
    return it == FStore.FEntries.end() ? nullptr : it->data;
}

void TClipboard::SetData(ClipboardFormat format, ClipboardDataPtr data)
{
    ClipboardOpen open(*this);
    auto it = std::find_if(FStore.FEntries.begin(), FStore.FEntries.end(),
                           [format](const auto& entry) { return entry.format == format; });
    if (it != FStore.FEntries.end())
        it->data = std::move(data);
    else
        FStore.FEntries.push_back({format, std::move(data)});
}

} // namespace paginox
