#pragma once

#include "platform/files/TemporaryFolder.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace paginox::test {

// A fresh temporary folder in which tests make files and folders.
class TempFolder final {
public:
    const std::string& Path() const { return FFolder.Path(); }

    // A file of that size (sparse beyond its first byte); returns its path.
    std::string File(const std::string& name, std::uintmax_t size = 0) const
    {
        const std::string path = FFolder.Entry(name);
        std::ofstream(path).put('\0');
        std::filesystem::resize_file(path, size);
        return path;
    }
    std::string Folder(const std::string& name) const
    {
        const std::string path = FFolder.Entry(name);
        std::filesystem::create_directory(path);
        return path;
    }

private:
    TemporaryFolder FFolder{"paginox-list-"};
};

} // namespace paginox::test
