#pragma once

#include <array>
#include <string>

namespace paginox {

// One row of the document list, as texts.
struct DocumentEntry {
    bool Checked = true;
    std::string Caption;                 // the file name
    std::array<std::string, 4> SubItems; // full path, size, creation time, modification time
    friend bool operator==(const DocumentEntry&, const DocumentEntry&) = default;
};

inline constexpr int PathSubItem = 0;

// What column k of the list shows: the caption for 0, else sub-item k - 1.
inline const std::string& ColumnText(const DocumentEntry& entry, int column)
{
    return column == 0 ? entry.Caption : entry.SubItems[static_cast<size_t>(column - 1)];
}

} // namespace paginox
