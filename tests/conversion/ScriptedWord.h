#pragma once

#include "platform/automation/AutomationObject.h"
#include "platform/automation/ServerRegistry.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace paginox::test {

// A document as the stand-in lays it out: one position per page, as the office does.
struct ScriptedDocument {
    int pages = 1;
    double pageWidth = 595.3, pageHeight = 841.9; // A4
    double leftMargin = 72, rightMargin = 72, topMargin = 72, bottomMargin = 72;
};

// A scripted stand-in for the "Word.Application" server: it records every call as
// "Object.Member kind" and can be told to fail at any of them.
class ScriptedWord final {
public:
    ScriptedWord();

    void AddDocument(const std::string& path, ScriptedDocument document) { FDocuments[path] = document; }

    // Called before each recorded call with its text; throw from it to make the call fail.
    std::function<void(const std::string& call)> FBeforeCall;

    // The calls in order, e.g. "Application.Visible put", "Document.goto method (1, 1, &3)".
    std::vector<std::string> FCalls;
    int FStarted = 0;
    int FQuit = 0;
    int FOpenNow = 0; // documents open and not closed

    // Registers the server under "Word.Application".
    void Register(ServerRegistry& registry);

    // Internal: the objects share this state.
    struct State;
    std::shared_ptr<State> FState;

private:
    std::map<std::string, ScriptedDocument> FDocuments;
};

} // namespace paginox::test
