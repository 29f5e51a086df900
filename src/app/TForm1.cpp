#include "app/TForm1.h"

#include "app/Artwork.h"
#include "conversion/Converter.h"
#include "conversion/PageHolders.h"
#include "doclist/DocumentListView.h"
#include "platform/dialogs/Dialogs.h"
#include "settings/TForm2.h"
#include "skin/FramePictures.h"
#include "skin/Fonts.h"
#include "skin/ListHeader.h"
#include "skin/TImgBtn.h"
#include "skin/WindowDrag.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>

namespace paginox {

namespace {

TImage* NewImage(QWidget* parent, const char* name, const QImage& picture, bool stretch)
{
    auto* image = new TImage(parent);
    image->setObjectName(QLatin1String(name));
    image->SetPicture(picture);
    image->SetStretch(stretch);
    return image;
}

} // namespace

TForm1::TForm1(Dialogs& dialogs, Shell& shell, const RegionalSettings& regional,
               ServerRegistry& servers)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      FDialogs(dialogs),
      FShell(shell),
      FServers(servers),
      FProgramFolder(QCoreApplication::applicationDirPath().toLocal8Bit().toStdString())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Paginox 2.6"));
    setWindowIcon(ApplicationIcon());
    setFont(DefaultFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));  // clBtnFace
    setPalette(colours);
    setGeometry(312, 129, 724, 534);

    CreateControls();
    CreateList(dialogs, shell, regional);
    AlignControls();
    FormCreate();
}

TForm1::~TForm1()
{
    FormDestroy();
}

void TForm1::SetForm2(TForm2& form2)
{
    FForm2 = &form2;
    FConverter = std::make_unique<Converter>(*this, *ListView1, form2, *FHolders, FServers);
}

void TForm1::CreateControls()
{
    Image1 = NewImage(this, "Image1", QImage(), false);
    Image9 = NewImage(this, "Image9", Artwork("Image9.png"), true);
    Image10 = NewImage(this, "Image10", Artwork("Image10.png"), true);
    Image2 = NewImage(this, "Image2", Artwork("Image2.png"), true);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(StatusFont());
    QPalette yellow = Label1->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    Label1->setPalette(yellow);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Image3 = NewImage(Panel1, "Image3", Artwork("Image3.png"), true);
    Image4 = NewImage(Panel1, "Image4", Artwork("Image4.png"), true);
    Panel2 = new QWidget(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    ProgressBar1 = new QProgressBar(Panel2);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    CreateToolbar();
    CreateFormatMenu();

    PanelImage = new QWidget(this);
    PanelImage->setObjectName(QStringLiteral("PanelImage"));
    PanelImage->setGeometry(296, 200, 265, 185);
    auto autoSized = [this](const char* name, const char* file) {
        TImage* image = NewImage(PanelImage, name, QImage(), false);
        image->SetAutoSize(true);
        image->SetPicture(Artwork(file));
        return image;
    };
    ImageM = autoSized("ImageM", "ImageM.png");
    ImageTop = autoSized("ImageTop", "ImageTop.png");
    ImageBk = autoSized("ImageBk", "ImageBk.png");

    CreateFrame();
    Label1->raise();
}

void TForm1::CreateList(Dialogs& dialogs, Shell& shell, const RegionalSettings& regional)
{
    ListView1 = new DocumentListView(dialogs, shell, regional, Panel2);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setFrameShape(QFrame::NoFrame);
    ListView1->SetClearStatus([this] { SetStatus(std::string()); });
    ListView1->SetBackgroundPainter(
        [this](QPainter& canvas, const QRect& clipBox) { ListView1CustomDraw(canvas, clipBox); });
}

// The controls' alignment: top, bottom, left and right strips take their share in
// that order and the client-aligned panel fills what is left.
void TForm1::AlignControls()
{
    const int w = width();
    const int h = height();
    Image1->setGeometry(0, 0, w, 33);
    Image2->setGeometry(0, h - 30, w, 30);
    Image9->setGeometry(0, 33, 4, h - 63);
    Image10->setGeometry(w - 4, 33, 4, h - 63);
    Panel1->setGeometry(4, 33, w - 8, h - 63);
    Image3->setGeometry(0, 0, Panel1->width(), 73);
    Image4->setGeometry(0, 73, Panel1->width(), 2);
    Panel2->setGeometry(0, 75, Panel1->width(), Panel1->height() - 75);
    AlignListArea();
}

void TForm1::AlignListArea()
{
    const int w = Panel2->width();
    const int h = Panel2->height();
    // A hidden progress bar takes no room.
    const int bar = ProgressBar1->isHidden() ? 0 : 17;
    ProgressBar1->setGeometry(0, h - 17, w, 17);
    ListView1->setGeometry(0, 0, w, h - bar);
}

void TForm1::FormCreate()
{
    ApplyRoundedOutline(*this);
    // Step 2, double buffering, is how every Qt widget paints already.
    PanelImage->hide();
    StretchTitleImage(*Image1, ImageTop->Picture(), 200, 35);
    PlaceCaptionButtons(3);
    SliceButtonSprite(*ImgBtnMin, ImageM->Picture(), 25, 31, 0, 0);
    SliceButtonSprite(*ImgBtnMax, ImageM->Picture(), 25, 31, 25, 0);
    SliceButtonSprite(*ImgBtnClose, ImageM->Picture(), 25, 31, 50, 0);
    DrawTitle(Image1->Canvas(), windowIcon(), windowTitle(), TitleVariant::Creation);
    PlaceStatusLabel();
    SubclassListHeader(*ListView1, QColor(220, 230, 244));
    // Posted, not sent: the bar takes its colour once the event loop runs.
    QMetaObject::invokeMethod(
        ProgressBar1,
        [bar = ProgressBar1] {
            QPalette green = bar->palette();
            green.setColor(QPalette::Highlight, QColor(0, 128, 0));
            bar->setPalette(green);
        },
        Qt::QueuedConnection);
    ProgressBar1->hide();
    AlignListArea();
    FHolders = std::make_unique<PageHolders>();
    if (FConverter)
        FConverter->ClearStop();
    FLaidOutSize = size();
    FCreated = true;
}

void TForm1::FormDestroy()
{
    // The run refers to the holders: it goes first.
    FConverter.reset();
    FHolders.reset();
}

void TForm1::PlaceStatusLabel()
{
    Label1->move(Image2->x() + Panel1->width() / 2 - 10, Image2->y() + 6);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A run pumping messages would go on behind a closed window: it ends after the
    // page in progress, and quits the office on its way out.
    if (FConverter && FConverter->Active())
        FConverter->RequestStop();
    QWidget::closeEvent(event);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!FCreated)
        return;
    AlignControls();
    if (event->size() != FLaidOutSize) {
        FLaidOutSize = event->size();
        FormResize();
    }
}

} // namespace paginox
