#include "doclist/DocumentItem.h"

#include "doclist/DocumentListView.h"

namespace paginox {

namespace {
QString ToQt(const std::string& text) { return QString::fromLocal8Bit(text); }
}

DocumentItem::DocumentItem(const DocumentEntry& entry) : QTreeWidgetItem(UserType)
{
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable |
             Qt::ItemIsEditable | Qt::ItemNeverHasChildren);
    setText(0, ToQt(entry.Caption));
    for (size_t i = 0; i < entry.SubItems.size(); ++i)
        setText(static_cast<int>(i) + 1, ToQt(entry.SubItems[i]));
    setCheckState(0, entry.Checked ? Qt::Checked : Qt::Unchecked);
    FEntry = entry; // after setText, so the caption keeps its own bytes
}

void DocumentItem::setData(int column, int role, const QVariant& value)
{
    if (column == 0 && (role == Qt::EditRole || role == Qt::DisplayRole))
        FEntry.Caption = value.toString().toLocal8Bit().toStdString();
    QTreeWidgetItem::setData(column, role, value);
}

bool DocumentItem::operator<(const QTreeWidgetItem& other) const
{
    const auto* list = static_cast<const DocumentListView*>(treeWidget());
    return list->ListView1Compare(FEntry, AsDocument(&other)->FEntry) < 0;
}

DocumentEntry DocumentItem::Entry() const
{
    DocumentEntry entry = FEntry;
    entry.Checked = Checked();
    return entry;
}

} // namespace paginox
