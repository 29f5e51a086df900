#include "skin/FramePictures.h"

#include "skin/Fonts.h"
#include "skin/TImgBtn.h"

#include <QIcon>
#include <QPainter>
#include <QWidget>

#include <array>

namespace paginox {

void StretchTitleImage(TImage& dest, const QImage& source, int capWidth, int stripHeight)
{
    QImage bitmap(dest.width(), dest.height(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    {
        QPainter painter(&bitmap);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), source, QRect(0, 0, capWidth, stripHeight));
        painter.drawImage(QRect(capWidth, 0, bitmap.width() - 2 * capWidth, stripHeight),
                          source, QRect(capWidth, 0, 1, stripHeight));
        painter.drawImage(QPoint(bitmap.width() - capWidth, 0), source,
                          QRect(source.width() - capWidth, 0, capWidth, stripHeight));
    }
    dest.SetPicture(bitmap);
}

void SliceButtonSprite(TImgBtn& button, const QImage& sprite, int cellWidth, int cellHeight,
                       int cellX, int cellY)
{
    auto cell = [&](int row) {
        return sprite.copy(cellX, cellY + row * cellHeight, cellWidth, cellHeight);
    };
    button.SetPic(cell(0));
    button.SetPicUp(cell(1));
    button.SetPicDown(cell(2));
}

QRegion RoundedOutline(QSize size)
{
    // Rows cut from each end of the first and last two lines: a 6 x 6 ellipse as the
    // desktop's round-rectangle regions draw it.
    static constexpr std::array<int, 2> Inset{2, 1};
    const int w = size.width();
    const int h = size.height();
    QRegion region(0, 0, w, h);
    for (int row = 0; row < static_cast<int>(Inset.size()) && row < h; ++row) {
        const int cut = Inset[static_cast<std::size_t>(row)];
        for (int y : {row, h - 1 - row}) {
            region -= QRegion(0, y, cut, 1);
            region -= QRegion(w - cut, y, cut, 1);
        }
    }
    return region;
}

void ApplyRoundedOutline(QWidget& window)
{
    window.setMask(RoundedOutline(window.size()));
}

QRect TitleTextRect(TitleVariant variant, int stripHeight)
{
    const int right = variant == TitleVariant::Creation ? 234 : 134;
    return QRect(QPoint(34, 2), QPoint(right - 1, stripHeight - 1));
}

void DrawTitle(QImage& canvas, const QIcon& icon, const QString& caption, TitleVariant variant)
{
    QPainter painter(&canvas);
    icon.paint(&painter, QRect(10, 5, 16, 16));
    painter.setFont(variant == TitleVariant::Creation ? TitleFont() : DefaultFont());
    painter.setPen(QColor(255, 255, 255));
    const QRect textRect = TitleTextRect(variant, canvas.height());
    painter.setClipRect(textRect);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

} // namespace paginox
