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

} // namespace paginox
