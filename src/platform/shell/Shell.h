#pragma once

#include <string>

namespace paginox {

// The desktop: opening folders, files and addresses, and the folder chooser.
class Shell {
public:
    virtual ~Shell() = default;

    // Hands a folder, file or address to the desktop's default handler; the result
    // is not reported.
    virtual void Open(const std::string& target) = 0;

    // The folder chooser titled "Please Choose a Folder", file-system folders only,
    // starting at initialFolder (none when empty). Empty when cancelled.
    virtual std::string ChooseFolder(const std::string& initialFolder) = 0;
};

} // namespace paginox
