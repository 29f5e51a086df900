// The drawn frame: title strip, caption buttons, dragging, maximise and restore.
#include "app/TForm1.h"

#include "app/TForm1Handle.h"
#include "skin/FramePictures.h"
#include "skin/TImgBtn.h"
#include "skin/WindowDrag.h"

#include <QMouseEvent>
#include <QScreen>

namespace paginox {

void TForm1::CreateFrame()
{
    auto captionButton = [this](const char* name, void (TForm1::*handler)()) {
        auto* button = new TImgBtn(this);
        button->setObjectName(QLatin1String(name));
        button->resize(25, 31);
        button->SetEnabled(true);
        button->SetSupported(true);
        Handle(button, &TImgBtn::Click, handler);
        return button;
    };
    ImgBtnMin = captionButton("ImgBtnMin", &TForm1::ImgBtnMinClick);
    ImgBtnMax = captionButton("ImgBtnMax", &TForm1::ImgBtnMaxClick);
    ImgBtnClose = captionButton("ImgBtnClose", &TForm1::ImgBtnCloseClick);
    ImgBtnMin->setToolTip(QStringLiteral("Minimize"));
    ImgBtnMax->setToolTip(QStringLiteral("Maximize"));
    ImgBtnClose->setToolTip(QStringLiteral("Close"));

    FDrag = new WindowDrag(*Image1, *this);
    connect(Image1, &TImage::MouseDown, this, &TForm1::Image1MouseDown);
    Handle(Image1, &TImage::DblClick, &TForm1::Image1DblClick);
}

void TForm1::PlaceCaptionButtons(int maxTop)
{
    const int w = width();
    ImgBtnMin->raise();
    ImgBtnMin->move(w - 87, 3);
    ImgBtnMax->raise();
    ImgBtnMax->move(w - 62, maxTop);
    ImgBtnClose->raise();
    ImgBtnClose->move(w - 37, 3);
}

void TForm1::FormResize()
{
    ApplyRoundedOutline(*this);
    StretchTitleImage(*Image1, ImageTop->Picture(), 200, 35);
    PlaceCaptionButtons(3);
    DrawTitle(Image1->Canvas(), windowIcon(), windowTitle(), TitleVariant::Resize);
    PlaceStatusLabel();
    if (Maximized() && height() != MaximizedHeight())
        resize(width(), MaximizedHeight());
}

int TForm1::MaximizedHeight() const
{
    return screen()->geometry().height() - 30;
}

void TForm1::ImgBtnMaxClick()
{
    const int w = width();
    ImgBtnMax->raise();
    if (!Maximized()) {
        ImgBtnMax->move(w - 62, 3);
        SliceButtonSprite(*ImgBtnMax, ImageM->Picture(), 25, 31, 76, 0);
        ImgBtnMax->setToolTip(QStringLiteral("Restore"));
        SetWindowState(WindowState::Maximized);
    } else {
        ImgBtnMax->move(w - 62, 1);
        SliceButtonSprite(*ImgBtnMax, ImageM->Picture(), 25, 31, 25, 0);
        ImgBtnMax->setToolTip(QStringLiteral("Maximize"));
        SetWindowState(WindowState::Normal);
    }
}

// Maximising is ours, not the desktop's: the window covers the screen's width and
// all of its height but the bottom 30 pixels, as FormResize keeps it.
void TForm1::SetWindowState(WindowState state)
{
    if (state == FWindowState)
        return;
    FWindowState = state;
    if (state == WindowState::Maximized) {
        FNormalGeometry = geometry();
        const QRect screenArea = screen()->geometry();
        setGeometry(screenArea.x(), screenArea.y(), screenArea.width(), screenArea.height());
    } else {
        setGeometry(FNormalGeometry);
    }
}

void TForm1::Image1DblClick()
{
    ImgBtnMaxClick();
}

void TForm1::Image1MouseDown(QMouseEvent* event)
{
    if (Maximized() || event->button() != Qt::LeftButton)
        return;
    FDrag->Arm(event->globalPosition().toPoint());
}

void TForm1::ImgBtnMinClick()
{
    try {
        showMinimized();
    } catch (...) {
        // Minimising is best effort; nothing is worth a message here.
    }
}

void TForm1::ImgBtnCloseClick()
{
    close();
}

} // namespace paginox
