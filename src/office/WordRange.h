#pragma once

#include "office/OfficeDocument.h"
#include "platform/automation/AutomationObject.h"

#include <memory>

namespace paginox {

class WordState;

// A range of a document's positions: Start and End (get and put), GoToNext (the next
// page's start; the last page gives its own), Select, CopyAsPicture (the first page
// the range covers, as a metafile on the process clipboard).
class WordRange final : public AutomationObject {
public:
    WordRange(std::shared_ptr<WordState> state, std::shared_ptr<OfficeDocument> document, TextSpan span);

private:
    void CopyAsPicture();

    std::shared_ptr<WordState> FState;
    std::shared_ptr<OfficeDocument> FDocument;
    TextSpan FSpan;
};

} // namespace paginox
