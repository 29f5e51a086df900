#include "doclist/FolderScan.h"

#include "doclist/EntryTexts.h"
#include "platform/AsciiText.h"
#include "platform/files/DirectoryEntry.h"
#include "platform/paths/Paths.h"

#include <algorithm>
#include <array>

namespace paginox {

bool IsDocumentName(std::string_view name)
{
    static const std::array<std::string_view, 6> extensions = {".doc", ".docx", ".docm",
                                                              ".dot", ".dotx", ".dotm"};
    const std::string extension = AsciiLower(ExtractFileExt(name));
    return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

std::vector<DocumentEntry> ScanFolder(const std::string& folder, const RegionalSettings& regional)
{
    std::vector<DocumentEntry> rows;
    const auto entries = ListFolder(folder);
    if (!entries)
        return rows;
    for (const DirectoryEntry& entry : *entries)
        if (IsDocumentName(entry.Name))
            rows.push_back(MakeDocumentEntry(entry.Name, folder + PathDelim + entry.Name, entry, regional));
    return rows;
}

} // namespace paginox
