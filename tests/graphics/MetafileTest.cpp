#include "MinimalPdf.h"
#include "graphics/ClipboardPictures.h"
#include "graphics/TBitmap.h"
#include "graphics/TMetafile.h"
#include "graphics/TPicture.h"

#include <gtest/gtest.h>

using namespace paginox;

namespace {

std::shared_ptr<const PdfDocument> A4WithBlackSquare()
{
    // A 100 x 100 point black square at the top left corner of an A4 page.
    return PdfDocument::Load(test::MinimalPdf(595.3, 841.9, "0 0 0 rg 0 741.9 100 100 re f"));
}

} // namespace

TEST(Metafile, SizesRoundTripThroughHundredthsOfAMillimetre)
{
    TMetafile metafile;
    for (int pixels : {1, 297, 595, 842, 5000}) {
        metafile.SetWidth(pixels);
        metafile.SetHeight(pixels);
        EXPECT_EQ(metafile.Width(), pixels);
        EXPECT_EQ(metafile.Height(), pixels);
    }
    metafile.SetWidth(96); // one inch of the reference display
    EXPECT_EQ(metafile.MMWidth(), 2540);
}

TEST(Metafile, FrameIsThePagesSize)
{
    const TMetafile metafile(A4WithBlackSquare(), 0);
    EXPECT_EQ(metafile.MMWidth(), 21001);
    EXPECT_EQ(metafile.MMHeight(), 29700);
    EXPECT_EQ(metafile.Width(), 794); // 210 mm at 96 dpi
}

TEST(Metafile, StretchDrawFillsTheTarget)
{
    const TMetafile metafile(A4WithBlackSquare(), 0);
    TBitmap target(PixelFormat::Bits24);
    target.SetSize(298, 421); // half size: the square becomes about 50 x 50 pixels
    metafile.StretchDraw(target, target.Width(), target.Height());
    EXPECT_EQ(target.Pixel(10, 10), (Rgb{0, 0, 0}));
    EXPECT_EQ(target.Pixel(45, 45), (Rgb{0, 0, 0}));
    EXPECT_EQ(target.Pixel(55, 55), White);
    EXPECT_EQ(target.Pixel(297, 420), White);
}

TEST(Metafile, RejectsBytesThatAreNoPdf)
{
    EXPECT_THROW(PdfDocument::Load({'n', 'o', 'p', 'e'}), EInvalidGraphic);
}

TEST(Picture, LoadsTheFirstFormatItCanHold)
{
    ClipboardStore store;
    TClipboard clipboard(store);
    TBitmap bitmap(PixelFormat::Bits24);
    bitmap.SetSize(4, 4);
    const TMetafile page(A4WithBlackSquare(), 0);

    struct Case {
        std::vector<ClipboardFormat> formats;
        TPicture::Kind expected;
    };
    const Case cases[] = {
        {{ClipboardFormat::MetafilePict, ClipboardFormat::EnhMetafile, ClipboardFormat::Bitmap}, TPicture::Kind::Metafile},
        {{ClipboardFormat::Bitmap, ClipboardFormat::EnhMetafile}, TPicture::Kind::Bitmap},
        {{ClipboardFormat::Dib}, TPicture::Kind::Dib},
    };
    for (const Case& c : cases) {
        clipboard.Clear();
        for (ClipboardFormat format : c.formats) {
            const bool metafile = format == ClipboardFormat::MetafilePict || format == ClipboardFormat::EnhMetafile;
            clipboard.SetData(format, metafile ? ClipboardDataPtr(std::make_shared<MetafileClipData>(page))
                                               : ClipboardDataPtr(std::make_shared<BitmapClipData>(bitmap)));
        }
        TPicture picture;
        picture.LoadFromClipboard(clipboard);
        EXPECT_EQ(picture.GetKind(), c.expected);
    }
}

TEST(Picture, ABitmapUsedAsMetafileDrawsNothing)
{
    ClipboardStore store;
    TClipboard clipboard(store);
    TBitmap black(PixelFormat::Bits24);
    black.SetSize(2, 2);
    black.SetPixel(0, 0, {0, 0, 0});
    clipboard.SetData(ClipboardFormat::Bitmap, std::make_shared<BitmapClipData>(black));
    TPicture picture;
    picture.LoadFromClipboard(clipboard);
    TMetafile& metafile = picture.Metafile();
    metafile.SetWidth(612);
    metafile.SetHeight(792);
    EXPECT_EQ(metafile.Width(), 612);
    EXPECT_EQ(metafile.Height(), 792);
    TBitmap target(PixelFormat::Bits24);
    target.SetSize(20, 20);
    metafile.StretchDraw(target, 20, 20);
    EXPECT_EQ(target.Pixel(0, 0), White);
}

TEST(Picture, AnEmptyOrBusyClipboardFailsTheLoad)
{
    ClipboardStore store;
    TClipboard clipboard(store), other(store);
    TPicture picture;
    EXPECT_THROW(picture.LoadFromClipboard(clipboard), EInvalidGraphic);
    ClipboardOpen held(other);
    EXPECT_THROW(picture.LoadFromClipboard(clipboard), EClipboardException);
}
