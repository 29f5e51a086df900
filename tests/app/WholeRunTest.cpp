#include "MainWindowFixture.h"

#include "conversion/Converter.h"
#include "doclist/DocumentListView.h"
#include "office/WordApplication.h"
#include "settings/TLabeledEdit.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace paginox {
namespace {

// A run chosen from the format menu, through the real office.
class WholeRunTest : public test::MainWindowFixture {
protected:
    WholeRunTest() { RegisterWordApplication(Servers); }
};

TEST_F(WholeRunTest, PngEntryWritesEveryPageOfTheCheckedDocuments)
{
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    const std::string folder = output.path().toStdString() + "/pages";  // made by the run
    Form2.LabeledEdit2->setText(QString::fromStdString(folder));
    Form1.ListView1->AddDocumentFile(PAGINOX_CORPUS_DIR "/Headers.docx");
    Form1.ListView1->AddDocumentFile(PAGINOX_CORPUS_DIR "/simple.doc");
    Form1.ListView1->SetChecked(1, false);
    ASSERT_EQ(Form1.ListView1->Count(), 2);
    ShowAndSettle();

    Form1.to1->trigger();

    EXPECT_EQ(Form1.Run()->LastReport().ending, RunReport::Ending::Completed);
    const QStringList written = QDir(QString::fromStdString(folder)).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(written, (QStringList{QStringLiteral("Headers1.png"), QStringLiteral("Headers2.png"),
                                    QStringLiteral("Headers3.png")}));
    for (const QString& name : written) {
        const QImage page(QString::fromStdString(folder) + QLatin1Char('/') + name);
        EXPECT_FALSE(page.isNull()) << name.toStdString();
        EXPECT_GT(page.width(), 500) << name.toStdString();
    }
    ASSERT_FALSE(Dialogs.Records().empty());
    EXPECT_EQ(Dialogs.Records().back().text, "Successed!");
    EXPECT_EQ(Dialogs.Records().back().title, "Congratulation");
    EXPECT_EQ(Shell.Opened(), std::vector<std::string>{folder});
    EXPECT_EQ(Form1.Label1->text(), QStringLiteral("Successed!"));
    EXPECT_TRUE(Form1.ProgressBar1->isHidden());
    EXPECT_FALSE(Form1.Run()->Active());
}


TEST_F(WholeRunTest, ClosingTheWindowDuringARunStopsItAfterThePageInProgress)
{
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    Form2.LabeledEdit2->setText(output.path());
    Form1.ListView1->AddDocumentFile(PAGINOX_CORPUS_DIR "/Headers.docx");
    ShowAndSettle();
    // Runs inside the run's first message pump.
    QTimer::singleShot(0, &Form1, [this] { Form1.close(); });

    Form1.ojpg1->trigger();

    EXPECT_EQ(Form1.Run()->LastReport().ending, RunReport::Ending::Stopped);
    EXPECT_EQ(QDir(output.path()).entryList(QDir::Files), QStringList{QStringLiteral("Headers1.jpg")});
    EXPECT_TRUE(Dialogs.Records().empty());
    EXPECT_FALSE(Form1.isVisible());
}

} // namespace
} // namespace paginox
