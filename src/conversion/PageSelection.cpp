#include "conversion/PageSelection.h"

#include "conversion/WordNumbers.h"
#include "platform/automation/OleObject.h"

namespace paginox {

namespace {
constexpr int wdNumberOfPagesInDocument = 4;
constexpr int wdGoToPage = 1;
constexpr int wdGoToAbsolute = 1;
} // namespace

int GetPageCount(const OleObject& app, const OleObject& doc)
{
    int count = 0;
    try {
        doc.Call("Activate");
        count = RoundWordNumber(app.GetObject("Selection").GetProperty("Information", {wdNumberOfPagesInDocument}));
    } catch (const std::exception&) {
        // Word could not tell: no pages to select.
    }
    return count;
}

void SelectPage(const OleObject& app, const OleObject& doc, int n)
{
    if (!app.Assigned() || !doc.Assigned())
        return;
    const int count = GetPageCount(app, doc);
    if (count == 0 || n < 1 || n > count)
        return;

    Variant page(n);
    const OleObject pageStart(doc.Call("goto", {wdGoToPage, wdGoToAbsolute, Variant::ByRef(page)}));
    const OleObject nextStart(pageStart.Call("GoToNext", {wdGoToPage}));
    // On the last page Word does not move: the page then runs to the end of the document.
    const int start = RoundWordNumber(pageStart.Get("Start"));
    if (RoundWordNumber(nextStart.Get("Start")) == start)
        nextStart.Put("Start", doc.GetObject("Range").Get("End"));
    OleObject(doc.Call("Range", {pageStart.Get("Start"), nextStart.Get("Start")})).Call("Select");
}

} // namespace paginox
