#include "platform/shell/DesktopShell.h"

#include <QApplication>
#include <QFileDialog>
#include <QProcess>

namespace paginox {

void DesktopShell::Open(const std::string& target)
{
    // Detached: the handler may keep running after we end; a failure shows nothing.
    QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromLocal8Bit(target)});
}

std::string DesktopShell::ChooseFolder(const std::string& initialFolder)
{
    const QString folder = QFileDialog::getExistingDirectory(
        QApplication::activeWindow(), QStringLiteral("Please Choose a Folder"),
        QString::fromLocal8Bit(initialFolder), QFileDialog::ShowDirsOnly);
    return folder.toLocal8Bit().toStdString();
}

} // namespace paginox
