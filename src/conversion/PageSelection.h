#pragma once

namespace paginox {

class OleObject;

// The document's page count as Word gives it, or 0 when it does not.
int GetPageCount(const OleObject& app, const OleObject& doc);

// Selects the text of page n (from 1) in Word; leaves the selection as it was when
// either object is unassigned or n is no page of the document.
void SelectPage(const OleObject& app, const OleObject& doc, int n);

} // namespace paginox
