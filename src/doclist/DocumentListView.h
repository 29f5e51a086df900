#pragma once

#include "conversion/DocumentRows.h"
#include "doclist/DocumentEntry.h"

#include <QColor>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QPainter;

namespace paginox {

class Dialogs;
class RegionalSettings;
class Shell;

// The document list (ListView1): five columns, check boxes, several rows selected at
// once, rename of the first cell, context menu PopupMenu1, sorting by a header click.
// The main window's toolbar calls the commands; the run reads Rows().
class DocumentListView final : public QTreeWidget, public DocumentRows {
    Q_OBJECT
public:
    DocumentListView(Dialogs& dialogs, Shell& shell, const RegionalSettings& regional,
                     QWidget* parent = nullptr);

    // Called by Add files and Add folder before their dialogs open (status line Label1).
    void SetClearStatus(std::function<void()> clearStatus) { FClearStatus = std::move(clearStatus); }
    // Painted under the rows at every paint, over the area being repainted.
    void SetBackgroundPainter(std::function<void(QPainter&, const QRect&)> painter);

    // The commands.
    void AddFiles();        // SpeedButton3Click
    void AddFolder();       // SpeedButton4Click
    void RemoveSelected();  // SpeedButton20Click, Remove1
    void RemoveAll();       // SpeedButton5Click, RemoveAll1
    void InvertChecks();    // SpeedButton6Click, CheckAll1

    // Adds a row when a directory entry of that name exists; nothing otherwise.
    void AddDocumentFile(const std::string& path);
    void AppendEntry(const DocumentEntry& entry);

    // Sorting: the clicked column becomes FSortColumn and all rows are sorted ascending.
    void ListView1ColumnClick(int column);
    int ListView1Compare(const DocumentEntry& item1, const DocumentEntry& item2) const;
    int SortColumn() const { return FSortColumn; }

    int Count() const { return topLevelItemCount(); }
    DocumentEntry Entry(int position) const;
    bool IsSelected(int position) const;
    void SetSelected(int position, bool selected);
    void SetChecked(int position, bool checked);

    std::vector<DocumentRow> Rows() const override;

    QMenu* PopupMenu1;
    QAction* Remove1;
    QAction* RemoveAll1;
    QAction* CheckAll1;

    static const char* const OpenFilter; // the open dialog's filter text

    using QTreeWidget::edit; // the public edit(index), next to the override below

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ClearStatus();
    void ShowHighlight(bool shown);

    Dialogs& FDialogs;
    Shell& FShell;
    const RegionalSettings& FRegional;
    std::function<void()> FClearStatus;
    std::function<void(QPainter&, const QRect&)> FBackgroundPainter;
    QColor FHighlight;
    QColor FHighlightedText;
    int FSortColumn = 0;
};

} // namespace paginox
