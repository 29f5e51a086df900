#include "app/TApplication.h"
#include "app/TForm1.h"
#include "graphics/DeviceDepth.h"
#include "office/WordApplication.h"
#include "platform/automation/ServerRegistry.h"
#include "platform/dialogs/QtDialogs.h"
#include "platform/regional/RegionalSettings.h"
#include "platform/shell/DesktopShell.h"
#include "settings/TForm2.h"

#include <QScreen>

using namespace paginox;

int main(int argc, char** argv)
{
    PrepareQtForFixedPixels();
    TApplication application(argc, argv);
    QtDialogs dialogs;
    application.SetErrorDialogs(&dialogs);
    DesktopShell shell;
    ProcessRegionalSettings regional;
    // Device-format bitmaps take the screen's depth; a 24-bit visual stores 32 bits.
    const int depth = QGuiApplication::primaryScreen()->depth();
    SetDeviceBitsPerPixel(depth == 24 ? 32 : depth);
    ServerRegistry& servers = ServerRegistry::Default();
    RegisterWordApplication(servers);

    TForm1 form1(dialogs, shell, regional, servers);
    TForm2 form2(dialogs, shell, regional, &form1);
    form1.SetForm2(form2);
    form1.show();
    return application.exec();
}
