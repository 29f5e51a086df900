#include "office/WordDocument.h"

#include "office/WordPageSetup.h"
#include "office/WordRange.h"
#include "office/WordState.h"
#include "office/WhileOpen.h"
#include "platform/automation/EOleException.h"

#include <algorithm>

namespace paginox {

namespace {

constexpr int wdGoToPage = 1;
constexpr int wdGoToAbsolute = 1;

} // namespace

WordDocument::WordDocument(std::shared_ptr<WordState> state, std::shared_ptr<OfficeDocument> document)
    : FState(std::move(state)), FDocument(std::move(document))
{
    Define("Activate", Method, WhileOpen(FDocument, [this](auto&) {
        FState->Activate(FDocument);
        return Variant();
    }));
    Define("goto", Method, WhileOpen(FDocument, [this](std::vector<Variant>& args) {
        if (Arg(args, 0).Deref().AsInteger() != wdGoToPage || Arg(args, 1).Deref().AsInteger() != wdGoToAbsolute)
            throw EOleException("goto supports only an absolute page (1, 1)");
        // Like Word, a number past either end goes to the first or the last page.
        const int count = FDocument->PageCount();
        if (count == 0)
            throw EOleException("The document has no pages");
        const int page = std::clamp(Arg(args, 2).Deref().AsInteger(), 1, count);
        return Variant(DispatchPtr(std::make_shared<WordRange>(FState, FDocument, TextSpan{page - 1, page - 1})));
    }));
    Define("Range", Method | PropertyGet, WhileOpen(FDocument, [this](std::vector<Variant>& args) {
        const int count = FDocument->PageCount();
        TextSpan span{0, count};
        if (!args.empty()) {
            const int from = std::clamp(Arg(args, 0).Deref().AsInteger(), 0, count);
            const int to = args.size() > 1 ? std::clamp(args[1].Deref().AsInteger(), 0, count) : from;
            span = TextSpan{std::min(from, to), std::max(from, to)};
        }
        return Variant(DispatchPtr(std::make_shared<WordRange>(FState, FDocument, span)));
    }));
    Define("PageSetup", Method | PropertyGet, WhileOpen(FDocument, [this](auto&) {
        return Variant(DispatchPtr(std::make_shared<WordPageSetup>(FDocument)));
    }));
}

} // namespace paginox
