#pragma once

#include "conversion/ConversionSettings.h"
#include "conversion/DocumentRows.h"
#include "conversion/OutputFormat.h"
#include "conversion/PageHolders.h"
#include "conversion/RunReport.h"
#include "conversion/RunView.h"

namespace paginox {

class OleObject;
class ServerRegistry;
class TClipboard;

// The conversion run: every checked row becomes one image file per page. It runs on
// the calling thread and keeps the window alive through the view's message pumping;
// Stop (RequestStop) ends it after the page in progress.
class Converter final {
public:
    Converter(RunView& view, const DocumentRows& rows, const ConversionSettings& settings,
              PageHolders& holders, ServerRegistry& servers);

    void ConvertDocuments(OutputFormat format);

    // One page of the active document into the three holders.
    void CapturePage(int index, TClipboard& clipboard, const OleObject& word);

    // FStopRequested: set by Stop, cleared by each format command and by the run
    // when it acts on it.
    void RequestStop() { FStopRequested = true; }
    void ClearStop() { FStopRequested = false; }
    bool StopRequested() const { return FStopRequested; }

    // True while ConvertDocuments runs; a second run asked for meanwhile does nothing.
    bool Active() const { return FActive; }

    // What the last run wrote and what failed.
    const RunReport& LastReport() const { return FReport; }

private:
    RunView& FView;
    const DocumentRows& FRows;
    const ConversionSettings& FSettings;
    PageHolders& FHolders;
    ServerRegistry& FServers;
    bool FStopRequested = false;
    bool FActive = false;
    RunReport FReport;
};

} // namespace paginox
