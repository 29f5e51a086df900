#pragma once

#include <string>

namespace paginox {

// A fresh folder under the system's temporary folder, removed with everything in it
// when the guard ends.
class TemporaryFolder final {
public:
    explicit TemporaryFolder(const std::string& prefix = "paginox-");
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return FPath; }
    // The path of an entry inside the folder, whether it exists or not.
    std::string Entry(const std::string& name) const { return FPath + "/" + name; }
    void Remove();

private:
    std::string FPath;
};

} // namespace paginox
