#pragma once

#include <string>

namespace paginox {

class Shell;

// The folder the user chose in the shell's chooser, or the empty text when cancelled.
// A root folder keeps its trailing delimiter ("/"); other folders come without one.
std::string BrowseForFolder(Shell& shell, const std::string& initialFolder);

} // namespace paginox
