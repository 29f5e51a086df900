#include "office/WordDocuments.h"

#include "office/DocumentLoader.h"
#include "office/WordDocument.h"
#include "office/WordState.h"

namespace paginox {

WordDocuments::WordDocuments(std::shared_ptr<WordState> state) : FState(std::move(state))
{
    Define("Open", Method, [this](std::vector<Variant>& args) {
        const std::string path = Arg(args, 0).Deref().AsText();
        auto document = LoadWordDocument(FState->Session(), path);
        FState->Add(document);
        return Variant(DispatchPtr(std::make_shared<WordDocument>(FState, document)));
    });
}

} // namespace paginox
