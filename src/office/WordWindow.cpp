#include "office/WordWindow.h"

#include "office/WordState.h"

namespace paginox {

WordWindow::WordWindow(std::shared_ptr<WordState> state, std::shared_ptr<OfficeDocument> document)
    : FState(std::move(state)), FDocument(std::move(document))
{
    Define("Close", Method, [this](auto&) {
        FState->Close(FDocument);
        return Variant();
    });
}

} // namespace paginox
