#include "app/Artwork.h"

#include <QString>

namespace paginox {

QImage Artwork(const char* name)
{
    return QImage(QStringLiteral(":/artwork/") + QLatin1String(name));
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/artwork/paginox-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace paginox
