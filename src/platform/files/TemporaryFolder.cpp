#include "platform/files/TemporaryFolder.h"

#include "platform/Exception.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace paginox {

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder(const std::string& prefix)
{
    std::error_code error;
    std::string base = fs::temp_directory_path(error).string();
    if (error || base.empty())
        base = "/tmp";
    std::string pattern = base + "/" + prefix + "XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr)
        throw Exception("Cannot create a temporary folder in " + base + ": " + std::strerror(errno));
    FPath = buffer.data();
}

TemporaryFolder::~TemporaryFolder()
{
    Remove();
}

void TemporaryFolder::Remove()
{
    std::error_code error;
    if (FPath.empty() || fs::remove_all(FPath, error) != static_cast<std::uintmax_t>(-1))
        return;
    // A folder inside that its owner may not write keeps its entries: open every
    // folder to the owner, then remove again. Symbolic links are left as they are.
    std::error_code ignored;
    fs::permissions(FPath, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (auto it = fs::recursive_directory_iterator(FPath, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
        if (!it->is_symlink(ignored) && it->is_directory(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(FPath, ignored);
}

} // namespace paginox
