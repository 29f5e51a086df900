// The commands of the list: adding, removing, inverting check marks, sorting; and
// what the run reads.
#include "doclist/DocumentListView.h"

#include "doclist/CompareText.h"
#include "doclist/DocumentItem.h"
#include "doclist/EntryTexts.h"
#include "doclist/FolderScan.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/files/DirectoryEntry.h"
#include "platform/paths/Paths.h"
#include "settings/BrowseForFolder.h"

#include <unordered_set>


namespace paginox {

void DocumentListView::ClearStatus()
{
    if (FClearStatus)
        FClearStatus();
}

void DocumentListView::AddFiles()
{
    ClearStatus();
    for (const std::string& file : FDialogs.ChooseOpenFiles(OpenFilter))
        AddDocumentFile(file);
}

void DocumentListView::AddFolder()
{
    ClearStatus();
    const std::string folder = BrowseForFolder(FShell, "");
    if (folder.empty())
        return;
    for (const DocumentEntry& entry : ScanFolder(folder, FRegional))
        AppendEntry(entry);
}

void DocumentListView::AddDocumentFile(const std::string& path)
{
    if (const auto entry = FindEntry(path))
        AppendEntry(MakeDocumentEntry(ExtractFileName(path), path, *entry, FRegional));
}

void DocumentListView::AppendEntry(const DocumentEntry& entry)
{
    addTopLevelItem(new DocumentItem(entry));
}

void DocumentListView::RemoveSelected()
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.isEmpty())
        return;
    const std::unordered_set<QTreeWidgetItem*> doomed(selected.begin(), selected.end());
    QTreeWidgetItem* current = currentItem();
    // All rows out and the others back in one step each: removing rows one by one
    // costs time in proportion to the rows behind them.
    QList<QTreeWidgetItem*> kept;
    kept.reserve(topLevelItemCount());
    for (QTreeWidgetItem* item : invisibleRootItem()->takeChildren()) {
        if (doomed.contains(item))
            delete item;
        else
            kept.push_back(item);
    }
    invisibleRootItem()->addChildren(kept);
    // The row with the focus keeps it when it was not selected, without the view
    // scrolling to it.
    if (current && !doomed.contains(current)) {
        const bool scrollsToCurrent = hasAutoScroll();
        setAutoScroll(false);
        setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
        setAutoScroll(scrollsToCurrent);
    }
}

void DocumentListView::RemoveAll()
{
    clear();
}

void DocumentListView::InvertChecks()
{
    for (int position = 0; position < topLevelItemCount(); ++position) {
        QTreeWidgetItem* item = topLevelItem(position);
        item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

void DocumentListView::ListView1ColumnClick(int column)
{
    if (column < 0 || column >= columnCount())
        return;
    FSortColumn = column;
    // The rows compare through ListView1Compare (DocumentItem's operator<), always
    // ascending; selection, focus and scrolling stay with their rows.
    sortItems(column, Qt::AscendingOrder);
}

int DocumentListView::ListView1Compare(const DocumentEntry& item1, const DocumentEntry& item2) const
{
    return CompareText(ColumnText(item1, FSortColumn), ColumnText(item2, FSortColumn));
}

DocumentEntry DocumentListView::Entry(int position) const
{
    return AsDocument(topLevelItem(position))->Entry();
}

bool DocumentListView::IsSelected(int position) const
{
    return topLevelItem(position)->isSelected();
}

void DocumentListView::SetSelected(int position, bool selected)
{
    topLevelItem(position)->setSelected(selected);
}

void DocumentListView::SetChecked(int position, bool checked)
{
    topLevelItem(position)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

std::vector<DocumentRow> DocumentListView::Rows() const
{
    std::vector<DocumentRow> rows;
    rows.reserve(static_cast<size_t>(topLevelItemCount()));
    for (int position = 0; position < topLevelItemCount(); ++position) {
        const auto* item = AsDocument(topLevelItem(position));
        rows.push_back({item->Checked(), item->Texts().SubItems[PathSubItem]});
    }
    return rows;
}

} // namespace paginox
