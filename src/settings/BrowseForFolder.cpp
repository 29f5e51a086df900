#include "settings/BrowseForFolder.h"

#include "platform/paths/Paths.h"
#include "platform/shell/Shell.h"

namespace paginox {

std::string BrowseForFolder(Shell& shell, const std::string& initialFolder)
{
    std::string folder = shell.ChooseFolder(initialFolder);
    // The root is the one folder that is its own delimiter; others lose trailing ones.
    while (folder.size() > 1 && folder.back() == PathDelim)
        folder.pop_back();
    return folder;
}

} // namespace paginox
