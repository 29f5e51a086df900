// Shows the main window with a few documents in its list and saves a picture of it:
//   paginox_screenshot <file.png> [maximised]   (in an X server, e.g. scripts/xvfb-run.sh)
#include "app/TApplication.h"
#include "app/TForm1.h"
#include "doclist/DocumentListView.h"
#include "platform/automation/ServerRegistry.h"
#include "platform/dialogs/DialogRecorder.h"
#include "platform/regional/RegionalSettings.h"
#include "platform/shell/ShellRecorder.h"
#include "settings/TForm2.h"

#include <QBitmap>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cstdio>

using namespace paginox;

int main(int argc, char** argv)
{
    PrepareQtForFixedPixels();
    TApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <file.png> [maximised]\n", argv[0]);
        return 2;
    }
    DialogRecorder dialogs;
    ShellRecorder shell;
    ProcessRegionalSettings regional;
    ServerRegistry servers;
    TForm1 form1(dialogs, shell, regional, servers);
    TForm2 form2(dialogs, shell, regional, &form1);
    form1.SetForm2(form2);
    for (const char* name : {"Headers.docx", "IllustrativeCases.docx", "bug57031.docx",
                             "testPictures.doc", "SimpleMacro.docm", "60316.dotx"})
        form1.ListView1->AddDocumentFile(std::string(PAGINOX_CORPUS_DIR "/") + name);
    form1.ListView1->SetChecked(3, false);
    form1.ListView1->SetSelected(1, true);
    form1.show();
    if (argc == 3)
        form1.ImgBtnMaxClick();

    int status = 1;
    // Time for the window to appear and the bar to take its colour.
    QTimer::singleShot(1500, &app, [&] {
        // As a run shows it, on the second of three pages.
        form1.ShowProgress(true);
        form1.SetProgress(3, 2);
        form1.SetStatus("/home/user/Output/Headers.docx");
        QCoreApplication::processEvents();
        // What the X server shows, with the window's outline as transparency.
        QImage shot = form1.screen()->grabWindow(0, form1.x(), form1.y(), form1.width(),
                                                 form1.height()).toImage()
                          .convertToFormat(QImage::Format_ARGB32);
        const QRegion outline = form1.mask();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (!outline.contains(QPoint(x, y)))
                    shot.setPixel(x, y, 0);
        status = shot.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
        app.quit();
    });
    app.exec();
    return status;
}
