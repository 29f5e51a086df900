#include "doclist/DocumentListView.h"

#include "../settings/QtApp.h"
#include "TempFolder.h"
#include "platform/dialogs/DialogRecorder.h"
#include "platform/regional/RegionalSettings.h"
#include "platform/shell/ShellRecorder.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace paginox {
namespace {

class DocumentListViewTest : public ::testing::Test {
protected:
    DocumentListViewTest() : FApp(test::App()), ListView1(FDialogs, FShell, FRegional)
    {
        ListView1.SetClearStatus([this]() {
            ++FStatusClears;
            // Cleared before the dialog opens.
            FDialogsOpenWhenCleared = FDialogs.Records().size() + FShell.ChooserStarts().size();
        });
    }

    void AddRow(const std::string& caption, const std::string& size = "0KB", bool checked = true)
    {
        DocumentEntry entry;
        entry.Checked = checked;
        entry.Caption = caption;
        entry.SubItems = {"/docs/" + caption, size, "", ""};
        ListView1.AppendEntry(entry);
    }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (int position = 0; position < ListView1.Count(); ++position)
            captions.push_back(ListView1.Entry(position).Caption);
        return captions;
    }
    std::vector<bool> Checks() const
    {
        std::vector<bool> checks;
        for (const DocumentRow& row : ListView1.Rows())
            checks.push_back(row.checked);
        return checks;
    }

    QApplication& FApp;
    DialogRecorder FDialogs;
    ShellRecorder FShell;
    FixedRegionalSettings FRegional;
    DocumentListView ListView1;
    int FStatusClears = 0;
    size_t FDialogsOpenWhenCleared = 99;
};

TEST_F(DocumentListViewTest, FiveColumnsWithCheckBoxesAndSeveralRowsSelected)
{
    const char* captions[] = {"Name", "Path", "Size", "Build Time", "ModifyTime"};
    const int widths[] = {100, 200, 100, 120, 220};
    ASSERT_EQ(ListView1.columnCount(), 5);
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(ListView1.headerItem()->text(column), QString::fromUtf8(captions[column]));
        EXPECT_EQ(ListView1.columnWidth(column), widths[column]);
    }
    EXPECT_EQ(ListView1.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_FALSE(ListView1.isSortingEnabled());
    EXPECT_FALSE(ListView1.header()->isSortIndicatorShown());
    EXPECT_EQ(ListView1.palette().color(QPalette::Text), QColor(0, 128, 0));
    EXPECT_EQ(ListView1.font().pixelSize(), 11);

    AddRow("a.doc");
    const QTreeWidgetItem* item = ListView1.topLevelItem(0);
    EXPECT_TRUE(item->flags() & Qt::ItemIsUserCheckable);
    EXPECT_TRUE(item->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(item->checkState(0), Qt::Checked);
    EXPECT_EQ(item->text(1), QStringLiteral("/docs/a.doc"));
    EXPECT_EQ(item->text(2), QStringLiteral("0KB"));
}

TEST_F(DocumentListViewTest, TheHighlightShowsOnlyWhileTheListHasTheFocus)
{
    const auto highlight = [this]() { return ListView1.palette().color(QPalette::Active, QPalette::Highlight); };
    const auto send = [this](QEvent::Type type, Qt::FocusReason reason) {
        QFocusEvent event(type, reason);
        QApplication::sendEvent(&ListView1, &event);
    };
    EXPECT_EQ(highlight().alpha(), 0);
    send(QEvent::FocusIn, Qt::TabFocusReason);
    EXPECT_EQ(highlight().alpha(), 255);
    EXPECT_NE(highlight(), QColor(Qt::white));
    send(QEvent::FocusOut, Qt::PopupFocusReason); // the context menu keeps it
    EXPECT_EQ(highlight().alpha(), 255);
    send(QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(highlight().alpha(), 0);
    EXPECT_EQ(ListView1.palette().color(QPalette::Inactive, QPalette::Highlight).alpha(), 0);
}

TEST_F(DocumentListViewTest, TheBackgroundPainterPaintsUnderTheRows)
{
    AddRow("a.doc");
    ListView1.resize(400, 200);
    ListView1.SetBackgroundPainter([](QPainter& canvas, const QRect& area) {
        canvas.fillRect(area, QColor(172, 212, 234));
    });
    ListView1.SetSelected(0, true); // without the focus its highlight is not drawn
    const QImage picture = ListView1.viewport()->grab().toImage();
    const QRect row = ListView1.visualItemRect(ListView1.topLevelItem(0));
    EXPECT_EQ(picture.pixelColor(picture.width() - 2, picture.height() - 2), QColor(172, 212, 234));
    EXPECT_EQ(picture.pixelColor(picture.width() - 2, row.center().y()), QColor(172, 212, 234));
}

TEST_F(DocumentListViewTest, AddDocumentFileAddsEveryExistingEntryAsItStands)
{
    const test::TempFolder folder;
    const std::string big = folder.File("big.docx", 5000000000u);
    ListView1.AddDocumentFile(big);
    ListView1.AddDocumentFile(big);
    ListView1.AddDocumentFile(folder.Folder("notes.txt"));  // any entry counts, folders too
    ListView1.AddDocumentFile(folder.Path() + "/missing.doc");
    ListView1.AddDocumentFile(folder.Path() + "/*.docx");

    ASSERT_EQ(ListView1.Count(), 3);
    EXPECT_EQ(ListView1.Entry(0), ListView1.Entry(1));
    const DocumentEntry entry = ListView1.Entry(0);
    EXPECT_TRUE(entry.Checked);
    EXPECT_EQ(entry.Caption, "big.docx");
    EXPECT_EQ(entry.SubItems[0], big);
    EXPECT_EQ(entry.SubItems[1], "4882812KB");
    EXPECT_FALSE(entry.SubItems[2].empty());
    EXPECT_EQ(ListView1.Entry(2).Caption, "notes.txt");
    EXPECT_FALSE(ListView1.IsSelected(0) || ListView1.IsSelected(2));
    EXPECT_TRUE(FDialogs.Records().empty());
}

TEST_F(DocumentListViewTest, AddFilesClearsTheStatusThenAddsTheChosenFilesInOrder)
{
    ListView1.AddFiles(); // cancelled
    EXPECT_EQ(FStatusClears, 1);
    EXPECT_EQ(FDialogsOpenWhenCleared, 0u);
    EXPECT_EQ(ListView1.Count(), 0);
    ASSERT_EQ(FDialogs.Records().size(), 1u);
    EXPECT_EQ(FDialogs.Records()[0].text,
              "All Word Presentations|*.doc;*.docx;*.docm;*.dot;*.dotx;*.dotm|"
              "Microsoft Word(97-2003)(*.doc)|*.doc|"
              "Microsoft Word(2007-2010)(*.docx;*.docm)|*.docx;*.docm|"
              "Word Templates(*.dot;*.dotx;*.dotm)|*.dot;*.dotx;*.dotm");

    const test::TempFolder folder;
    FDialogs.QueueOpenFiles({folder.File("z.doc"), folder.Path() + "/typed.doc", folder.File("a.dotx")});
    ListView1.AddFiles();
    EXPECT_EQ(FStatusClears, 2);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"z.doc", "a.dotx"}));
}

