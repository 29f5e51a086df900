#include "settings/TForm2.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/paths/Paths.h"
#include "platform/regional/DecimalText.h"
#include "platform/regional/RegionalSettings.h"
#include "settings/BrowseForFolder.h"
#include "settings/TLabeledEdit.h"

#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace paginox {

namespace {

constexpr double MinimumScale = 30;
constexpr double MaximumScale = 100;

// The client area of a 433 x 277 window with a sizeable 4-pixel frame and a 19-pixel caption.
constexpr int ClientWidth = 425;
constexpr int ClientHeight = 250;

QFont SansSerif8()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

// A 4 x 33 strip of nearly uniform teal, stretched over the whole client area.
QPixmap TealStrip()
{
    QImage strip(4, 33, QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            strip.setPixel(x, y, qRgb(12 + (x + y) % 3, 170 + y % 4, 139 + (y / 2) % 4));
    return QPixmap::fromImage(strip);
}

// Labels draw their text straight onto the teal picture.
void MakeTransparent(QLabel* label, bool bold)
{
    label->setAutoFillBackground(false);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(left, 184, 75, 25);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

std::string FromQt(const QString& text) { return text.toLocal8Bit().toStdString(); }

} // namespace

TForm2::TForm2(Dialogs& dialogs, Shell& shell, const RegionalSettings& regional, QWidget* parent)
    : QDialog(parent), FDialogs(dialogs), FShell(shell), FRegional(regional)
{
    setWindowTitle(QStringLiteral("Setting"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(SansSerif8());
    resize(ClientWidth, ClientHeight);
    move(399, 259);
    CreateControls();

    // An error that leaves a handler goes to the error box, as for every user command.
    const auto guarded = [this](void (TForm2::*handler)()) {
        return [this, handler]() { RunGuarded(FDialogs, [this, handler]() { (this->*handler)(); }); };
    };
    connect(Button1, &QPushButton::clicked, this, guarded(&TForm2::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(&TForm2::Button2Click));
    connect(SpeedButton1, &QToolButton::clicked, this, guarded(&TForm2::SpeedButton1Click));
}

void TForm2::CreateControls()
{
    Image1 = new QLabel(this);
    Image1->setPixmap(TealStrip());
    Image1->setScaledContents(true);
    Image1->setGeometry(rect());

    LabeledEdit1 = new TLabeledEdit(this);
    LabeledEdit1->setFrame(false);
    LabeledEdit1->setText(QString::fromLocal8Bit(DefaultScale()));
    LabeledEdit1->EditLabel()->setText(QStringLiteral("Quality && Size:  "));
    MakeTransparent(LabeledEdit1->EditLabel(), true);
    LabeledEdit1->Place(64, 52, 121, 21);

    Label1 = new QLabel(QStringLiteral("(30-100%)"), this);
    MakeTransparent(Label1, false);
    Label1->setGeometry(202, 52, 47, 13);

    LabeledEdit2 = new TLabeledEdit(this);
    LabeledEdit2->setFrame(false);
    LabeledEdit2->setText(QString::fromLocal8Bit(DefaultOutputFolder()));
    LabeledEdit2->EditLabel()->setText(QStringLiteral("Output Path"));
    MakeTransparent(LabeledEdit2->EditLabel(), true);
    LabeledEdit2->Place(56, 116, 249, 21);

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setGeometry(328, 112, 33, 33);
    SpeedButton1->setIconSize(QSize(24, 24));
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));

    Button1 = MakeButton(this, QStringLiteral("OK"), 112);
    Button2 = MakeButton(this, QStringLiteral("Cancel"), 232);

    setTabOrder(Button1, Button2);
    setTabOrder(Button2, LabeledEdit1);
    setTabOrder(LabeledEdit1, LabeledEdit2);
    Button1->setFocus();
}

std::string TForm2::DefaultScale()
{
    return "100";
}

std::string TForm2::DefaultOutputFolder()
{
    return IncludeTrailingPathDelimiter(FromQt(QDir::homePath())) + "Output";
}

std::string TForm2::ScaleText() const
{
    return FromQt(LabeledEdit1->text());
}

std::string TForm2::OutputFolder() const
{
    return FromQt(LabeledEdit2->text());
}

void TForm2::SpeedButton1Click()
{
    const std::string folder = BrowseForFolder(FShell, "");
    if (!folder.empty())
        LabeledEdit2->setText(QString::fromLocal8Bit(folder));
}

void TForm2::Button1Click()
{
    const double scale = StrToFloat(ScaleText(), FRegional.Format().DecimalSeparator);
    if (scale < MinimumScale || scale > MaximumScale) {
        FDialogs.ShowMessage("Please Set quality between 30 to 100.", NoticeTitle);
        return;
    }
    accept();
}

void TForm2::Button2Click()
{
    // The defaults, not the texts the fields held when the dialog opened.
    LabeledEdit1->setText(QString::fromLocal8Bit(DefaultScale()));
    LabeledEdit2->setText(QString::fromLocal8Bit(DefaultOutputFolder()));
    reject();
}

void TForm2::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Image1->setGeometry(rect());
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    // Neither button is the cancel button: Escape does not close the dialog.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace paginox
