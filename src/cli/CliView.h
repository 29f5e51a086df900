#pragma once

#include "conversion/RunView.h"

#include <atomic>
#include <iosfwd>

namespace paginox {

class Converter;

// The run's view without windows: progress and messages on standard error, one line
// per written file on standard output. Ctrl+C asks the run to stop after its page.
class CliView final : public RunView {
public:
    CliView(std::ostream& out, std::ostream& err) : FOut(out), FErr(err) {}

    void SetConverter(Converter* converter) { FConverter = converter; }
    static void InstallInterruptHandler();

    void RepaintWindow() override {}
    void ProcessMessages() override;
    void SetStatus(const std::string& text) override;
    void ShowProgress(bool) override {}
    void SetProgress(int maximum, int position) override;
    void ShowMessage(const std::string& text, const std::string& title) override;
    void OpenFolder(const std::string&) override {}
    void FileWritten(const std::string& path) override;

private:
    std::ostream& FOut;
    std::ostream& FErr;
    Converter* FConverter = nullptr;
    std::string FDocument;
};

} // namespace paginox
