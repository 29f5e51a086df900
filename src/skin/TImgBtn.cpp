#include "skin/TImgBtn.h"

#include <QEnterEvent>
#include <QMouseEvent>

namespace paginox {

namespace {

TWMMouse MessageOf(const QMouseEvent& event)
{
    return TWMMouse{event.position().toPoint(), event.buttons()};
}

} // namespace

TImgBtn::TImgBtn(QWidget* parent) : TImage(parent) {}

void TImgBtn::SetPic(const QImage& picture)
{
    FPic = picture;
    SetPicture(FPic);
}

void TImgBtn::SetPicUp(const QImage& picture)
{
    FPicUp = picture;
}

void TImgBtn::SetPicDown(const QImage& picture)
{
    FPicDown = picture;
}

void TImgBtn::SetPicDisable(const QImage& picture)
{
    FPicDisable = picture;
    if (!FEnabled)
        SetPicture(FPicDisable);
}

void TImgBtn::SetEnabled(bool enabled)
{
    setEnabled(enabled);
    FEnabled = enabled;
    // The hover picture, not the normal one: the button lights up as it comes back.
    SetPicture(enabled ? FPicUp : FPicDisable);
}

void TImgBtn::MouseEntered(const TWMMouse& msg)
{
    if (!Active() || FMouseInside)
        return;
    FMouseInside = true;
    SetPicture(FPressed ? FPicDown : FPicUp);
    if (OnMouseEnter)
        OnMouseEnter(msg);
}

void TImgBtn::MouseLeft(const TWMMouse& msg)
{
    if (!Active() || !FMouseInside)
        return;
    FMouseInside = false;
    SetPicture(FPic);
    if (OnMouseLeave)
        OnMouseLeave(msg);
}

void TImgBtn::enterEvent(QEnterEvent* event)
{
    MouseEntered(TWMMouse{event->position().toPoint(), event->buttons()});
}

void TImgBtn::leaveEvent(QEvent*)
{
    MouseLeft(TWMMouse{mapFromGlobal(QCursor::pos()), Qt::NoButton});
}

void TImgBtn::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !Active())
        return;
    FPressed = true;
    if (FMouseInside)
        SetPicture(FPicDown);
    if (OnMouseDown)
        OnMouseDown(MessageOf(*event));
}

void TImgBtn::mouseMoveEvent(QMouseEvent* event)
{
    // While a button is held the pointer is grabbed and no enter or leave
    // arrives, so crossing the edge is seen here.
    if (!FPressed)
        return;
    if (rect().contains(event->position().toPoint()))
        MouseEntered(MessageOf(*event));
    else
        MouseLeft(MessageOf(*event));
}

void TImgBtn::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    // The click comes first, before the hover picture returns.
    if (rect().contains(event->position().toPoint()))
        emit Click();
    if (!Active())
        return;
    FPressed = false;
    if (FMouseInside)
        SetPicture(FPicUp);
    if (OnMouseUp)
        OnMouseUp(MessageOf(*event));
}

} // namespace paginox
