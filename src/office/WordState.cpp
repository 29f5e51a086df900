#include "office/WordState.h"

#include "office/OfficeDocument.h"
#include "office/OfficeSession.h"
#include "platform/automation/EOleException.h"

#include <algorithm>

namespace paginox {

WordState::~WordState()
{
    Quit();
}

void WordState::Add(const std::shared_ptr<OfficeDocument>& document)
{
    FDocuments.push_back(document);
    FActive = document;
}

void WordState::Activate(const std::shared_ptr<OfficeDocument>& document)
{
    if (document->Closed())
        throw EOleException("The document " + document->Path() + " is closed");
    FActive = document;
}

void WordState::Close(const std::shared_ptr<OfficeDocument>& document)
{
    std::erase(FDocuments, document);
    if (FActive == document)
        FActive = FDocuments.empty() ? nullptr : FDocuments.back();
    document->Close();
}

std::shared_ptr<OfficeDocument> WordState::ActiveDocument() const
{
    if (FSession->QuitDone())
        throw EOleException("The office has been quit");
    if (!FActive)
        throw EOleException("This command is not available because no document is open.");
    FActive->Check();
    return FActive;
}

void WordState::Quit()
{
    // Documents close before the office ends; one that cannot close goes with the office.
    for (const auto& document : FDocuments) {
        try {
            document->Close();
        } catch (const EOleException&) {
        }
    }
    FDocuments.clear();
    FActive.reset();
    FSession->Quit();
}

} // namespace paginox
