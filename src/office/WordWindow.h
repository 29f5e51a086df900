#pragma once

#include "platform/automation/AutomationObject.h"

#include <memory>

namespace paginox {

class OfficeDocument;
class WordState;

// The window of a document: Close closes the document.
class WordWindow final : public AutomationObject {
public:
    WordWindow(std::shared_ptr<WordState> state, std::shared_ptr<OfficeDocument> document);

private:
    std::shared_ptr<WordState> FState;
    std::shared_ptr<OfficeDocument> FDocument;
};

} // namespace paginox
