#include "skin/Fonts.h"

#include <QStringList>

namespace paginox {

namespace {

QFont FontOf(const QStringList& families, int pixelHeight, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

QStringList SansSerif()
{
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
            QStringLiteral("DejaVu Sans")};
}

} // namespace

QFont DefaultFont()
{
    return FontOf(SansSerif(), 11, false);
}

QFont TitleFont()
{
    return FontOf(SansSerif(), 16, true);
}

QFont StatusFont()
{
    return FontOf(SansSerif(), 13, true);
}

QFont ToolbarCaptionFont()
{
    return FontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans")},
                  11, false);
}

} // namespace paginox
