#pragma once

#include "doclist/DocumentEntry.h"

#include <string>
#include <string_view>
#include <vector>

namespace paginox {

class RegionalSettings;

// The six document extensions, matched after lower-casing ASCII letters only.
bool IsDocumentName(std::string_view name);

// One row for every entry directly in the folder whose name has a document extension
// (subfolders included, never entered), in listing order; the path is the folder text,
// one delimiter and the name, joined as they stand. Empty when the folder cannot be listed.
std::vector<DocumentEntry> ScanFolder(const std::string& folder, const RegionalSettings& regional);

} // namespace paginox
