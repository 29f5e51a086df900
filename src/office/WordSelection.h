#pragma once

#include "platform/automation/AutomationObject.h"

#include <memory>

namespace paginox {

class WordState;

// The active document's selection: Information(4) is the page count; Range is the
// selected span.
class WordSelection final : public AutomationObject {
public:
    explicit WordSelection(std::shared_ptr<WordState> state);

private:
    std::shared_ptr<WordState> FState;
};

} // namespace paginox
