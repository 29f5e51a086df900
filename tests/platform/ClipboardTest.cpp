#include "platform/clipboard/Clipboard.h"

#include <gtest/gtest.h>

using namespace paginox;

namespace {
struct Text final : ClipboardData {
    explicit Text(int v) : value(v) {}
    int value;
};
} // namespace

TEST(Clipboard, FormatsAreListedInTheOrderPlaced)
{
    ClipboardStore store;
    TClipboard clipboard(store);
    clipboard.SetData(ClipboardFormat::Dib, std::make_shared<Text>(1));
    clipboard.SetData(ClipboardFormat::EnhMetafile, std::make_shared<Text>(2));
    clipboard.SetData(ClipboardFormat::Dib, std::make_shared<Text>(3)); // replaces, keeps its place
    EXPECT_EQ(clipboard.Formats(), (std::vector{ClipboardFormat::Dib, ClipboardFormat::EnhMetafile}));
    EXPECT_EQ(dynamic_cast<const Text&>(*clipboard.GetData(ClipboardFormat::Dib)).value, 3);
    EXPECT_EQ(clipboard.GetData(ClipboardFormat::Bitmap), nullptr);

    TClipboard other(store);
    other.Clear();
    EXPECT_TRUE(clipboard.Formats().empty());
}

TEST(Clipboard, OnlyOneHandleHoldsItOpen)
{
    ClipboardStore store;
    TClipboard first(store), second(store);
    {
        ClipboardOpen open(first);
        first.Open(); // nests
        first.Close();
        EXPECT_THROW(second.Clear(), EClipboardException);
        EXPECT_NO_THROW(first.Clear());
    }
    EXPECT_NO_THROW(second.Clear());
    {
        TClipboard gone(store);
        gone.Open();
    } // a handle destroyed while open lets go
    EXPECT_NO_THROW(second.Clear());
}
