#pragma once

#include <exception>
#include <string>
#include <vector>

namespace paginox {

// The fixed titles of the message boxes.
inline constexpr const char* ErrorTitle = "Error";
inline constexpr const char* WarningTitle = "Warning";
inline constexpr const char* NoticeTitle = "Notice";
inline constexpr const char* CongratulationTitle = "Congratulation";

// The message boxes and the file chooser of the program, passed to the windows so
// that tests record them instead of opening them.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A box with an OK button and no icon.
    virtual void ShowMessage(const std::string& text, const std::string& title) = 0;

    // The application error box: ErrorBoxText(message), a stop icon, OK, and the
    // application title.
    virtual void ShowError(const std::string& message) = 0;

    // The open dialog: several files, the first filter entry selected. filter is
    // "Name|patterns|Name|patterns..." with ";" between patterns. Empty on cancel.
    virtual std::vector<std::string> ChooseOpenFiles(const std::string& filter) = 0;
};

// The message with a full stop appended when its last byte sorts above ".".
std::string ErrorBoxText(const std::string& message);

// The executable's file name without its extension: the error box's title.
std::string ApplicationTitle();

// Runs an event handler; an error that leaves it is shown in the error box.
template <typename Handler>
void RunGuarded(Dialogs& dialogs, Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        dialogs.ShowError(error.what());
    }
}

} // namespace paginox
