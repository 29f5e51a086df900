#include "skin/TImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace paginox {

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(const QImage& picture)
{
    FPicture = picture;
    if (FAutoSize && !FPicture.isNull())
        resize(FPicture.size());
    update();
}

QImage& TImage::Canvas()
{
    // The caller draws right after; schedule the repaint that shows it.
    update();
    return FPicture;
}

void TImage::SetStretch(bool stretch)
{
    FStretch = stretch;
    update();
}

void TImage::SetAutoSize(bool autoSize)
{
    FAutoSize = autoSize;
    if (FAutoSize && !FPicture.isNull())
        resize(FPicture.size());
}

void TImage::paintEvent(QPaintEvent*)
{
    if (FPicture.isNull())
        return;
    QPainter painter(this);
    if (FStretch)
        painter.drawImage(rect(), FPicture);
    else
        painter.drawImage(0, 0, FPicture);
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event);
    QWidget::mousePressEvent(event);
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Not passed on: the base class would report it as a second press.
    event->accept();
    emit DblClick();
}

} // namespace paginox
