#include "office/WordSelection.h"

#include "office/OfficeDocument.h"
#include "office/WordRange.h"
#include "office/WordState.h"
#include "platform/automation/EOleException.h"

namespace paginox {

namespace {

constexpr int wdNumberOfPagesInDocument = 4;

} // namespace

WordSelection::WordSelection(std::shared_ptr<WordState> state) : FState(std::move(state))
{
    Define("Information", PropertyGet, [this](std::vector<Variant>& args) {
        const int type = Arg(args, 0).Deref().AsInteger();
        if (type != wdNumberOfPagesInDocument)
            throw EOleException("Information " + std::to_string(type) + " is not supported");
        return Variant(FState->ActiveDocument()->PageCount());
    });
    Define("Range", Method | PropertyGet, [this](auto&) {
        const auto document = FState->ActiveDocument();
        return Variant(DispatchPtr(std::make_shared<WordRange>(FState, document, document->Selection())));
    });
}

} // namespace paginox
