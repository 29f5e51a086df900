#pragma once

#include <string>

namespace paginox {

// What a conversion run shows and asks of the window it runs in: the main window
// implements it, and so does the command-line front end.
class RunView {
public:
    virtual ~RunView() = default;

    virtual void RepaintWindow() = 0;
    virtual void ProcessMessages() = 0;

    virtual void SetStatus(const std::string& text) = 0;  // Label1, repainted at once
    virtual void ShowProgress(bool visible) = 0;          // ProgressBar1's visibility
    virtual void SetProgress(int maximum, int position) = 0;

    // A message box with an OK button and no icon.
    virtual void ShowMessage(const std::string& text, const std::string& title) = 0;

    // Opens the folder in the desktop's file manager.
    virtual void OpenFolder(const std::string& folder) = 0;

    // A page file was written.
    virtual void FileWritten(const std::string& /*path*/) {}
};

} // namespace paginox
