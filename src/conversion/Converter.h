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
class TGraphic;
class WordSession;

// The conversion run: every checked row becomes one image file per page. It runs on
// the calling thread and keeps the window alive through the view's message pumping;
// Stop (RequestStop) ends it after the page in progress.
class Converter final {
public:
    Converter(RunView& view, const DocumentRows& rows, const ConversionSettings& settings,
              PageHolders& holders, ServerRegistry& servers);

    void ConvertDocuments(OutputFormat format);

    // One page (from 0) of the active document into the three holders. False when
    // Word had no content to copy ("No content." was shown): the holders are unchanged.
    bool CapturePage(int index, TClipboard& clipboard, const OleObject& word);

    // Pumps pending messages, then shows the progress.
    void UpdateProgress(int maximum, int position);

    // The decimal separator the scale text is read with; the locale's by default.
    void SetDecimalSeparator(std::string separator) { FDecimalSeparator = std::move(separator); }

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
    void RunBatch(WordSession& session, OutputFormat format);
    bool ComposePage(int n, TClipboard& clipboard, const OleObject& word);
    TGraphic& HolderOf(OutputFormat format);

    RunView& FView;
    const DocumentRows& FRows;
    const ConversionSettings& FSettings;
    PageHolders& FHolders;
    ServerRegistry& FServers;
    bool FStopRequested = false;
    bool FActive = false;
    std::string FDecimalSeparator;
    RunReport FReport;
};

} // namespace paginox
