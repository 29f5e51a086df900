#pragma once

#include "platform/automation/AutomationObject.h"

#include <memory>

namespace paginox {

class OfficeDocument;
class WordState;

// A document: Activate, goto (page by number), Range (whole or from, to), PageSetup.
class WordDocument final : public AutomationObject {
public:
    WordDocument(std::shared_ptr<WordState> state, std::shared_ptr<OfficeDocument> document);

private:
    std::shared_ptr<WordState> FState;
    std::shared_ptr<OfficeDocument> FDocument;
};

} // namespace paginox
