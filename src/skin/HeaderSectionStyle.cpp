#include "skin/HeaderSectionStyle.h"

#include <QHeaderView>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace paginox {

namespace {

class HeaderSectionStyle final : public QProxyStyle {
public:
    HeaderSectionStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_HeaderEmptyArea) {
            painter->fillRect(option->rect, option->palette.button());
            return;
        }
        if (element != CE_HeaderSection) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QRect r = option->rect;
        const QPalette& palette = option->palette;
        painter->save();
        painter->fillRect(r, palette.button());
        // Outer top-left stays face; white inside it; shadow lines bottom and right.
        painter->setPen(palette.color(QPalette::Light));
        painter->drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
        painter->drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
        painter->setPen(palette.color(QPalette::Shadow));
        painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter->drawLine(r.right(), r.top(), r.right(), r.bottom());
        painter->setPen(palette.color(QPalette::Mid));
        painter->drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        painter->drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
        painter->restore();
    }
};

} // namespace

void UseFlatHeaderSections(QHeaderView& header)
{
    auto* style = new HeaderSectionStyle;
    style->setParent(&header);
    header.setStyle(style);
}

} // namespace paginox
