#pragma once

#include "office/OfficeDocument.h"
#include "platform/automation/Variant.h"

#include <memory>
#include <vector>

namespace paginox {

// A member of a document's object that fails, as every call of a dead server does,
// once the document is closed or its office has stopped.
template <typename Member>
auto WhileOpen(std::shared_ptr<OfficeDocument> document, Member member)
{
    return [document = std::move(document), member = std::move(member)](std::vector<Variant>& args) {
        document->Check();
        return member(args);
    };
}

} // namespace paginox
