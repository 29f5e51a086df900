#include "platform/Exception.h"
#include "platform/dialogs/DialogRecorder.h"
#include "platform/dialogs/QtDialogs.h"
#include "platform/shell/ShellRecorder.h"

#include <gtest/gtest.h>

namespace paginox {
namespace {

TEST(ErrorBoxTextTest, AppendsAFullStopAfterBytesAboveTheFullStop)
{
    const std::pair<std::string, std::string> cases[] = {
        {"'' is not a valid floating point value", "'' is not a valid floating point value."},
        {"Done.", "Done."},
        {"Stop!", "Stop!"},          // '!' sorts below '.'
        {"range 30-", "range 30-"},  // so does '-'
        {"C:/", "C:/."},             // '/' sorts above '.'
        {"caf\xC3\xA9", "caf\xC3\xA9."},
        {"", ""},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(ErrorBoxText(message), shown) << message;
}

TEST(ErrorBoxTextTest, TheTitleIsTheExecutableNameWithoutExtension)
{
    EXPECT_EQ(ApplicationTitle(), "platform_gui_tests");
}

TEST(RunGuardedTest, AnErrorLeavingAHandlerGoesToTheErrorBox)
{
    DialogRecorder dialogs;
    bool ran = false;
    RunGuarded(dialogs, [&]() { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(dialogs.Records().empty());

    RunGuarded(dialogs, []() { throw EConvertError("'abc' is not a valid floating point value"); });
    ASSERT_EQ(dialogs.Records().size(), 1u);
    EXPECT_EQ(dialogs.Records()[0].kind, DialogRecorder::Kind::Error);
    EXPECT_EQ(dialogs.Records()[0].text, "'abc' is not a valid floating point value.");
}

TEST(RecorderTest, AnswersFromTheQueueAndCancelsWhenEmpty)
{
    DialogRecorder dialogs;
    dialogs.QueueOpenFiles({"/a.doc", "/b.doc"});
    EXPECT_EQ(dialogs.ChooseOpenFiles("F|*.doc"), (std::vector<std::string>{"/a.doc", "/b.doc"}));
    EXPECT_TRUE(dialogs.ChooseOpenFiles("F|*.doc").empty());
    EXPECT_EQ(dialogs.Records().size(), 2u);

    ShellRecorder shell;
    shell.QueueFolder("/srv");
    EXPECT_EQ(shell.ChooseFolder("/start"), "/srv");
    EXPECT_EQ(shell.ChooseFolder(""), "");
    EXPECT_EQ(shell.ChooserStarts(), (std::vector<std::string>{"/start", ""}));
    shell.Open("/out");
    EXPECT_EQ(shell.Opened(), std::vector<std::string>{"/out"});
}

TEST(QtNameFiltersTest, EachEntryBecomesANameWithItsPatterns)
{
    const QStringList filters = QtNameFilters(
        "All Word Presentations|*.doc;*.docx|Microsoft Word(97-2003)(*.doc)|*.doc");
    EXPECT_EQ(filters, (QStringList{QStringLiteral("All Word Presentations (*.doc *.docx)"),
                                    QStringLiteral("Microsoft Word(97-2003)(*.doc) (*.doc)")}));
}

} // namespace
} // namespace paginox
