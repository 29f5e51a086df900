#include "office/WordPageSetup.h"


#include "office/WhileOpen.h"

namespace paginox {

WordPageSetup::WordPageSetup(std::shared_ptr<OfficeDocument> document) : FDocument(std::move(document))
{
    const auto define = [this](const char* name, double PageMetrics::*field) {
        Define(name, Method | PropertyGet, WhileOpen(FDocument, [this, field](auto&) {
            const PageMetrics metrics = FDocument->MetricsOfPage(FDocument->PageAt(FDocument->Selection().start));
            return Variant(metrics.*field);
        }));
    };
    define("LeftMargin", &PageMetrics::leftMargin);
    define("RightMargin", &PageMetrics::rightMargin);
    define("TopMargin", &PageMetrics::topMargin);
    define("BottomMargin", &PageMetrics::bottomMargin);
    define("PageHeight", &PageMetrics::pageHeight);
    define("PageWidth", &PageMetrics::pageWidth);
}

} // namespace paginox
