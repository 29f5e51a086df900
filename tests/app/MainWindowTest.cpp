#include "MainWindowFixture.h"

#include "conversion/Converter.h"
#include "doclist/DocumentListView.h"
#include "skin/TImgBtn.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QTest>

#include <gtest/gtest.h>

namespace paginox {
namespace {

using test::MainWindowFixture;

class MainWindowTest : public MainWindowFixture {};

QRect Geometry(const QWidget* widget)
{
    return widget->geometry();
}

TEST_F(MainWindowTest, DesignGeometryOfStripsListAndLabel)
{
    EXPECT_EQ(Form1.geometry(), QRect(312, 129, 724, 534));
    EXPECT_TRUE(Form1.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(Geometry(Form1.Image1), QRect(0, 0, 724, 33));
    EXPECT_EQ(Geometry(Form1.Image9), QRect(0, 33, 4, 471));
    EXPECT_EQ(Geometry(Form1.Image10), QRect(720, 33, 4, 471));
    EXPECT_EQ(Geometry(Form1.Image2), QRect(0, 504, 724, 30));
    EXPECT_EQ(Geometry(Form1.Panel1), QRect(4, 33, 716, 471));
    EXPECT_EQ(Geometry(Form1.Image3), QRect(0, 0, 716, 73));
    EXPECT_EQ(Geometry(Form1.Image4), QRect(0, 73, 716, 2));
    EXPECT_EQ(Geometry(Form1.Panel2), QRect(0, 75, 716, 396));
    EXPECT_EQ(Geometry(Form1.ListView1), QRect(0, 0, 716, 396));  // the bar is hidden
    EXPECT_EQ(Form1.Label1->pos(), QPoint(348, 510));
    EXPECT_EQ(Form1.ImgBtnMin->geometry(), QRect(637, 3, 25, 31));
    EXPECT_EQ(Form1.ImgBtnMax->geometry(), QRect(662, 3, 25, 31));
    EXPECT_EQ(Form1.ImgBtnClose->geometry(), QRect(687, 3, 25, 31));
    EXPECT_EQ(Form1.ImageTop->size(), QSize(799, 37));
    EXPECT_EQ(Form1.ImageM->size(), QSize(101, 93));
    EXPECT_EQ(Form1.ImageBk->size(), QSize(19, 16));
    EXPECT_EQ(Form1.Image1->Picture().size(), QSize(724, 33));

    // Right after start-up: no progress bar, an empty status line, skin pictures hidden.
    EXPECT_TRUE(Form1.ProgressBar1->isHidden());
    EXPECT_TRUE(Form1.Label1->text().isEmpty());
    EXPECT_TRUE(Form1.PanelImage->isHidden());
    EXPECT_FALSE(Form1.Run()->StopRequested());
}

TEST_F(MainWindowTest, ToolbarButtonsAtTheirPlaces)
{
    struct Row {
        QToolButton* button;
        int left, top, width, height;
        const char* caption;
        const char* hint;
    };
    const Row rows[] = {
        {Form1.SpeedButton3, 0, 8, 49, 57, "Add", "Add File"},
        {Form1.SpeedButton4, 48, 8, 49, 57, "Adds", "Add Folder"},
        {Form1.SpeedButton20, 96, 8, 49, 57, "Remove", "Remove Selected"},
        {Form1.SpeedButton5, 144, 8, 65, 57, "Removes", "Remove All"},
        {Form1.SpeedButton6, 208, 8, 49, 57, "Check", "Select All"},
        {Form1.SpeedButton18, 260, 16, 1, 35, "", ""},
        {Form1.SpeedButton10, 264, 8, 49, 57, "Setting", "Setting"},
        {Form1.SpeedButton11, 312, 8, 57, 57, "Convert", "Convert"},
        {Form1.SpeedButton2, 368, 8, 9, 57, "", ""},
        {Form1.SpeedButton1, 384, 8, 49, 57, "Stop", "Stop conversion"},
        {Form1.SpeedButton17, 436, 16, 1, 35, "", ""},
        {Form1.SpeedButton13, 440, 8, 49, 57, "Help", "Help"},
        {Form1.SpeedButton14, 488, 8, 49, 57, "Home", "Homepage"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button->objectName().toStdString());
        EXPECT_EQ(row.button->parentWidget(), Form1.Panel1);
        EXPECT_EQ(row.button->geometry(), QRect(row.left, row.top, row.width, row.height));
        EXPECT_EQ(row.button->text().toStdString(), row.caption);
        EXPECT_EQ(row.button->toolTip().toStdString(), row.hint);
        if (row.width > 1) {
            EXPECT_TRUE(row.button->autoRaise());
            EXPECT_TRUE(row.button->isEnabled());
        } else {
            EXPECT_FALSE(row.button->isEnabled());
        }
    }
    EXPECT_EQ(Form1.SpeedButton3->iconSize(), QSize(32, 32));
    EXPECT_EQ(Form1.SpeedButton2->iconSize(), QSize(10, 10));
}

TEST_F(MainWindowTest, MaximiseCoversTheScreenButThirtyPixelsAndRestoreComesBack)
{
    ShowAndSettle();
    const QRect screen = Form1.screen()->geometry();
    Form1.ImgBtnMax->Click();
    Settle();
    ASSERT_TRUE(Form1.Maximized());
    const int w = screen.width();
    const int h = screen.height() - 30;
    EXPECT_EQ(Form1.geometry(), QRect(screen.x(), screen.y(), w, h));
    EXPECT_EQ(Form1.Image1->Picture().size(), QSize(w, 33));
    EXPECT_EQ(Geometry(Form1.Image2), QRect(0, h - 30, w, 30));
    EXPECT_EQ(Geometry(Form1.Panel1), QRect(4, 33, w - 8, h - 63));
    EXPECT_EQ(Form1.Label1->pos(), QPoint((w - 8) / 2 - 10, h - 30 + 6));
    EXPECT_EQ(Form1.ImgBtnMin->pos(), QPoint(w - 87, 3));
    EXPECT_EQ(Form1.ImgBtnMax->pos(), QPoint(w - 62, 3));
    EXPECT_EQ(Form1.ImgBtnClose->pos(), QPoint(w - 37, 3));
    // The restore glyph, its hover and pressed pictures from column 76.
    const QImage& sprite = Form1.ImageM->Picture();
    EXPECT_EQ(Form1.ImgBtnMax->Pic(), sprite.copy(76, 0, 25, 31));
    EXPECT_EQ(Form1.ImgBtnMax->PicUp(), sprite.copy(76, 31, 25, 31));
    EXPECT_EQ(Form1.ImgBtnMax->PicDown(), sprite.copy(76, 62, 25, 31));
    // The title strip keeps its 200-pixel ends at the new width.
    EXPECT_EQ(Form1.Image1->Picture().pixel(w - 100, 20), Form1.ImageTop->Picture().pixel(699, 20));
    EXPECT_EQ(Form1.Image1->Picture().pixel(w - 62 + 12, 4), Form1.ImageTop->Picture().pixel(737 + 12, 4));

    // A double click on the title strip does what the button does.
    emit Form1.Image1->DblClick();
    Settle();
    EXPECT_FALSE(Form1.Maximized());
    EXPECT_EQ(Form1.geometry(), QRect(312, 129, 724, 534));
    EXPECT_EQ(Form1.ImgBtnMax->pos(), QPoint(662, 3));
    EXPECT_EQ(Form1.ImgBtnMax->Pic(), sprite.copy(25, 0, 25, 31));
    EXPECT_EQ(Form1.ImgBtnMax->PicUp(), sprite.copy(25, 31, 25, 31));
    EXPECT_EQ(Form1.Label1->pos(), QPoint(348, 510));
}

TEST_F(MainWindowTest, RoundedCornersShowInTheWindowPixels)
{
    ShowAndSettle();
    for (bool maximise : {false, true}) {
        if (maximise) {
            Form1.ImgBtnMaxClick();
            Settle();
        }
        QImage pixels(Form1.size(), QImage::Format_ARGB32);
        pixels.fill(Qt::transparent);
        Form1.render(&pixels, QPoint(), Form1.mask());
        const int r = pixels.width() - 1;
        const int b = pixels.height() - 1;
        for (QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)}) {
            SCOPED_TRACE(std::to_string(corner.x()) + "," + std::to_string(corner.y()));
            auto at = [&](int dx, int dy) {
                const int x = corner.x() == 0 ? dx : r - dx;
                const int y = corner.y() == 0 ? dy : b - dy;
                return qAlpha(pixels.pixel(x, y));
            };
            EXPECT_EQ(at(0, 0), 0);
            EXPECT_EQ(at(1, 0), 0);
            EXPECT_EQ(at(0, 1), 0);
            EXPECT_EQ(at(2, 0), 255);
            EXPECT_EQ(at(1, 1), 255);
            EXPECT_EQ(at(0, 2), 255);
        }
    }
}

// The caption's ink: the right-most white column and the number of rows it covers.
std::pair<int, int> CaptionInk(const QImage& title)
{
    int right = -1, top = title.height(), bottom = -1;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 34; x < 300; ++x) {
            const QRgb p = title.pixel(x, y);
            if (qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200) {
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    return {right, bottom - top + 1};
}

TEST_F(MainWindowTest, TitleIsBoldAtCreationAndPlainAfterAResize)
{
    ShowAndSettle();
    const auto [creationRight, creationRows] = CaptionInk(Form1.Image1->Picture());
    Form1.ImgBtnMaxClick();
    Settle();
    Form1.ImgBtnMaxClick();
    Settle();
    const auto [resizeRight, resizeRows] = CaptionInk(Form1.Image1->Picture());
    EXPECT_GT(creationRight, resizeRight);
    EXPECT_GT(creationRows, resizeRows);
    EXPECT_LE(resizeRight, 133);
    EXPECT_LE(creationRight, 233);
}

TEST_F(MainWindowTest, ConvertAndArrowOpenTheSameMenuAtConvertsCornerAfterAMove)
{
    ShowAndSettle();
    Form1.move(40, 30);
    Settle();
    const QPoint expected = Form1.mapToGlobal(QPoint(316, 98));
    for (QToolButton* button : {Form1.SpeedButton11, Form1.SpeedButton2}) {
        SCOPED_TRACE(button->objectName().toStdString());
        button->click();
        Settle();
        ASSERT_TRUE(Form1.PopupMenu2->isVisible());
        EXPECT_EQ(Form1.PopupMenu2->pos(), expected);
        // Closing the menu without an entry starts nothing.
        Form1.PopupMenu2->close();
        Settle();
        EXPECT_FALSE(Form1.PopupMenu2->isVisible());
    }
    EXPECT_EQ(Form1.Run()->LastReport().ending, RunReport::Ending::None);
    EXPECT_TRUE(Dialogs.Records().empty());
    EXPECT_TRUE(Form1.Label1->text().isEmpty());
    const QStringList entries = {QStringLiteral("to jpg"), QStringLiteral("to png"),
                                 QStringLiteral("to bmp")};
    QStringList shown;
    for (QAction* action : Form1.PopupMenu2->actions())
        shown << action->text();
    EXPECT_EQ(shown, entries);
}

TEST_F(MainWindowTest, HeaderFaceAndGreenBarFromTheirPixels)
{
    ShowAndSettle();
    QHeaderView* header = Form1.ListView1->header();
    const QImage face = header->grab().toImage();
    const int x = header->sectionPosition(3) + header->sectionSize(3) - 20;
    EXPECT_EQ(face.pixel(x, face.height() / 2), qRgb(220, 230, 244));

    Form1.ShowProgress(true);
    Form1.SetProgress(4, 2);
    Settle();
    EXPECT_EQ(Geometry(Form1.ProgressBar1), QRect(0, 379, 716, 17));
    EXPECT_EQ(Geometry(Form1.ListView1), QRect(0, 0, 716, 379));
    const QImage bar = Form1.ProgressBar1->grab().toImage();
    int green = 0;
    for (int px = 0; px < bar.width() / 2; ++px) {
        const QRgb p = bar.pixel(px, bar.height() / 2);
        green += qGreen(p) > 90 && qRed(p) < 60 && qBlue(p) < 60;
    }
    EXPECT_GT(green, bar.width() / 4);

    // The list shows its light blue picture, not white.
    const QImage list = Form1.ListView1->viewport()->grab().toImage();
    const QRgb bk = list.pixel(list.width() / 2, list.height() - 5);
    EXPECT_NEAR(qRed(bk), 172, 2);
    EXPECT_NEAR(qGreen(bk), 212, 2);
    EXPECT_NEAR(qBlue(bk), 234, 2);
}

TEST_F(MainWindowTest, StopClearsTheStatusHidesTheBarAndSetsTheFlag)
{
    Form1.ShowProgress(true);
    Form1.SetStatus("Converting...");
    Form1.SpeedButton1->click();
    EXPECT_TRUE(Form1.ProgressBar1->isHidden());
    EXPECT_TRUE(Form1.Label1->text().isEmpty());
    EXPECT_TRUE(Form1.Run()->StopRequested());
}

TEST_F(MainWindowTest, HelpOpensTheFileNextToTheProgramOnlyWhenItIsThere)
{
    const QString folder = QDir::tempPath() + QStringLiteral("/paginox-help-test");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    Form1.SetProgramFolder(folder.toStdString());
    Form1.SpeedButton13->click();
    EXPECT_TRUE(Shell.Opened().empty());
    EXPECT_TRUE(Dialogs.Records().empty());

    QFile help(folder + QStringLiteral("/paginox.chm"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    Form1.SpeedButton13->click();
    Form1.SpeedButton14->click();
    EXPECT_EQ(Shell.Opened(), (std::vector<std::string>{folder.toStdString() + "/paginox.chm",
                                                        TForm1::HomePage}));
    QDir(folder).removeRecursively();
}


void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

TEST_F(MainWindowTest, DraggingTheTitleStripMovesTheWindowUnlessMaximised)
{
    ShowAndSettle();
    TImage* title = Form1.Image1;
    const QPoint start = Form1.pos();
    // Moves of our own are relative to the press, so the points are taken up front.
    const QPoint press(300, 15);
    const QPoint pressGlobal = title->mapToGlobal(press);
    auto drag = [&](QPoint delta) {
        QMouseEvent down(QEvent::MouseButtonPress, press, pressGlobal, Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(title, &down);
        for (QPoint step : {QPoint(1, 0), delta / 2, delta}) {
            QMouseEvent move(QEvent::MouseMove, press + step, pressGlobal + step, Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(title, &move);
        }
        QMouseEvent up(QEvent::MouseButtonRelease, press + delta, pressGlobal + delta,
                       Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(title, &up);
        Settle();
    };
    drag(QPoint(-40, -25));
    EXPECT_EQ(Form1.pos(), start + QPoint(-40, -25));

    Form1.ImgBtnMaxClick();
    Settle();
    const QPoint maximised = Form1.pos();
    drag(QPoint(30, 30));
    EXPECT_EQ(Form1.pos(), maximised);
}

TEST_F(MainWindowTest, CloseButtonClosesTheWindow)
{
    ShowAndSettle();
    SendMouse(Form1.ImgBtnClose, QEvent::MouseButtonPress, QPoint(12, 15), Qt::LeftButton);
    SendMouse(Form1.ImgBtnClose, QEvent::MouseButtonRelease, QPoint(12, 15), Qt::NoButton);
    Settle();
    EXPECT_FALSE(Form1.isVisible());
}


// Through Qt's own delivery of pointer events, which sends no leave while a button is held.
TEST_F(MainWindowTest, CaptionButtonDraggedOffWhilePressedDoesNotClick)
{
    ShowAndSettle();
    TImgBtn* button = Form1.ImgBtnClose;
    const QImage& sprite = Form1.ImageM->Picture();
    QTest::mouseMove(&Form1, button->geometry().center());
    Settle();
    EXPECT_EQ(button->Picture(), sprite.copy(50, 31, 25, 31));  // hover
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(12, 15));
    EXPECT_EQ(button->Picture(), sprite.copy(50, 62, 25, 31));  // pressed
    QTest::mouseMove(button, QPoint(-200, 60));
    EXPECT_EQ(button->Picture(), sprite.copy(50, 0, 25, 31));   // normal once off
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(-200, 60));
    Settle();
    EXPECT_EQ(button->Picture(), sprite.copy(50, 0, 25, 31));
    EXPECT_TRUE(Form1.isVisible());  // no click
}

} // namespace
} // namespace paginox
