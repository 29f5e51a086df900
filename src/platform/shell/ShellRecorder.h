#pragma once

#include "platform/shell/Shell.h"

#include <deque>
#include <string>
#include <vector>

namespace paginox {

// Records what would be opened; the chooser answers from a queue (empty = cancel).
class ShellRecorder final : public Shell {
public:
    void Open(const std::string& target) override { FOpened.push_back(target); }
    std::string ChooseFolder(const std::string& initialFolder) override;

    void QueueFolder(std::string folder) { FFolderAnswers.push_back(std::move(folder)); }
    const std::vector<std::string>& Opened() const { return FOpened; }
    const std::vector<std::string>& ChooserStarts() const { return FChooserStarts; }

private:
    std::vector<std::string> FOpened;
    std::vector<std::string> FChooserStarts;
    std::deque<std::string> FFolderAnswers;
};

} // namespace paginox
