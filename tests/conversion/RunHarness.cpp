#include "RunHarness.h"

#include <algorithm>
#include <random>

namespace paginox::test {

RunHarness::RunHarness() : FConverter(FView, FRows, FSettings, FHolders, FRegistry)
{
    FTemp = std::filesystem::temp_directory_path() / ("paginox-run-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(FTemp);
    FSettings.FFolder = (FTemp / "Output").string();
    FWord.Register(FRegistry);
    FConverter.SetDecimalSeparator(".");
}

RunHarness::~RunHarness()
{
    std::error_code ignored;
    std::filesystem::remove_all(FTemp, ignored);
}

std::string RunHarness::AddDocument(const std::string& name, ScriptedDocument document, bool checked)
{
    const std::string path = "/docs/" + name;
    FWord.AddDocument(path, document);
    FRows.FRows.push_back({checked, path});
    return path;
}

std::vector<std::string> RunHarness::FilesInOutput() const
{
    std::vector<std::string> names;
    const std::filesystem::path folder = FSettings.FFolder;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace paginox::test