TEST_F(DocumentListViewTest, AddFolderClearsTheStatusThenAddsTheFoldersDocuments)
{
    ListView1.AddFolder(); // cancelled
    EXPECT_EQ(FStatusClears, 1);
    EXPECT_EQ(FDialogsOpenWhenCleared, 0u);
    EXPECT_EQ(ListView1.Count(), 0);

    const test::TempFolder folder;
    folder.File("one.doc");
    folder.File("two.txt");
    folder.Folder("old.doc");
    FShell.QueueFolder(folder.Path() + "/");
    ListView1.AddFolder();
    EXPECT_EQ(FShell.ChooserStarts(), (std::vector<std::string>{"", ""}));
    std::vector<std::string> captions = Captions();
    std::sort(captions.begin(), captions.end());
    EXPECT_EQ(captions, (std::vector<std::string>{"old.doc", "one.doc"}));
    for (const DocumentRow& row : ListView1.Rows())
        EXPECT_EQ(row.fullPath.rfind(folder.Path() + "/", 0), 0u) << row.fullPath;
}

TEST_F(DocumentListViewTest, RemoveSelectedLeavesUnselectedRowsWhateverTheirChecks)
{
    for (const char* caption : {"a", "b", "c", "d", "e"})
        AddRow(caption);
    ListView1.SetChecked(1, false);
    ListView1.RemoveSelected();
    EXPECT_EQ(ListView1.Count(), 5);

    ListView1.SetSelected(1, true);
    ListView1.SetSelected(3, true);
    ListView1.setCurrentItem(ListView1.topLevelItem(4), 0, QItemSelectionModel::NoUpdate);
    ListView1.RemoveSelected();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a", "c", "e"}));
    EXPECT_EQ(Checks(), (std::vector<bool>{true, true, true}));

    ListView1.SetSelected(2, true);
    ListView1.Remove1->trigger();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a", "c"}));
    ListView1.RemoveAll1->trigger();
    EXPECT_EQ(ListView1.Count(), 0);
}

