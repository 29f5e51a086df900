#pragma once

#include "doclist/DocumentEntry.h"

#include <QTreeWidgetItem>

namespace paginox {

// One row of the list. It keeps its texts as bytes, so a path that is not valid text
// in the locale's encoding reaches the run unchanged.
class DocumentItem final : public QTreeWidgetItem {
public:
    explicit DocumentItem(const DocumentEntry& entry);

    // An in-place rename changes the caption only.
    void setData(int column, int role, const QVariant& value) override;

    // The list's sort: ListView1Compare on the list's sort column.
    bool operator<(const QTreeWidgetItem& other) const override;

    const DocumentEntry& Texts() const { return FEntry; } // Checked is not kept here
    bool Checked() const { return checkState(0) == Qt::Checked; }
    DocumentEntry Entry() const;

private:
    DocumentEntry FEntry;
};

inline const DocumentItem* AsDocument(const QTreeWidgetItem* item)
{
    return static_cast<const DocumentItem*>(item);
}

} // namespace paginox
