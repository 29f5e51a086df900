#pragma once

#include "platform/Exception.h"

#include <memory>
#include <vector>

namespace paginox {

// The formats a page picture passes through, with their usual numbers.
enum class ClipboardFormat : unsigned {
    Bitmap = 2,        // CF_BITMAP
    MetafilePict = 3,  // CF_METAFILEPICT
    Dib = 8,           // CF_DIB
    EnhMetafile = 14,  // CF_ENHMETAFILE
};

// What one format holds; the graphics classes derive their own kinds.
class ClipboardData {
public:
    virtual ~ClipboardData() = default;
};
using ClipboardDataPtr = std::shared_ptr<const ClipboardData>;

class EClipboardException final : public Exception {
public:
    using Exception::Exception;
};

class TClipboard;

// A private, process-wide clipboard. The desktop's clipboard is never touched, so
// nothing the user copied is lost by a conversion.
class ClipboardStore final {
public:
    static ClipboardStore& Process();

private:
    friend class TClipboard;
    struct Entry {
        ClipboardFormat format;
        ClipboardDataPtr data;
    };
    std::vector<Entry> FEntries; // in the order placed
    const TClipboard* FOwner = nullptr;
};

// One user's handle on the clipboard. Open and Close nest; while one handle has
// it open, another cannot open it.
class TClipboard final {
public:
    explicit TClipboard(ClipboardStore& store = ClipboardStore::Process()) : FStore(store) {}
    ~TClipboard();
    TClipboard(const TClipboard&) = delete;
    TClipboard& operator=(const TClipboard&) = delete;

    void Open();   // EClipboardException "Cannot open clipboard" when another holds it
    void Close();
    void Clear();  // opens, empties, closes

    // Each of these opens and closes the clipboard around its work.
    std::vector<ClipboardFormat> Formats();
    ClipboardDataPtr GetData(ClipboardFormat format);
    void SetData(ClipboardFormat format, ClipboardDataPtr data); // adds, keeping what is there

private:
    ClipboardStore& FStore;
    int FOpenCount = 0;
};

// Keeps a clipboard open for a scope.
class ClipboardOpen final {
public:
    explicit ClipboardOpen(TClipboard& clipboard) : FClipboard(clipboard) { FClipboard.Open(); }
    ~ClipboardOpen() { FClipboard.Close(); }
    ClipboardOpen(const ClipboardOpen&) = delete;
    ClipboardOpen& operator=(const ClipboardOpen&) = delete;

private:
    TClipboard& FClipboard;
};

} // namespace paginox
