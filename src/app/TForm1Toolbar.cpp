// The toolbar and the format menu: Setting, Convert and its drop-down, Stop, Help, Home.
#include "app/TForm1.h"

#include "app/Artwork.h"
#include "app/TForm1Handle.h"
#include "conversion/Converter.h"
#include "platform/paths/Paths.h"
#include "platform/shell/Shell.h"
#include "settings/TForm2.h"
#include "skin/Fonts.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QToolButton>

namespace paginox {

const char* const TForm1::HomePage = "https://paginox.example.org/";

namespace {

struct ButtonSpec {
    const char* name;
    int left;
    int width;
    const char* caption;
    const char* hint;
    const char* glyph;
};

QToolButton* NewSpeedButton(QWidget* parent, const ButtonSpec& layout)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(layout.name));
    button->setGeometry(layout.left, 8, layout.width, 57);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIcon(QIcon(QPixmap::fromImage(Artwork(layout.glyph))));
    button->setIconSize(QSize(32, 32));
    button->setText(QLatin1String(layout.caption));
    button->setToolTip(QLatin1String(layout.hint));
    button->setFont(ToolbarCaptionFont());
    button->setFocusPolicy(Qt::NoFocus);
    QPalette white = button->palette();
    white.setColor(QPalette::ButtonText, Qt::white);
    button->setPalette(white);
    return button;
}

QToolButton* NewSeparator(QWidget* parent, const char* name, int left)
{
    auto* line = new QToolButton(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(left, 16, 1, 35);
    line->setEnabled(false);
    line->setFocusPolicy(Qt::NoFocus);
    // A 1-pixel button shows only its edge: a thin light line on the dark toolbar.
    line->setStyleSheet(QStringLiteral("QToolButton { border: none; background: rgba(255, 255, 255, 110); }"));
    return line;
}

} // namespace

void TForm1::CreateToolbar()
{
    const ButtonSpec specs[] = {
        {"SpeedButton3", 0, 49, "Add", "Add File", "add.png"},
        {"SpeedButton4", 48, 49, "Adds", "Add Folder", "adds.png"},
        {"SpeedButton20", 96, 49, "Remove", "Remove Selected", "remove.png"},
        {"SpeedButton5", 144, 65, "Removes", "Remove All", "removes.png"},
        {"SpeedButton6", 208, 49, "Check", "Select All", "check.png"},
        {"SpeedButton10", 264, 49, "Setting", "Setting", "setting.png"},
        {"SpeedButton11", 312, 57, "Convert", "Convert", "convert.png"},
        {"SpeedButton1", 384, 49, "Stop", "Stop conversion", "stop.png"},
        {"SpeedButton13", 440, 49, "Help", "Help", "help.png"},
        {"SpeedButton14", 488, 49, "Home", "Homepage", "home.png"},
    };
    QToolButton** fields[] = {&SpeedButton3, &SpeedButton4, &SpeedButton20, &SpeedButton5,
                              &SpeedButton6, &SpeedButton10, &SpeedButton11, &SpeedButton1,
                              &SpeedButton13, &SpeedButton14};
    void (TForm1::*handlers[])() = {
        &TForm1::SpeedButton3Click, &TForm1::SpeedButton4Click, &TForm1::SpeedButton20Click,
        &TForm1::SpeedButton5Click, &TForm1::SpeedButton6Click, &TForm1::SpeedButton10Click,
        &TForm1::SpeedButton11Click, &TForm1::SpeedButton1Click, &TForm1::SpeedButton13Click,
        &TForm1::SpeedButton14Click};
    for (std::size_t i = 0; i < std::size(specs); ++i) {
        *fields[i] = NewSpeedButton(Panel1, specs[i]);
        Handle(*fields[i], &QToolButton::clicked, handlers[i]);
    }

    SpeedButton2 = new QToolButton(Panel1);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setGeometry(368, 8, 9, 57);
    SpeedButton2->setAutoRaise(true);
    SpeedButton2->setFocusPolicy(Qt::NoFocus);
    SpeedButton2->setIcon(QIcon(QPixmap::fromImage(Artwork("arrow.png"))));
    SpeedButton2->setIconSize(QSize(10, 10));
    Handle(SpeedButton2, &QToolButton::clicked, &TForm1::SpeedButton2Click);

    SpeedButton18 = NewSeparator(Panel1, "SpeedButton18", 260);
    SpeedButton17 = NewSeparator(Panel1, "SpeedButton17", 436);
}

void TForm1::CreateFormatMenu()
{
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    ojpg1 = PopupMenu2->addAction(QStringLiteral("to jpg"));
    ojpg1->setObjectName(QStringLiteral("ojpg1"));
    to1 = PopupMenu2->addAction(QStringLiteral("to png"));
    to1->setObjectName(QStringLiteral("to1"));
    tobmp1 = PopupMenu2->addAction(QStringLiteral("to bmp"));
    tobmp1->setObjectName(QStringLiteral("tobmp1"));
    Handle(ojpg1, &QAction::triggered, &TForm1::tojpg1Click);
    Handle(to1, &QAction::triggered, &TForm1::to1Click);
    Handle(tobmp1, &QAction::triggered, &TForm1::tobmp1Click);
}

void TForm1::SpeedButton10Click()
{
    if (FForm2)
        FForm2->exec();
}

void TForm1::SpeedButton11Click()
{
    SpeedButton2->click();
}

void TForm1::SpeedButton2Click()
{
    // The bottom-left corner of Convert, converted to the screen at each click.
    const QPoint corner = SpeedButton11->mapTo(this, QPoint(0, SpeedButton11->height()));
    PopupMenu2->popup(mapToGlobal(corner));
}

void TForm1::SpeedButton1Click()
{
    if (FConverter)
        FConverter->RequestStop();
    SetStatus(std::string());
    ShowProgress(false);
}

std::string TForm1::HelpFilePath() const
{
    return IncludeTrailingPathDelimiter(FProgramFolder) + "paginox.chm";
}

void TForm1::SpeedButton13Click()
{
    // A missing help file is not worth the desktop's "cannot open" message either.
    const std::string path = HelpFilePath();
    if (QFileInfo::exists(QString::fromLocal8Bit(path)))
        FShell.Open(path);
}

void TForm1::SpeedButton14Click()
{
    FShell.Open(HomePage);
}

void TForm1::StartRun(OutputFormat format)
{
    // A run asked for while one is active does nothing.
    if (!FConverter || FConverter->Active())
        return;
    FConverter->ClearStop();
    FConverter->ConvertDocuments(format);
}

void TForm1::tojpg1Click()
{
    StartRun(OutputFormat::Jpeg);
}

void TForm1::to1Click()
{
    StartRun(OutputFormat::Png);
}

void TForm1::tobmp1Click()
{
    StartRun(OutputFormat::Bmp);
}

} // namespace paginox
