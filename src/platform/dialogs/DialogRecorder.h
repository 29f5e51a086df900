#pragma once

#include "platform/dialogs/Dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace paginox {

// Records what would be shown; the open dialog answers from a queue (empty = cancel).
class DialogRecorder final : public Dialogs {
public:
    enum class Kind { Message, Error, OpenFiles };
    struct Record {
        Kind kind;
        std::string text;  // the message, the error box text, or the filter
        std::string title; // empty for the error box and the open dialog
    };

    void ShowMessage(const std::string& text, const std::string& title) override
    {
        FRecords.push_back({Kind::Message, text, title});
    }
    void ShowError(const std::string& message) override
    {
        FRecords.push_back({Kind::Error, ErrorBoxText(message), {}});
    }
    std::vector<std::string> ChooseOpenFiles(const std::string& filter) override;

    void QueueOpenFiles(std::vector<std::string> files) { FOpenAnswers.push_back(std::move(files)); }
    const std::vector<Record>& Records() const { return FRecords; }
    void Clear() { FRecords.clear(); }

private:
    std::vector<Record> FRecords;
    std::deque<std::vector<std::string>> FOpenAnswers;
};

} // namespace paginox
