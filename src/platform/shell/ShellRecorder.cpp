#include "platform/shell/ShellRecorder.h"

namespace paginox {

std::string ShellRecorder::ChooseFolder(const std::string& initialFolder)
{
    FChooserStarts.push_back(initialFolder);
    if (FFolderAnswers.empty())
        return {};
    std::string folder = std::move(FFolderAnswers.front());
    FFolderAnswers.pop_front();
    return folder;
}

} // namespace paginox
