#include "platform/dialogs/DialogRecorder.h"

namespace paginox {

std::vector<std::string> DialogRecorder::ChooseOpenFiles(const std::string& filter)
{
    FRecords.push_back({Kind::OpenFiles, filter, {}});
    if (FOpenAnswers.empty())
        return {};
    std::vector<std::string> files = std::move(FOpenAnswers.front());
    FOpenAnswers.pop_front();
    return files;
}

} // namespace paginox
