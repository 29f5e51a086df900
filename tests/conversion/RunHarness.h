#pragma once

#include "ScriptedWord.h"
#include "conversion/Converter.h"
#include "conversion/FixedInputs.h"
#include "platform/automation/ServerRegistry.h"
#include "platform/files/TemporaryFolder.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace paginox::test {

// Records what a run shows; ProcessMessages runs a hook so tests can act "inside
// the pumping", as a click would.
class RecordingView final : public RunView {
public:
    void RepaintWindow() override {}
    void ProcessMessages() override
    {
        ++FPumps;
        if (FOnPump)
            FOnPump();
    }
    void SetStatus(const std::string& text) override { FStatus.push_back(text); }
    void ShowProgress(bool visible) override { FProgressVisible = visible; }
    void SetProgress(int maximum, int position) override { FProgress.push_back({maximum, position}); }
    void ShowMessage(const std::string& text, const std::string& title) override { FMessages.push_back(title + ": " + text); }
    void OpenFolder(const std::string& folder) override { FOpenedFolders.push_back(folder); }

    std::function<void()> FOnPump;
    int FPumps = 0;
    std::vector<std::string> FStatus;
    bool FProgressVisible = false;
    std::vector<std::pair<int, int>> FProgress;
    std::vector<std::string> FMessages;
    std::vector<std::string> FOpenedFolders;
};

// A run over the scripted Word, writing into a fresh temporary folder.
class RunHarness {
public:
    RunHarness();
    ~RunHarness();
    RunHarness(const RunHarness&) = delete;
    RunHarness& operator=(const RunHarness&) = delete;

    // Adds a checked row for a document of that many pages, named under /docs.
    std::string AddDocument(const std::string& name, ScriptedDocument document, bool checked = true);
    std::vector<std::string> FilesInOutput() const;

    TemporaryFolder FTempFolder{"paginox-run-"};
    std::filesystem::path FTemp{FTempFolder.Path()};
    ScriptedWord FWord;
    ServerRegistry FRegistry;
    RecordingView FView;
    SettingsTexts FSettings;
    RowList FRows;
    PageHolders FHolders;
    Converter FConverter;
};

} // namespace paginox::test
