#include "doclist/DocumentListView.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>

namespace paginox {

namespace {

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

void DocumentListView::paintEvent(QPaintEvent* event)
{
    if (FBackgroundPainter) {
        QPainter painter(viewport());
        FBackgroundPainter(painter, event->rect());
    }
    QTreeWidget::paintEvent(event);
}

} // namespace paginox
