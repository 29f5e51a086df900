#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace paginox::test {

// A fresh folder under the system's temporary folder, removed with its content.
class TempFolder final {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "paginox-list-XXXXXX").string();
        FPath = ::mkdtemp(pattern.data());
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return FPath; }

    // A file of that size (sparse beyond its first byte); returns its path.
    std::string File(const std::string& name, std::uintmax_t size = 0) const
    {
        const std::string path = FPath + "/" + name;
        std::ofstream(path).put('\0');
        std::filesystem::resize_file(path, size);
        return path;
    }
    std::string Folder(const std::string& name) const
    {
        const std::string path = FPath + "/" + name;
        std::filesystem::create_directory(path);
        return path;
    }

private:
    std::string FPath;
};

} // namespace paginox::test
