#include "skin/ListHeader.h"

#include "skin/HeaderSectionStyle.h"

#include <QAbstractItemView>
#include <QGraphicsEffect>
#include <QHeaderView>
#include <QPainter>

namespace paginox {

namespace {

// Runs after every paint of the header: the header has painted itself the normal way
// into the source pixmap, which is laid over the new face with the button-face colour
// left out.
class HeaderRecolour final : public QGraphicsEffect {
public:
    HeaderRecolour(QHeaderView& header, QColor color)
        : QGraphicsEffect(&header), FHeader(header), FColor(color)
    {
    }

protected:
    void draw(QPainter* canvas) override
    {
        QPoint offset;
        const QPixmap source = sourcePixmap(Qt::LogicalCoordinates, &offset, NoPad);
        QImage bitmap = source.toImage().convertToFormat(QImage::Format_ARGB32);
        // Taken at drawing time, as the palette may have changed since.
        const QRgb face = FHeader.palette().color(QPalette::Button).rgb();
        for (int y = 0; y < bitmap.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
            for (int x = 0; x < bitmap.width(); ++x)
                if (line[x] == face)
                    line[x] = 0;
        }
        const QRect r = FHeader.viewport()->rect();
        canvas->save();
        canvas->setPen(QPen(Qt::black, 0));
        canvas->setBrush(FColor);
        canvas->drawRect(r.adjusted(0, 0, -1, -1));
        canvas->drawImage(offset, bitmap);
        canvas->restore();
    }

private:
    QHeaderView& FHeader;
    QColor FColor;
};

} // namespace

QHeaderView* SubclassListHeader(QAbstractItemView& list, QColor color)
{
    auto* header = list.findChild<QHeaderView*>();
    if (!header)
        return nullptr;
    UseFlatHeaderSections(*header);
    header->viewport()->setGraphicsEffect(new HeaderRecolour(*header, color));
    header->viewport()->update();
    return header;
}

} // namespace paginox
