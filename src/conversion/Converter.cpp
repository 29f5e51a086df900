#include "conversion/Converter.h"

#include "conversion/WordNumbers.h"
#include "conversion/WordSession.h"
#include "platform/automation/ServerRegistry.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/paths/Paths.h"
#include "platform/regional/RegionalSettings.h"

#include <filesystem>
#include <system_error>

namespace paginox {

namespace {

constexpr int wdWindowStateMinimize = 2;
constexpr int wdNumberOfPagesInDocument = 4;

// Clears a flag when the scope ends.
class ActiveScope final {
public:
    explicit ActiveScope(bool& flag) : FFlag(flag) { FFlag = true; }
    ~ActiveScope() { FFlag = false; }
    ActiveScope(const ActiveScope&) = delete;
    ActiveScope& operator=(const ActiveScope&) = delete;

private:
    bool& FFlag;
};

std::string OutputBaseName(const std::string& folder, const std::string& fullPath)
{
    const std::string name = ExtractFileName(fullPath);
    if (!folder.empty() && folder.back() == PathDelim)
        return folder + name;
    return folder + PathDelim + name;
}

// Makes the output folder with its parents; the reason when that is not possible.
std::string PrepareFolder(const std::string& folder)
{
    if (folder.empty())
        return {};
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return "Cannot create folder \"" + folder + "\". " + error.message();
    return {};
}

std::string FailureReport(const RunReport& report)
{
    std::string text = std::to_string(report.writtenFiles.size()) +
                       (report.writtenFiles.size() == 1 ? " page was written." : " pages were written.") +
                       " These failed:";
    for (const auto& failure : report.failures) {
        text += "\n" + ExtractFileName(failure.document);
        if (failure.firstPage > 0 && failure.lastPage > failure.firstPage)
            text += ", pages " + std::to_string(failure.firstPage) + " to " + std::to_string(failure.lastPage);
        else if (failure.firstPage > 0)
            text += ", page " + std::to_string(failure.firstPage);
        text += ": " + failure.reason;
    }
    return text;
}

} // namespace

Converter::Converter(RunView& view, const DocumentRows& rows, const ConversionSettings& settings,
                     PageHolders& holders, ServerRegistry& servers)
    : FView(view), FRows(rows), FSettings(settings), FHolders(holders), FServers(servers),
      FDecimalSeparator(ProcessRegionalSettings().Format().DecimalSeparator)
{
}

TGraphic& Converter::HolderOf(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Jpeg: return FHolders.FJpegImage;
    case OutputFormat::Png: return FHolders.FPngImage;
    case OutputFormat::Bmp: break;
    }
    return FHolders.FPageBitmap;
}

void Converter::UpdateProgress(int maximum, int position)
{
    FView.ProcessMessages();
    FView.SetProgress(maximum, position);
}

void Converter::ConvertDocuments(OutputFormat format)
{
    // A format command chosen while a run pumps messages must not start a second run.
    if (FActive)
        return;
    ActiveScope active(FActive);
    FReport = RunReport();

    FView.RepaintWindow();
    std::unique_ptr<WordSession> session;
    try {
        session = std::make_unique<WordSession>(OleObject(FServers.Create("Word.Application")));
    } catch (const std::exception& error) {
        FReport.ending = RunReport::Ending::ConnectFailed;
        FReport.failures.push_back({"", 0, 0, error.what()});
        FView.ShowMessage("Failed to connect Word. Please install Microsoft Word.", "Error");
        return;
    }

    try {
        RunBatch(*session, format);
    } catch (...) {
        // An error outside the guards: Word is quit all the same, the window restored,
        // and the error goes on to be shown.
        session->End();
        FReport.ending = RunReport::Ending::Error;
        FView.ShowProgress(false);
        FView.SetStatus("");
        throw;
    }
}

void Converter::RunBatch(WordSession& session, OutputFormat format)
{
    const OleObject& word = session.Word();
    FView.ShowProgress(true);
    FView.SetStatus("Converting...");
    word.Put("Visible", true);
    word.Put("WindowState", wdWindowStateMinimize);

    TClipboard clipboard;
    // The rows as they are now: rows removed or sorted during the run are not read.
    const std::vector<DocumentRow> rows = FRows.Rows();
    std::string folder;

    for (const DocumentRow& row : rows) {
        FView.ProcessMessages();
        if (!row.checked)
            continue;

        try {
            Variant path(row.fullPath);
            word.GetObject("Documents").Call("Open", {Variant::ByRef(path)});
        } catch (const std::exception& error) {
            FReport.ending = RunReport::Ending::OpenFailed;
            FReport.failures.push_back({row.fullPath, 0, 0, error.what()});
            FView.ShowMessage("Failed to open the word document. If the Word version is below 2007, please update it.",
                              "Error");
            session.End();
            FView.ShowProgress(false);
            FView.SetStatus("");
            return;
        }

        const int pages = RoundWordNumber(
            word.GetObject("Application").GetObject("Selection").GetProperty("Information", {wdNumberOfPagesInDocument}));
        folder = FSettings.OutputFolder();
        const std::string baseName = OutputBaseName(folder, row.fullPath);
        const std::string folderError = PrepareFolder(folder);

        try {
            FView.SetStatus(baseName);
            for (int index = 0; index < pages; ++index) {
                const int page = index + 1;
                try {
                    UpdateProgress(pages, page);
                    if (CapturePage(index, clipboard, word)) {
                        if (!folderError.empty())
                            throw Exception(folderError);
                        const std::string fileName = ChangeFileExt(baseName, "") + std::to_string(page) + ExtensionOf(format);
                        HolderOf(format).WriteImageFile(fileName);
                        FReport.writtenFiles.push_back(fileName);
                        FView.FileWritten(fileName);
                    } else {
                        // The holders still hold the page before: nothing true to write.
                        FReport.failures.push_back({row.fullPath, page, page, "No content."});
                    }
                    if (FStopRequested) {
                        FStopRequested = false;
                        FReport.ending = RunReport::Ending::Stopped;
                        session.End();
                        FView.ShowProgress(false);
                        FView.SetStatus("Stopped!");
                        return;
                    }
                } catch (const std::exception& error) {
                    FReport.failures.push_back({row.fullPath, page, pages, error.what()});
                    break;
                }
            }
            word.GetObject("ActiveWindow").Call("Close");
        } catch (const std::exception& error) {
            FReport.failures.push_back({row.fullPath, 0, 0, error.what()});
            break;
        }
    }

    FReport.ending = RunReport::Ending::Completed;
    session.End();
    FView.ShowProgress(false);
    if (FReport.failures.empty()) {
        FView.SetStatus("Successed!");
        FView.ShowMessage("Successed!", "Congratulation");
        FView.OpenFolder(folder);
        return;
    }
    FView.SetStatus("Finished with errors.");
    FView.ShowMessage(FailureReport(FReport), "Warning");
    if (!FReport.writtenFiles.empty())
        FView.OpenFolder(folder);
}

} // namespace paginox
