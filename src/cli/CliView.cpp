#include "cli/CliView.h"

#include "conversion/Converter.h"
#include "platform/paths/Paths.h"

#include <csignal>
#include <ostream>

namespace paginox {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int)
{
    interrupted = 1;
}

} // namespace

void CliView::InstallInterruptHandler()
{
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
}

void CliView::ProcessMessages()
{
    if (interrupted && FConverter) {
        interrupted = 0;
        FErr << "Stopping after this page..." << std::endl;
        FConverter->RequestStop();
    }
}

void CliView::SetStatus(const std::string& text)
{
    // The status line names the document while its pages are converted.
    if (text.find(PathDelim) != std::string::npos)
        FDocument = ExtractFileName(text);
    else if (!text.empty() && text != "Converting...")
        FErr << text << std::endl;
}

void CliView::SetProgress(int maximum, int position)
{
    FErr << FDocument << ": page " << position << " of " << maximum << std::endl;
}

void CliView::ShowMessage(const std::string& text, const std::string& title)
{
    if (title != "Congratulation")
        FErr << title << ": " << text << std::endl;
}

void CliView::FileWritten(const std::string& path)
{
    FOut << path << std::endl;
}

} // namespace paginox
