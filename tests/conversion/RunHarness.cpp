#include "RunHarness.h"

#include <algorithm>

namespace paginox::test {

RunHarness::RunHarness() : FConverter(FView, FRows, FSettings, FHolders, FRegistry)
{
    FSettings.FFolder = (FTemp / "Output").string();
    FWord.Register(FRegistry);
    FConverter.SetDecimalSeparator(".");
}

RunHarness::~RunHarness() = default;

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
