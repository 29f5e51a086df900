#pragma once

#include "graphics/TMetafile.h"
#include "office/PageMetrics.h"

#include <com/sun/star/lang/XComponent.hpp>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace paginox {

class OfficeSession;

// [start, end) over the document's positions: page n starts at n - 1.
struct TextSpan final {
    int start = 0, end = 0;
};

// A document loaded in the office, with what the object model asks of it: pages,
// page styles and page pictures. Its selection lives here because every object
// that refers to the document shares it.
class OfficeDocument final {
public:
    OfficeDocument(std::shared_ptr<OfficeSession> session, css::uno::Reference<css::lang::XComponent> model,
                   std::string path);
    ~OfficeDocument();
    OfficeDocument(const OfficeDocument&) = delete;
    OfficeDocument& operator=(const OfficeDocument&) = delete;

    const std::string& Path() const { return FPath; }
    const css::uno::Reference<css::lang::XComponent>& Model() const { return FModel; }
    bool Closed() const { return FClosed; }

    // Pages of the layout, blank pages the office inserts included.
    int PageCount();
    // The page that holds a position: position n - 1 lies on page n, the end on the last.
    int PageAt(int position);
    PageMetrics MetricsOfPage(int page);
    // The page as a metafile, from one PDF of the whole document made at the first request.
    TMetafile PictureOfPage(int page);

    TextSpan Selection() const { return FSelection; }
    void SetSelection(TextSpan span) { FSelection = span; }

    void Close();
    // EOleException when the document is closed or its office has stopped.
    void Check();

private:
    void Run(const std::function<void()>& work);

    std::shared_ptr<OfficeSession> FSession;
    unsigned FGeneration;
    css::uno::Reference<css::lang::XComponent> FModel;
    std::string FPath;
    bool FClosed = false;
    int FPageCount = -1;
    std::map<int, PageMetrics> FMetrics;
    std::shared_ptr<const PdfDocument> FPdf;
    TextSpan FSelection;
};

} // namespace paginox
