#pragma once

#include "platform/automation/AutomationObject.h"

#include <memory>

namespace paginox {

class WordState;

// Application.Documents: Open(full path by reference) opens a document and makes it active.
class WordDocuments final : public AutomationObject {
public:
    explicit WordDocuments(std::shared_ptr<WordState> state);

private:
    std::shared_ptr<WordState> FState;
};

} // namespace paginox
