#include "office/WordRange.h"

#include "graphics/ClipboardPictures.h"
#include "office/WordState.h"
#include "office/WhileOpen.h"
#include "platform/automation/EOleException.h"
#include "platform/clipboard/Clipboard.h"

#include <algorithm>

namespace paginox {

namespace {

constexpr int wdGoToPage = 1;

} // namespace

WordRange::WordRange(std::shared_ptr<WordState> state, std::shared_ptr<OfficeDocument> document, TextSpan span)
    : FState(std::move(state)), FDocument(std::move(document)), FSpan(span)
{
    Define("Start", PropertyGet, WhileOpen(FDocument, [this](auto&) { return Variant(FSpan.start); }));
    Define("Start", PropertyPut, WhileOpen(FDocument, [this](std::vector<Variant>& args) {
        // As in Word, a start past the end takes the end along.
        FSpan.start = std::clamp(Arg(args, args.size() - 1).Deref().AsInteger(), 0, FDocument->PageCount());
        FSpan.end = std::max(FSpan.end, FSpan.start);
        return Variant();
    }));
    Define("End", PropertyGet, WhileOpen(FDocument, [this](auto&) { return Variant(FSpan.end); }));
    Define("End", PropertyPut, WhileOpen(FDocument, [this](std::vector<Variant>& args) {
        FSpan.end = std::clamp(Arg(args, args.size() - 1).Deref().AsInteger(), 0, FDocument->PageCount());
        FSpan.start = std::min(FSpan.start, FSpan.end);
        return Variant();
    }));
    Define("GoToNext", Method, WhileOpen(FDocument, [this](std::vector<Variant>& args) {
        if (Arg(args, 0).Deref().AsInteger() != wdGoToPage)
            throw EOleException("GoToNext supports only pages (1)");
        const int page = FDocument->PageAt(FSpan.start);
        // Page n + 1 starts at n; the last page has no next, so its own start is kept.
        const int next = page < FDocument->PageCount() ? page : page - 1;
        return Variant(DispatchPtr(std::make_shared<WordRange>(FState, FDocument, TextSpan{next, next})));
    }));
    Define("Select", Method, WhileOpen(FDocument, [this](auto&) {
        FState->Activate(FDocument);
        FDocument->SetSelection(FSpan);
        return Variant();
    }));
    Define("CopyAsPicture", Method, WhileOpen(FDocument, [this](auto&) {
        CopyAsPicture();
        return Variant();
    }));
}

void WordRange::CopyAsPicture()
{
    if (FSpan.end <= FSpan.start)
        throw EOleException("Nothing is selected to copy");
    const int page = FDocument->PageAt(FSpan.start);
    auto data = std::make_shared<const MetafileClipData>(FDocument->PictureOfPage(page));
    try {
        TClipboard clipboard(ClipboardStore::Process());
        ClipboardOpen open(clipboard);
        clipboard.Clear();
        clipboard.SetData(ClipboardFormat::EnhMetafile, data);
        clipboard.SetData(ClipboardFormat::MetafilePict, data);
    } catch (const EClipboardException& error) {
        throw EOleException(error.Message());
    }
}

} // namespace paginox
