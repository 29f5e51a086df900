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

#include <algorithm>
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
    // Downwards, so the positions not yet visited stay valid.
    for (int position = topLevelItemCount() - 1; position >= 0; --position)
        if (topLevelItem(position)->isSelected())
            delete takeTopLevelItem(position);
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
    std::vector<QTreeWidgetItem*> items;
    std::unordered_set<QTreeWidgetItem*> selected;
    QTreeWidgetItem* current = currentItem();
    while (topLevelItemCount() > 0) {
        QTreeWidgetItem* item = topLevelItem(0);
        if (item->isSelected())
            selected.insert(item);
        items.push_back(takeTopLevelItem(0));
    }
    std::stable_sort(items.begin(), items.end(), [this](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        return ListView1Compare(AsDocument(a)->Texts(), AsDocument(b)->Texts()) < 0;
    });
    QList<QTreeWidgetItem*> sorted(items.begin(), items.end());
    addTopLevelItems(sorted);
    if (current)
        setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem* item : selected)
        item->setSelected(true);
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