TEST_F(DocumentListViewTest, RemoveSelectedKeepsTheFocusedRowAndTheScrollPosition)
{
    for (int i = 0; i < 100; ++i)
        AddRow("row " + std::to_string(i));
    ListView1.resize(400, 150);
    ListView1.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ListView1));
    ListView1.setCurrentItem(ListView1.topLevelItem(60), 0, QItemSelectionModel::NoUpdate);
    QScrollBar* scroll = ListView1.verticalScrollBar();
    scroll->setValue(40); // the focused row out of view
    ListView1.SetSelected(0, true);
    ListView1.SetSelected(99, true);
    ListView1.RemoveSelected();
    QTest::qWait(20); // the view lays itself out again
    EXPECT_EQ(ListView1.Count(), 98);
    EXPECT_EQ(ListView1.currentItem(), ListView1.topLevelItem(59));
    EXPECT_EQ(ListView1.Entry(59).Caption, "row 60");
    EXPECT_EQ(scroll->value(), 40);
    EXPECT_TRUE(ListView1.selectedItems().isEmpty());
}

TEST_F(DocumentListViewTest, InvertTurnsEveryCheckMarkAndKeepsTheSelection)
{
    ListView1.InvertChecks(); // empty: nothing
    AddRow("a", "0KB", true);
    AddRow("b", "0KB", false);
    AddRow("c", "0KB", true);
    ListView1.SetSelected(1, true);
    ListView1.InvertChecks();
    EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(ListView1.IsSelected(1));
    EXPECT_FALSE(ListView1.IsSelected(0));
    ListView1.CheckAll1->trigger();
    EXPECT_EQ(Checks(), (std::vector<bool>{true, false, true}));
}

TEST_F(DocumentListViewTest, PopupMenuOffersRemoveRemoveAllCheckAll)
{
    const QList<QAction*> actions = ListView1.PopupMenu1->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Remove"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Remove All"));
    EXPECT_EQ(actions[2]->text(), QStringLiteral("Check All"));
    EXPECT_EQ(ListView1.contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(DocumentListViewTest, AHeaderClickSortsAscendingByThatColumnEveryTime)
{
    AddRow("z.doc", "3KB");
    AddRow("_a.doc", "100KB");
    AddRow("apple.doc", "20KB", false);
    ListView1.SetSelected(0, true);

    emit ListView1.header()->sectionClicked(0);
    EXPECT_EQ(ListView1.SortColumn(), 0);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"apple.doc", "z.doc", "_a.doc"}));
    EXPECT_EQ(Checks(), (std::vector<bool>{false, true, true}));
    EXPECT_TRUE(ListView1.IsSelected(1)) << "the selection moves with its row";

    ListView1.ListView1ColumnClick(2);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"_a.doc", "apple.doc", "z.doc"}));
    ListView1.ListView1ColumnClick(2);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"_a.doc", "apple.doc", "z.doc"}));

    AddRow("b.doc", "1KB");
    EXPECT_EQ(Captions().back(), "b.doc") << "rows added after a sort go to the end";
    EXPECT_EQ(ListView1.Rows().back().fullPath, "/docs/b.doc");
}

TEST_F(DocumentListViewTest, CompareUsesTheCaptionOrTheSubItemOfTheSortColumn)
{
    DocumentEntry upper{true, "APPLE.doc", {"/b/APPLE.doc", "1KB", "", ""}};
    DocumentEntry lower{true, "apple.doc", {"/a/apple.doc", "1KB", "", ""}};
    EXPECT_EQ(ListView1.ListView1Compare(upper, lower), 0);
    ListView1.ListView1ColumnClick(1);
    EXPECT_GT(ListView1.ListView1Compare(upper, lower), 0);
    EXPECT_LT(ListView1.ListView1Compare(lower, upper), 0);
    ListView1.ListView1ColumnClick(5); // no such column: nothing changes
    EXPECT_EQ(ListView1.SortColumn(), 1);
}

TEST_F(DocumentListViewTest, RenamingChangesTheCaptionOnly)
{
    AddRow("old.doc");
    ListView1.topLevelItem(0)->setData(0, Qt::EditRole, QStringLiteral("new name"));
    const DocumentEntry entry = ListView1.Entry(0);
    EXPECT_EQ(entry.Caption, "new name");
    ListView1.ListView1ColumnClick(0);
    EXPECT_EQ(ListView1.Entry(0).Caption, "new name") << "sorting sees the new name";
    EXPECT_EQ(entry.SubItems[0], "/docs/old.doc");
    EXPECT_EQ(ListView1.Rows()[0].fullPath, "/docs/old.doc");
}

TEST_F(DocumentListViewTest, OnlyTheFirstCellOpensForRenaming)
{
    AddRow("a.doc");
    ListView1.resize(760, 200);
    ListView1.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ListView1));
    ListView1.setCurrentIndex(ListView1.model()->index(0, 2));
    QTest::keyClick(ListView1.viewport(), Qt::Key_F2);
    const auto* editor = ListView1.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("a.doc"));
    EXPECT_LT(editor->geometry().left(), ListView1.columnWidth(0));
}

} // namespace
} // namespace paginox
