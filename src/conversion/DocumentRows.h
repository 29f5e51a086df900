#pragma once

#include <string>
#include <vector>

namespace paginox {

// What a run needs of one row of the document list.
struct DocumentRow {
    bool checked = false;
    std::string fullPath;
};

// The document list as a run reads it; the run copies the rows at its start.
class DocumentRows {
public:
    virtual ~DocumentRows() = default;
    virtual std::vector<DocumentRow> Rows() const = 0;
};

} // namespace paginox
