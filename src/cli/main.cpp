#include "cli/CliOptions.h"
#include "cli/CliView.h"
#include "conversion/Converter.h"
#include "conversion/FixedInputs.h"
#include "doclist/FolderScan.h"
#include "office/WordApplication.h"
#include "platform/regional/RegionalSettings.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iostream>

using namespace paginox;

namespace {

std::string DefaultOutputFolder()
{
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/Output";
}

// Files as given (made absolute for the office), folders as the documents inside them.
std::vector<DocumentRow> RowsOf(const std::vector<std::string>& inputs, const RegionalSettings& regional)
{
    std::vector<DocumentRow> rows;
    for (const std::string& input : inputs) {
        std::error_code error;
        const std::filesystem::path path = std::filesystem::absolute(input, error);
        const auto status = std::filesystem::status(path, error);
        if (error || !std::filesystem::exists(status))
            throw CliUsageError("cannot find '" + input + "'");
        if (!std::filesystem::is_directory(status)) {
            rows.push_back({true, path.lexically_normal().string()});
            continue;
        }
        for (const DocumentEntry& entry : ScanFolder(path.lexically_normal().string(), regional))
            rows.push_back({true, entry.SubItems[PathSubItem]});
    }
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    const ProcessRegionalSettings regional;
    const std::string separator = regional.Format().DecimalSeparator;

    CliOptions options;
    RowList rows;
    try {
        options = ParseCliOptions({argv + 1, argv + argc}, DefaultOutputFolder(), separator);
        if (options.help) {
            std::cout << CliUsage;
            return 0;
        }
        rows.FRows = RowsOf(options.inputs, regional);
    } catch (const CliUsageError& error) {
        std::cerr << "paginox-convert: " << error.what() << "\n" << "Try 'paginox-convert --help'.\n";
        return 2;
    }
    if (rows.FRows.empty()) {
        std::cerr << "paginox-convert: no documents found\n";
        return 1;
    }

    RegisterWordApplication(ServerRegistry::Default());
    SettingsTexts settings;
    settings.FScale = options.scale;
    settings.FFolder = options.output;
    CliView view(std::cout, std::cerr);
    PageHolders holders;
    Converter converter(view, rows, settings, holders, ServerRegistry::Default());
    converter.SetDecimalSeparator(separator);
    view.SetConverter(&converter);
    CliView::InstallInterruptHandler();

    try {
        converter.ConvertDocuments(options.format);
    } catch (const std::exception& error) {
        std::cerr << "paginox-convert: " << error.what() << "\n";
        return 1;
    }

    const RunReport& report = converter.LastReport();
    // The error box does not say which document would not open; a terminal can.
    if (report.ending == RunReport::Ending::OpenFailed && !report.failures.empty())
        std::cerr << report.failures.back().reason << "\n";
    std::cerr << report.writtenFiles.size() << (report.writtenFiles.size() == 1 ? " page" : " pages")
              << " written to " << options.output;
    if (!report.failures.empty())
        std::cerr << "; " << report.failures.size() << (report.failures.size() == 1 ? " failure" : " failures");
    std::cerr << "\n";
    const bool allWritten = report.ending == RunReport::Ending::Completed && report.failures.empty();
    return allWritten ? 0 : 1;
}
