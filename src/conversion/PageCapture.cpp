#include "conversion/Converter.h"

#include "conversion/PageSelection.h"
#include "conversion/ScaleText.h"
#include "conversion/WordNumbers.h"
#include "graphics/TBitmap.h"
#include "graphics/TPicture.h"
#include "platform/automation/OleObject.h"
#include "platform/clipboard/Clipboard.h"

namespace paginox {

bool Converter::CapturePage(int index, TClipboard& clipboard, const OleObject& word)
{
    FView.ProcessMessages();
    const int n = index + 1;
    clipboard.Clear();
    bool composed = false;
    try {
        composed = ComposePage(n, clipboard, word);
    } catch (...) {
        try {
            clipboard.Clear();
        } catch (const std::exception&) {
            // The capture's own error is the one to report.
        }
        throw;
    }
    clipboard.Clear();
    return composed;
}

// The temporaries live in this frame, so they are released on every way out.
bool Converter::ComposePage(int n, TClipboard& clipboard, const OleObject& word)
{
    TPicture picture;
    TBitmap scaled;
    TBitmap composed;

    const OleObject app = word.GetObject("Application");
    const OleObject doc = word.GetObject("ActiveDocument");
    try {
        SelectPage(app, doc, n);
        OleObject(word.GetObject("Application").GetObject("Selection").Get("Range")).Call("CopyAsPicture");
    } catch (const std::exception&) {
        FView.ShowMessage("No content.", "Warning");
        return false;
    }

    picture.LoadFromClipboard(clipboard);

    const OleObject pageSetup = word.GetObject("ActiveDocument").GetObject("PageSetup");
    const int left = RoundWordNumber(pageSetup.Get("LeftMargin"));
    const int right = RoundWordNumber(pageSetup.Get("RightMargin"));
    const int top = RoundWordNumber(pageSetup.Get("TopMargin"));
    const int bottom = RoundWordNumber(pageSetup.Get("BottomMargin"));

    TMetafile& metafile = picture.Metafile();
    metafile.SetHeight(RoundWordNumber(pageSetup.Get("PageHeight")));
    metafile.SetWidth(RoundWordNumber(pageSetup.Get("PageWidth")));
    const int height = metafile.Height();
    const int width = metafile.Width();

    // The text is read anew for each side, as the user may change it meanwhile.
    scaled.SetWidth(ScaledSize(ParseScale(FSettings.ScaleText(), FDecimalSeparator), width));
    scaled.SetHeight(ScaledSize(ParseScale(FSettings.ScaleText(), FDecimalSeparator), height));
    scaled.SetPixelFormat(PixelFormat::Bits24);

    metafile.StretchDraw(scaled, scaled.Width(), scaled.Height());

    composed.SetWidth(scaled.Width() + left + right);
    composed.SetHeight(scaled.Height() + top + bottom);
    composed.Draw(left, top, scaled);

    FHolders.FPageBitmap.TakePage(composed);
    FHolders.FJpegImage.TakePage(composed);
    FHolders.FPngImage.TakePage(composed);
    return true;
}

} // namespace paginox
