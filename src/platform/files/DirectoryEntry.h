#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace paginox {

// A moment in UTC, as the file system stamps it.
struct FileTime {
    std::int64_t Seconds = 0;     // since 1970-01-01 00:00:00 UTC
    std::uint32_t Nanoseconds = 0;
    friend bool operator==(const FileTime&, const FileTime&) = default;
};

struct DirectoryEntry {
    std::string Name;             // the entry's own name, without its folder
    std::uint64_t Size = 0;       // 0 for folders, as a directory listing gives them
    FileTime CreationTime;        // birth time where the file system reports it, else mtime
    FileTime LastWriteTime;
    bool IsDirectory = false;
};

// Looks the path up as it stands (no wildcards): files, folders, hidden and read-only
// entries all count. Empty when no entry of that name exists.
std::optional<DirectoryEntry> FindEntry(const std::string& path);

// The entries of one folder in the order the system yields them, "." and ".." left
// out. Empty when the folder cannot be listed.
std::optional<std::vector<DirectoryEntry>> ListFolder(const std::string& folder);

} // namespace paginox
