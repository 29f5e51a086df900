#include "office/OfficeDocument.h"

#include "office/MemoryOutputStream.h"
#include "office/OfficeSession.h"
#include "office/UnoProperties.h"
#include "office/UnoText.h"
#include "platform/automation/EOleException.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/text/XPageCursor.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <rtl/ref.hxx>

namespace paginox {

namespace {

using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

double PointsOf(sal_Int32 hundredthsOfMillimetre)
{
    return hundredthsOfMillimetre * 72.0 / 2540.0;
}

template <typename T>
T Property(const Reference<css::beans::XPropertySet>& set, const char* name)
{
    T value{};
    set->getPropertyValue(OUString::createFromAscii(name)) >>= value;
    return value;
}

Reference<css::text::XTextViewCursor> ViewCursor(const Reference<css::lang::XComponent>& model)
{
    Reference<css::frame::XModel> document(model, UNO_QUERY_THROW);
    Reference<css::text::XTextViewCursorSupplier> supplier(document->getCurrentController(), UNO_QUERY_THROW);
    return supplier->getViewCursor();
}

} // namespace

OfficeDocument::OfficeDocument(std::shared_ptr<OfficeSession> session, Reference<css::lang::XComponent> model,
                               std::string path)
    : FSession(std::move(session)), FGeneration(FSession->Generation()), FModel(std::move(model)),
      FPath(std::move(path))
{
}

OfficeDocument::~OfficeDocument()
{
    try {
        Close();
    } catch (const Exception&) {
        // the office is gone, and the document with it
    }
}

void OfficeDocument::Run(const std::function<void()>& work)
{
    if (FClosed)
        throw EOleException("The document " + FPath + " is closed");
    FSession->Run(FGeneration, work);
}

void OfficeDocument::Check()
{
    if (FClosed)
        throw EOleException("The document " + FPath + " is closed");
    FSession->Check(FGeneration);
}

int OfficeDocument::PageCount()
{
    Check();
    if (FPageCount < 0)
        Run([&] {
            // The office lays a document out in the background after loading, and the
            // view cursor only sees the pages laid out so far. The view's PageCount lays
            // out the whole document first, so it is the count the PDF export will have.
            Reference<css::frame::XModel> document(FModel, UNO_QUERY_THROW);
            Reference<css::beans::XPropertySet> view(document->getCurrentController(), UNO_QUERY_THROW);
            FPageCount = Property<sal_Int32>(view, "PageCount");
        });
    return FPageCount;
}

int OfficeDocument::PageAt(int position)
{
    const int count = PageCount();
    if (position < 0 || position > count || count == 0)
        throw EOleException("The position " + std::to_string(position) + " is outside the document");
    return position < count ? position + 1 : count;
}

PageMetrics OfficeDocument::MetricsOfPage(int page)
{
    Check();
    if (auto it = FMetrics.find(page); it != FMetrics.end())
        return it->second;
    PageMetrics metrics;
    Run([&] {
        const Reference<css::text::XTextViewCursor> viewCursor = ViewCursor(FModel);
        Reference<css::text::XPageCursor> cursor(viewCursor, UNO_QUERY_THROW);
        cursor->jumpToPage(static_cast<sal_Int16>(page));
        cursor->jumpToStartOfPage();
        Reference<css::beans::XPropertySet> at(viewCursor, UNO_QUERY_THROW);
        const OUString styleName = Property<OUString>(at, "PageStyleName");

        Reference<css::style::XStyleFamiliesSupplier> families(FModel, UNO_QUERY_THROW);
        Reference<css::container::XNameAccess> pageStyles(
            families->getStyleFamilies()->getByName("PageStyles"), UNO_QUERY_THROW);
        Reference<css::beans::XPropertySet> style(pageStyles->getByName(styleName), UNO_QUERY_THROW);

        // The office counts a header or footer inside the page area between the margins;
        // Word's margin runs to the body text, so the header's height belongs to it.
        sal_Int32 top = Property<sal_Int32>(style, "TopMargin");
        if (Property<bool>(style, "HeaderIsOn"))
            top += Property<sal_Int32>(style, "HeaderHeight");
        sal_Int32 bottom = Property<sal_Int32>(style, "BottomMargin");
        if (Property<bool>(style, "FooterIsOn"))
            bottom += Property<sal_Int32>(style, "FooterHeight");
        metrics.leftMargin = PointsOf(Property<sal_Int32>(style, "LeftMargin"));
        metrics.rightMargin = PointsOf(Property<sal_Int32>(style, "RightMargin"));
        metrics.topMargin = PointsOf(top);
        metrics.bottomMargin = PointsOf(bottom);
        metrics.pageWidth = PointsOf(Property<sal_Int32>(style, "Width"));
        metrics.pageHeight = PointsOf(Property<sal_Int32>(style, "Height"));
    });
    FMetrics.emplace(page, metrics);
    return metrics;
}

TMetafile OfficeDocument::PictureOfPage(int page)
{
    Check();
    if (!FPdf) {
        rtl::Reference<MemoryOutputStream> stream(new MemoryOutputStream);
        Run([&] {
            // Every layout page, the blank ones the office inserts included, so that the
            // PDF's pages match the page count.
            const auto filterData = Props({Prop("IsSkipEmptyPages", css::uno::Any(false))});
            const auto arguments = Props({
                Prop("FilterName", css::uno::Any(OUString("writer_pdf_Export"))),
                Prop("OutputStream", css::uno::Any(Reference<css::io::XOutputStream>(stream.get()))),
                Prop("FilterData", css::uno::Any(filterData))});
            Reference<css::frame::XStorable> storable(FModel, UNO_QUERY_THROW);
            storable->storeToURL("private:stream", arguments);
        });
        try {
            FPdf = PdfDocument::Load(stream->Take());
        } catch (const EInvalidGraphic& e) {
            throw EOleException("The office's picture of " + FPath + " is unreadable: " + e.Message());
        }
    }
    if (page < 1 || page > FPdf->PageCount())
        throw EOleException("The picture of page " + std::to_string(page) + " is not available");
    return TMetafile(FPdf, page - 1);
}

void OfficeDocument::Close()
{
    if (FClosed)
        return;
    FClosed = true;
    if (FSession->Generation() != FGeneration || !FSession->Alive())
        return;
    FSession->Run(FGeneration, [&] {
        Reference<css::util::XCloseable> closeable(FModel, css::uno::UNO_QUERY);
        if (closeable.is())
            closeable->close(true);
        else
            FModel->dispose();
    });
    FModel.clear();
}

} // namespace paginox
