#include "office/TemporaryFolder.h"

#include "platform/automation/EOleException.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace paginox {

TemporaryFolder::TemporaryFolder(const std::string& prefix)
{
    std::error_code error;
    std::string base = std::filesystem::temp_directory_path(error).string();
    if (error || base.empty())
        base = "/tmp";
    std::string pattern = base + "/" + prefix + "XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr)
        throw EOleException("Cannot create a temporary folder in " + base + ": " + std::strerror(errno));
    FPath = buffer.data();
}

TemporaryFolder::~TemporaryFolder()
{
    Remove();
}

void TemporaryFolder::Remove()
{
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
}

} // namespace paginox
