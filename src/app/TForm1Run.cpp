// The window as the conversion run sees it: status line, progress bar, messages.
#include "app/TForm1.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/shell/Shell.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

namespace paginox {

void TForm1::RepaintWindow()
{
    repaint();
}

void TForm1::ProcessMessages()
{
    QCoreApplication::processEvents();
}

void TForm1::SetStatus(const std::string& text)
{
    Label1->setText(QString::fromLocal8Bit(text));
    // The label grows to the right from its place.
    Label1->adjustSize();
    Label1->repaint();
}

void TForm1::ShowProgress(bool visible)
{
    ProgressBar1->setVisible(visible);
    AlignListArea();
}

void TForm1::SetProgress(int maximum, int position)
{
    ProgressBar1->setMaximum(maximum);
    ProgressBar1->setValue(position);
}

void TForm1::ShowMessage(const std::string& text, const std::string& title)
{
    FDialogs.ShowMessage(text, title);
}

void TForm1::OpenFolder(const std::string& folder)
{
    FShell.Open(folder);
}

} // namespace paginox
