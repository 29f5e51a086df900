#include "platform/files/DirectoryEntry.h"

#include "platform/paths/Paths.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace paginox {

namespace {

FileTime ToFileTime(const struct statx_timestamp& stamp)
{
    return FileTime{stamp.tv_sec, stamp.tv_nsec};
}

DirectoryEntry FromStatx(const struct statx& info, std::string name)
{
    DirectoryEntry entry;
    entry.Name = std::move(name);
    entry.IsDirectory = S_ISDIR(info.stx_mode);
    // A folder's own size is the file system's bookkeeping, not content: show none.
    entry.Size = entry.IsDirectory ? 0 : info.stx_size;
    entry.LastWriteTime = ToFileTime(info.stx_mtime);
    entry.CreationTime = (info.stx_mask & STATX_BTIME) ? ToFileTime(info.stx_btime)
                                                       : entry.LastWriteTime;
    return entry;
}

// Where statx is missing (old kernels, some sandboxes) there is no birth time either.
DirectoryEntry FromStat(const struct stat& info, std::string name)
{
    DirectoryEntry entry;
    entry.Name = std::move(name);
    entry.IsDirectory = S_ISDIR(info.st_mode);
    entry.Size = entry.IsDirectory ? 0 : static_cast<std::uint64_t>(info.st_size);
    entry.LastWriteTime = FileTime{info.st_mtim.tv_sec, static_cast<std::uint32_t>(info.st_mtim.tv_nsec)};
    entry.CreationTime = entry.LastWriteTime;
    return entry;
}

// A dangling symbolic link is still an entry of that name: fall back to the link itself.
std::optional<DirectoryEntry> StatEntry(int folderFd, const char* path, std::string name)
{
    const unsigned mask = STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_BTIME;
    for (const int flags : {0, AT_SYMLINK_NOFOLLOW}) {
        struct statx info {};
        if (statx(folderFd, path, flags, mask, &info) == 0)
            return FromStatx(info, std::move(name));
        if (errno == ENOSYS) {
            struct stat plain {};
            if (fstatat(folderFd, path, &plain, flags) == 0)
                return FromStat(plain, std::move(name));
        }
    }
    return std::nullopt;
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

} // namespace

std::optional<DirectoryEntry> FindEntry(const std::string& path)
{
    if (path.empty())
        return std::nullopt;
    return StatEntry(AT_FDCWD, path.c_str(), ExtractFileName(path));
}

std::optional<std::vector<DirectoryEntry>> ListFolder(const std::string& folder)
{
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir)
        return std::nullopt;
    std::vector<DirectoryEntry> entries;
    while (const dirent* item = readdir(dir.get())) {
        const std::string name = item->d_name;
        if (name == "." || name == "..")
            continue;
        // An entry that vanished between listing and looking it up is left out.
        if (auto entry = StatEntry(dirfd(dir.get()), item->d_name, name))
            entries.push_back(std::move(*entry));
    }
    return entries;
}

} // namespace paginox
