#pragma once

#include "graphics/TBitmap.h"
#include "office/OfficeOptions.h"
#include "office/OfficeSession.h"
#include "platform/automation/OleObject.h"

#include <memory>
#include <string>

namespace paginox::test {

std::string CorpusFile(const std::string& name);

// An office with the Application object over it; the session stays reachable so tests
// can look at the office's process and profile.
struct WordUnderTest {
    explicit WordUnderTest(OfficeOptions options = {});

    OleObject Open(const std::string& path) const;
    int PageCount() const;
    // Selects page n the way the page capture does: from its start to the next page's.
    void SelectPage(const OleObject& document, int page) const;
    // Copies the selection and draws the clipboard's metafile at 100 %.
    TBitmap CopySelectionAndDraw(int width, int height) const;

    std::shared_ptr<OfficeSession> session;
    OleObject app;
};

bool ProcessExists(pid_t pid);
// The state letter of /proc/<pid>/stat ('T' when stopped), or '?' when there is none.
char ProcessState(pid_t pid);
bool FolderExists(const std::string& path);
// Pixels darker than mid grey, in the whole bitmap or in [left, right) x [top, bottom).
int DarkPixels(const TBitmap& bitmap);
int DarkPixels(const TBitmap& bitmap, int left, int top, int right, int bottom);

} // namespace paginox::test
