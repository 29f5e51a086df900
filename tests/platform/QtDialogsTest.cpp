#include "platform/dialogs/QtDialogs.h"
#include "platform/files/TemporaryFolder.h"
#include "platform/shell/DesktopShell.h"

#include "../settings/QtApp.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace paginox {
namespace {

namespace fs = std::filesystem;

// Hands the modal window to inspect once it is open; inspect must close it.
void WhenModalOpens(std::function<void(QWidget*)> inspect)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, inspect]() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            inspect(modal);
        }
    });
    timer->start();
}

class QtDialogsTest : public ::testing::Test {
protected:
    QtDialogsTest() : FApp(test::App()) {}

    QApplication& FApp;
    TemporaryFolder FTemp{"paginox-dialogs-"};
    const std::string FFolder = FTemp.Path();
};

struct BoxSeen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

TEST_F(QtDialogsTest, MessageBoxesHaveTheirTitleAnOkButtonAndTheRightIcon)
{
    QtDialogs dialogs;
    auto seen = std::make_shared<BoxSeen>();
    const auto inspect = [seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        *seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->button(QMessageBox::Ok)->click();
    };

    WhenModalOpens(inspect);
    dialogs.ShowMessage("Please Set quality between 30 to 100.", NoticeTitle);
    EXPECT_EQ(seen->title, QStringLiteral("Notice"));
    EXPECT_EQ(seen->text, QStringLiteral("Please Set quality between 30 to 100."));
    EXPECT_EQ(seen->icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen->buttons, QMessageBox::Ok);

    WhenModalOpens(inspect);
    dialogs.ShowError("'abc' is not a valid floating point value");
    EXPECT_EQ(seen->title, QStringLiteral("platform_gui_tests"));
    EXPECT_EQ(seen->text, QStringLiteral("'abc' is not a valid floating point value."));
    EXPECT_EQ(seen->icon, QMessageBox::Critical);
    EXPECT_EQ(seen->buttons, QMessageBox::Ok);
}

TEST_F(QtDialogsTest, TheOpenDialogTakesSeveralFilesWithTheFilterNamesAlone)
{
    std::ofstream(FFolder + "/a.doc") << "x";
    QtDialogs dialogs;
    auto filters = std::make_shared<QStringList>();
    auto selected = std::make_shared<QString>();
    auto details = std::make_shared<bool>(true);
    auto mode = std::make_shared<QFileDialog::FileMode>();
    WhenModalOpens([=, this](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        *filters = dialog->nameFilters();
        *selected = dialog->selectedNameFilter();
        *details = !dialog->testOption(QFileDialog::HideNameFilterDetails);
        *mode = dialog->fileMode();
        dialog->setDirectory(QString::fromStdString(FFolder));
        dialog->selectFile(QStringLiteral("a.doc"));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, as its button does
    });
    const auto files = dialogs.ChooseOpenFiles("All Word|*.doc;*.docx|Word 97|*.doc");
    EXPECT_EQ(files, std::vector<std::string>{FFolder + "/a.doc"});
    EXPECT_EQ(*filters, (QStringList{QStringLiteral("All Word (*.doc *.docx)"), QStringLiteral("Word 97 (*.doc)")}));
    EXPECT_EQ(*selected, QStringLiteral("All Word")) << "the first entry, shown by its name alone";
    EXPECT_FALSE(*details);
    EXPECT_EQ(*mode, QFileDialog::ExistingFiles);

    WhenModalOpens([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_TRUE(dialogs.ChooseOpenFiles("All Word|*.doc").empty());
}

TEST_F(QtDialogsTest, TheFolderChooserIsTitledAndStartsAtTheInitialFolder)
{
    DesktopShell shell;
    auto title = std::make_shared<QString>();
    WhenModalOpens([title](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        *title = dialog->windowTitle();
        EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, as its button does
    });
    EXPECT_EQ(shell.ChooseFolder(FFolder), FFolder);
    EXPECT_EQ(*title, QStringLiteral("Please Choose a Folder"));

    WhenModalOpens([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(shell.ChooseFolder(FFolder), "");
}

TEST_F(QtDialogsTest, OpenHandsTheTargetToXdgOpenAsOneArgument)
{
    const std::string script = FFolder + "/xdg-open";
    const std::string record = FFolder + "/opened.txt";
    std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > \"" << record << ".part\"\nmv \""
                          << record << ".part\" \"" << record << "\"\n";
    fs::permissions(script, fs::perms::owner_all);
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", (FFolder + ":" + path).c_str(), 1);

    DesktopShell().Open("/srv/page images/report 1.png");
    ::setenv("PATH", path.c_str(), 1);

    for (int i = 0; i < 500 && !fs::exists(record); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(record);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "1\n/srv/page images/report 1.png\n");
}

} // namespace
} // namespace paginox
