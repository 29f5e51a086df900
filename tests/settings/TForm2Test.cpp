#include "settings/TForm2.h"

#include "QtApp.h"
#include "platform/dialogs/DialogRecorder.h"
#include "platform/regional/RegionalSettings.h"
#include "platform/shell/ShellRecorder.h"
#include "settings/TLabeledEdit.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <optional>

namespace paginox {
namespace {

class TForm2Test : public ::testing::Test {
protected:
    TForm2Test() : FApp(test::App()), Form2(FDialogs, FShell, FRegional) {}

    void SetScale(const char* text) { Form2.LabeledEdit1->setText(QString::fromUtf8(text)); }
    void SetFolder(const char* text) { Form2.LabeledEdit2->setText(QString::fromUtf8(text)); }
    void Open()
    {
        Form2.show();
        ASSERT_TRUE(Form2.isVisible());
    }

    QApplication& FApp;
    DialogRecorder FDialogs;
    ShellRecorder FShell;
    FixedRegionalSettings FRegional;
    TForm2 Form2;
};

struct OkCase {
    const char* scale;
    const char* separator;
    bool closes;
    std::optional<DialogRecorder::Record> shown;
};

void PrintTo(const OkCase& c, std::ostream* out)
{
    *out << '"' << c.scale << "\" with \"" << c.separator << '"';
}

class TForm2OkTest : public TForm2Test, public ::testing::WithParamInterface<OkCase> {};

TEST_P(TForm2OkTest, OkClosesOnlyForAScaleFrom30To100)
{
    const OkCase& c = GetParam();
    FormatSettings format;
    format.DecimalSeparator = c.separator;
    FRegional.SetFormat(format);
    Open();
    SetScale(c.scale);
    Form2.Button1->click();

    EXPECT_EQ(Form2.isVisible(), !c.closes) << c.scale;
    EXPECT_EQ(Form2.ScaleText(), c.scale) << "the text stays as typed";
    if (!c.shown) {
        EXPECT_TRUE(FDialogs.Records().empty()) << c.scale;
        return;
    }
    ASSERT_EQ(FDialogs.Records().size(), 1u) << c.scale;
    EXPECT_EQ(FDialogs.Records()[0].kind, c.shown->kind);
    EXPECT_EQ(FDialogs.Records()[0].text, c.shown->text);
    EXPECT_EQ(FDialogs.Records()[0].title, c.shown->title);
}

const DialogRecorder::Record Notice{DialogRecorder::Kind::Message,
                                    "Please Set quality between 30 to 100.", "Notice"};

DialogRecorder::Record NotANumber(const std::string& text)
{
    return {DialogRecorder::Kind::Error, "'" + text + "' is not a valid floating point value.", ""};
}

INSTANTIATE_TEST_SUITE_P(Scales, TForm2OkTest, ::testing::Values(
    OkCase{"30", ".", true, std::nullopt},
    OkCase{"100", ".", true, std::nullopt},
    OkCase{" 75 ", ".", true, std::nullopt},
    OkCase{"1e2", ".", true, std::nullopt},
    OkCase{"29.99", ".", false, Notice},
    OkCase{"100.01", ".", false, Notice},
    OkCase{"-50", ".", false, Notice},
    OkCase{"75%", ".", false, NotANumber("75%")},
    OkCase{"abc", ".", false, NotANumber("abc")},
    OkCase{"", ".", false, NotANumber("")},
    OkCase{"50,5", ",", true, std::nullopt},
    OkCase{"50.5", ",", false, NotANumber("50.5")}));

TEST_F(TForm2Test, OkDoesNotLookAtTheOutputFolder)
{
    Open();
    SetFolder("");
    Form2.Button1->click();
    EXPECT_FALSE(Form2.isVisible());
    EXPECT_EQ(Form2.OutputFolder(), "");
}

TEST_F(TForm2Test, CancelPutsBackTheDefaultsNotTheOpeningTexts)
{
    const std::string home = QDir::homePath().toStdString() + "/Output";
    EXPECT_EQ(Form2.ScaleText(), "100");
    EXPECT_EQ(Form2.OutputFolder(), home);

    Open();
    SetScale("50");
    SetFolder("/srv/pages");
    Form2.Button1->click();
    ASSERT_FALSE(Form2.isVisible());

    Open();
    Form2.Button2->click();
    EXPECT_FALSE(Form2.isVisible());
    EXPECT_EQ(Form2.ScaleText(), "100");
    EXPECT_EQ(Form2.OutputFolder(), home);
    EXPECT_TRUE(FDialogs.Records().empty());
}

TEST_F(TForm2Test, TheCloseBoxKeepsTheTextsAsTyped)
{
    Open();
    SetScale("abc");
    SetFolder("relative/folder");
    Form2.close();
    EXPECT_FALSE(Form2.isVisible());
    EXPECT_EQ(Form2.ScaleText(), "abc");
    EXPECT_EQ(Form2.OutputFolder(), "relative/folder");
    EXPECT_TRUE(FDialogs.Records().empty());
}

TEST_F(TForm2Test, EscapeDoesNotCloseTheDialog)
{
    Open();
    QTest::keyClick(&Form2, Qt::Key_Escape);
    EXPECT_TRUE(Form2.isVisible());
}

TEST_F(TForm2Test, BrowseSetsTheFolderUnlessCancelled)
{
    SetFolder("/keep");
    Form2.SpeedButton1->click();
    EXPECT_EQ(Form2.OutputFolder(), "/keep");

    FShell.QueueFolder("/");
    Form2.SpeedButton1->click();
    EXPECT_EQ(Form2.OutputFolder(), "/");

    FShell.QueueFolder("/srv/pages/");
    Form2.SpeedButton1->click();
    EXPECT_EQ(Form2.OutputFolder(), "/srv/pages");
    // The chooser never starts at the folder the field names.
    EXPECT_EQ(FShell.ChooserStarts(), (std::vector<std::string>{"", "", ""}));
}

TEST_F(TForm2Test, ControlsStandWhereTheDialogPlacesThem)
{
    EXPECT_EQ(Form2.windowTitle(), QStringLiteral("Setting"));
    EXPECT_EQ(Form2.size(), QSize(425, 250));
    EXPECT_EQ(Form2.pos(), QPoint(399, 259));
    EXPECT_FALSE(Form2.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(Form2.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(Form2.font().pixelSize(), 11);

    EXPECT_EQ(Form2.LabeledEdit1->geometry(), QRect(64, 52, 121, 21));
    EXPECT_EQ(Form2.Label1->geometry(), QRect(202, 52, 47, 13));
    EXPECT_EQ(Form2.LabeledEdit2->geometry(), QRect(56, 116, 249, 21));
    EXPECT_EQ(Form2.SpeedButton1->geometry(), QRect(328, 112, 33, 33));
    EXPECT_EQ(Form2.Button1->geometry(), QRect(112, 184, 75, 25));
    EXPECT_EQ(Form2.Button2->geometry(), QRect(232, 184, 75, 25));
    EXPECT_FALSE(Form2.LabeledEdit1->hasFrame());
    EXPECT_FALSE(Form2.LabeledEdit2->hasFrame());
    for (TLabeledEdit* edit : {Form2.LabeledEdit1, Form2.LabeledEdit2}) {
        const QRect label = edit->EditLabel()->geometry();
        EXPECT_EQ(label.left(), edit->x());
        EXPECT_EQ(label.bottom() + 1 + 3, edit->y());
        EXPECT_TRUE(edit->EditLabel()->font().bold());
    }
    EXPECT_EQ(Form2.LabeledEdit1->EditLabel()->text(), QStringLiteral("Quality && Size:  "));
    QLabel shown(QStringLiteral("Quality & Size:  "));
    shown.setFont(Form2.LabeledEdit1->EditLabel()->font());
    EXPECT_EQ(Form2.LabeledEdit1->EditLabel()->sizeHint(), shown.sizeHint()) << "\"&&\" shows as one \"&\"";
    EXPECT_EQ(Form2.LabeledEdit2->EditLabel()->text(), QStringLiteral("Output Path"));
    EXPECT_EQ(Form2.Label1->text(), QStringLiteral("(30-100%)"));
    EXPECT_EQ(Form2.Button1->text(), QStringLiteral("OK"));
    EXPECT_EQ(Form2.Button2->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(Form2.Button1->isDefault() || Form2.Button1->autoDefault());
    EXPECT_FALSE(Form2.Button2->isDefault() || Form2.Button2->autoDefault());
    EXPECT_TRUE(Form2.SpeedButton1->autoRaise());
    EXPECT_EQ(Form2.SpeedButton1->iconSize(), QSize(24, 24));
}

TEST_F(TForm2Test, TabGoesOkCancelScaleFolder)
{
    QWidget* expected[] = {Form2.Button2, Form2.LabeledEdit1, Form2.LabeledEdit2, Form2.Button1};
    QWidget* widget = Form2.Button1;
    for (QWidget* next : expected) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(widget, next);
    }
    EXPECT_EQ(Form2.SpeedButton1->focusPolicy(), Qt::NoFocus);
}

TEST_F(TForm2Test, LabelsAreDrawnStraightOntoThePicture)
{
    const QImage picture = Form2.grab().toImage();
    for (const QLabel* label : {Form2.Label1, Form2.LabeledEdit1->EditLabel(), Form2.LabeledEdit2->EditLabel()}) {
        const QColor corner = picture.pixelColor(label->geometry().topRight());
        EXPECT_TRUE(corner.red() <= 14 && corner.green() >= 170 && corner.blue() >= 139)
            << label->text().toStdString() << ": " << corner.name().toStdString();
    }
}

TEST_F(TForm2Test, TheTealPictureCoversTheClientAreaAndFollowsItsSize)
{
    EXPECT_EQ(Form2.Image1->geometry(), Form2.rect());
    Open();
    Form2.resize(500, 300);
    EXPECT_EQ(Form2.Image1->geometry(), QRect(0, 0, 500, 300));
    const QImage picture = Form2.Image1->pixmap().toImage();
    EXPECT_EQ(picture.size(), QSize(4, 33));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            EXPECT_TRUE(c.red() >= 12 && c.red() <= 14 && c.green() >= 170 && c.green() <= 173 &&
                        c.blue() >= 139 && c.blue() <= 142) << x << "," << y;
        }
}

} // namespace
} // namespace paginox
