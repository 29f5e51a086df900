#pragma once

#include <QApplication>

namespace paginox {

class Dialogs;

// The application object: an error that leaves an event handler is shown in the
// application error box instead of ending the program.
class TApplication final : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    void SetErrorDialogs(Dialogs* dialogs) { FDialogs = dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Dialogs* FDialogs = nullptr;
};

// Qt settings that must precede the application: pixel-exact geometry at 96 dpi
// whatever the desktop's scaling.
void PrepareQtForFixedPixels();

} // namespace paginox
