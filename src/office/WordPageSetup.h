#pragma once

#include "platform/automation/AutomationObject.h"

#include <memory>

namespace paginox {

class OfficeDocument;

// The page setup of the page that holds the document's selection, read at each call:
// margins, width and height in points.
class WordPageSetup final : public AutomationObject {
public:
    explicit WordPageSetup(std::shared_ptr<OfficeDocument> document);

private:
    std::shared_ptr<OfficeDocument> FDocument;
};

} // namespace paginox
