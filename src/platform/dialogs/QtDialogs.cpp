#include "platform/dialogs/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace paginox {

namespace {

QString ToQt(const std::string& text) { return QString::fromLocal8Bit(text); }

void ShowBox(QMessageBox::Icon icon, const std::string& text, const std::string& title)
{
    QMessageBox box(icon, ToQt(title), ToQt(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace

QStringList QtNameFilters(const std::string& filter)
{
    const QStringList parts = ToQt(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

void QtDialogs::ShowMessage(const std::string& text, const std::string& title)
{
    ShowBox(QMessageBox::NoIcon, text, title);
}

void QtDialogs::ShowError(const std::string& message)
{
    ShowBox(QMessageBox::Critical, ErrorBoxText(message), ApplicationTitle());
}

std::vector<std::string> QtDialogs::ChooseOpenFiles(const std::string& filter)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog, so the entries show as their names alone, as the filter gives them.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = QtNameFilters(filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.front());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    std::vector<std::string> files;
    for (const QString& file : dialog.selectedFiles())
        files.push_back(file.toLocal8Bit().toStdString());
    return files;
}

} // namespace paginox
