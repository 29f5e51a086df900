#pragma once

#include <QColor>

class QAbstractItemView;
class QHeaderView;

namespace paginox {

// Has the column header of the list painted with Color: after the header has painted
// itself, every pixel of exactly the button-face colour gives way to a fill of Color
// framed in black, so captions, dividers and edges show over the new face. Returns
// the header that was found, or nullptr when the list has none.
QHeaderView* SubclassListHeader(QAbstractItemView& list, QColor color);

} // namespace paginox
