#include "doclist/DocumentListView.h"

#include "doclist/CompareText.h"
#include "doclist/EntryTexts.h"
#include "doclist/FolderScan.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/files/DirectoryEntry.h"
#include "platform/paths/Paths.h"
#include "settings/BrowseForFolder.h"

#include <QHeaderView>
#include <QMenu>
#include <QFocusEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <unordered_set>

namespace paginox {

namespace {

QString ToQt(const std::string& text) { return QString::fromLocal8Bit(text); }

// A row keeps its texts as bytes, so paths that are not valid text survive display.
class DocumentItem final : public QTreeWidgetItem {
public:
    explicit DocumentItem(const DocumentEntry& entry) : QTreeWidgetItem(UserType)
    {
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable |
                 Qt::ItemIsEditable | Qt::ItemNeverHasChildren);
        setText(0, ToQt(entry.Caption));
        for (size_t i = 0; i < entry.SubItems.size(); ++i)
            setText(static_cast<int>(i) + 1, ToQt(entry.SubItems[i]));
        setCheckState(0, entry.Checked ? Qt::Checked : Qt::Unchecked);
        FEntry = entry;
    }

    // An in-place rename changes the caption only.
    void setData(int column, int role, const QVariant& value) override
    {
        if (column == 0 && role == Qt::EditRole)
            FEntry.Caption = value.toString().toLocal8Bit().toStdString();
        QTreeWidgetItem::setData(column, role, value);
    }

    const DocumentEntry& Texts() const { return FEntry; }
    bool Checked() const { return checkState(0) == Qt::Checked; }

private:
    DocumentEntry FEntry;
};

const DocumentItem* AsDocument(const QTreeWidgetItem* item)
{
    return static_cast<const DocumentItem*>(item);
}

const std::string& ColumnText(const DocumentEntry& entry, int column)
{
    return column == 0 ? entry.Caption : entry.SubItems[static_cast<size_t>(column - 1)];
}

const QColor Green(0, 128, 0);

QFont SansSerif8()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

} // namespace

const char* const DocumentListView::OpenFilter =
    "All Word Presentations|*.doc;*.docx;*.docm;*.dot;*.dotx;*.dotm|"
    "Microsoft Word(97-2003)(*.doc)|*.doc|"
    "Microsoft Word(2007-2010)(*.docx;*.docm)|*.docx;*.docm|"
    "Word Templates(*.dot;*.dotx;*.dotm)|*.dot;*.dotx;*.dotm";

DocumentListView::DocumentListView(Dialogs& dialogs, Shell& shell, const RegionalSettings& regional,
                                   QWidget* parent)
    : QTreeWidget(parent), FDialogs(dialogs), FShell(shell), FRegional(regional)
{
    setColumnCount(5);
    setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Path"), QStringLiteral("Size"),
                     QStringLiteral("Build Time"), QStringLiteral("ModifyTime")});
    const int widths[] = {100, 200, 100, 120, 220};
    for (int column = 0; column < 5; ++column)
        setColumnWidth(column, widths[column]);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    setSortingEnabled(false);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setFrameShape(QFrame::NoFrame);
    setFont(SansSerif8());

    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Green);
    FHighlight = colours.color(QPalette::Active, QPalette::Highlight);
    FHighlightedText = colours.color(QPalette::Active, QPalette::HighlightedText);
    setPalette(colours);
    ShowHighlight(false);

    PopupMenu1 = new QMenu(this);
    Remove1 = PopupMenu1->addAction(QStringLiteral("Remove"));
    RemoveAll1 = PopupMenu1->addAction(QStringLiteral("Remove All"));
    CheckAll1 = PopupMenu1->addAction(QStringLiteral("Check All"));
    connect(Remove1, &QAction::triggered, this, &DocumentListView::RemoveSelected);
    connect(RemoveAll1, &QAction::triggered, this, &DocumentListView::RemoveAll);
    connect(CheckAll1, &QAction::triggered, this, &DocumentListView::InvertChecks);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(viewport()->mapToGlobal(at)); });
    connect(header(), &QHeaderView::sectionClicked, this, &DocumentListView::ListView1ColumnClick);
}

void DocumentListView::SetBackgroundPainter(std::function<void(QPainter&, const QRect&)> painter)
{
    FBackgroundPainter = std::move(painter);
    viewport()->update();
}

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
    const auto* item = AsDocument(topLevelItem(position));
    DocumentEntry entry = item->Texts();
    entry.Checked = item->Checked();
    return entry;
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

bool DocumentListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // Only the name can be renamed; F2 on another cell renames the row's name.
    if (index.column() != 0) {
        if (trigger != EditKeyPressed)
            return false;
        return QTreeWidget::edit(index.siblingAtColumn(0), trigger, event);
    }
    return QTreeWidget::edit(index, trigger, event);
}

// The highlight shows only while the list has the focus; a popup menu does not take it.
void DocumentListView::focusInEvent(QFocusEvent* event)
{
    QTreeWidget::focusInEvent(event);
    ShowHighlight(true);
}

void DocumentListView::focusOutEvent(QFocusEvent* event)
{
    QTreeWidget::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        ShowHighlight(false);
}

void DocumentListView::ShowHighlight(bool shown)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Active, QPalette::Highlight, shown ? FHighlight : QColor(Qt::transparent));
    colours.setColor(QPalette::Active, QPalette::HighlightedText, shown ? FHighlightedText : Green);
    colours.setColor(QPalette::Inactive, QPalette::Highlight, Qt::transparent);
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText, Green);
    setPalette(colours);
}

void DocumentListView::paintEvent(QPaintEvent* event)
{
    if (FBackgroundPainter) {
        QPainter painter(viewport());
        FBackgroundPainter(painter, event->rect());
    }
    QTreeWidget::paintEvent(event);
}

} // namespace paginox
