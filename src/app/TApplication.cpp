#include "app/TApplication.h"

#include "platform/dialogs/Dialogs.h"

#include <QStyleFactory>

#include <exception>

namespace paginox {

void PrepareQtForFixedPixels()
{
    // Every geometry of the window is in device pixels, and points are at 96 dpi,
    // whatever scaling the desktop or the user's environment asks Qt for.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_FONT_DPI", "96");
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (FDialogs)
            FDialogs->ShowError(error.what());
    } catch (...) {
        if (FDialogs)
            FDialogs->ShowError("Unknown error");
    }
    return false;
}

} // namespace paginox
