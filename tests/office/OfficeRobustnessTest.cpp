// The engine against documents and offices that go wrong, with a real office.
#include "WordTestSupport.h"

#include "office/DocumentLoader.h"
#include "office/OfficeDocument.h"
#include "office/WordApplication.h"
#include "platform/automation/EOleException.h"
#include "platform/files/TemporaryFolder.h"

#include <com/sun/star/document/XEmbeddedScripts.hpp>

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace paginox::test {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Waits for a condition that another process brings about.
template <typename Condition>
bool Eventually(Condition condition, std::chrono::milliseconds limit = 5000ms)
{
    const auto deadline = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::string Write(const TemporaryFolder& folder, const std::string& name, const std::string& content)
{
    const std::string path = folder.Entry(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

struct OpenFailureCase {
    const char* document;
    const char* reason; // what the message says
};

class OfficeOpenFailures : public ::testing::TestWithParam<OpenFailureCase> {
protected:
    static void SetUpTestSuite() { FWord = std::make_unique<WordUnderTest>(); }
    static void TearDownTestSuite() { FWord.reset(); }
    static std::unique_ptr<WordUnderTest> FWord;
};
std::unique_ptr<WordUnderTest> OfficeOpenFailures::FWord;

std::string PathFor(const std::string& name, const TemporaryFolder& scratch)
{
    if (name == "missing")
        return CorpusFile("no-such-document.docx");
    if (name == "zero-byte")
        return Write(scratch, "empty.docx", "");
    if (name == "text-renamed")
        return Write(scratch, "notes.docx", "Just a few lines of plain text.\nNot a Word document at all.\n");
    return CorpusFile(name);
}

TEST_P(OfficeOpenFailures, OpenRaisesQuicklyAndTheOfficeStaysUsable)
{
    const TemporaryFolder scratch;
    const auto started = Clock::now();
    try {
        FWord->Open(PathFor(GetParam().document, scratch));
        ADD_FAILURE() << "opened";
    } catch (const EOleException& error) {
        EXPECT_NE(error.Message().find(GetParam().reason), std::string::npos) << error.Message();
    }
    EXPECT_LT(Clock::now() - started, 10s);
    EXPECT_THROW(FWord->app.Get("ActiveDocument"), EOleException);
    EXPECT_TRUE(FWord->session->Alive());
}

INSTANTIATE_TEST_SUITE_P(Documents, OfficeOpenFailures,
                         ::testing::Values(OpenFailureCase{"missing", "does not exist"},
                                           OpenFailureCase{"zero-byte", "empty"},
                                           OpenFailureCase{"text-renamed", "not a Word document"},
                                           OpenFailureCase{"PasswordProtected.doc", "Cannot open"},
                                           OpenFailureCase{"bug53475-password-is-pass.docx", "Cannot open"},
                                           OpenFailureCase{"ExternalEntityInText.docx", "Cannot open"},
                                           OpenFailureCase{"clusterfuzz-testcase-minimized-POIXWPFFuzzer-4791943399604224.docx", "Cannot open"},
                                           OpenFailureCase{"crash-517626e815e0afa9decd0ebb6d1dee63fb9907dd.docx", "Cannot open"},
                                           OpenFailureCase{"truncated62886.docx", "Cannot open"}),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param.document; *c && name.size() < 24; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

// Documents that once brought the office down while loading hidden: they convert now,
// or at worst fail with the office restarted.
class OfficeFormerCrashers : public ::testing::TestWithParam<const char*> {};

TEST_P(OfficeFormerCrashers, ConvertOrFailWithTheOfficeRestarted)
{
    const WordUnderTest word;
    try {
        const OleObject document = word.Open(CorpusFile(GetParam()));
        const int pages = word.PageCount();
        EXPECT_GT(pages, 0);
        for (int page = 1; page <= pages; ++page) {
            word.SelectPage(document, page);
            word.CopySelectionAndDraw(100, 100);
        }
    } catch (const EOleException& error) {
        ADD_FAILURE() << "failed: " << error.Message();
        EXPECT_TRUE(word.session->Alive());
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, OfficeFormerCrashers,
                         ::testing::Values("FloatingPictures.doc", "Fuzzed.doc", "comment.docx"),
                         [](const auto& info) { return std::string(info.param).substr(0, std::string(info.param).find('.')); });

TEST(OfficeSafety, MacroDocumentsOpenWithMacrosForbidden)
{
    const auto session = std::make_shared<OfficeSession>(OfficeOptions{});
    for (const char* name : {"SimpleMacro.docm", "45690.docm"}) {
        SCOPED_TRACE(name);
        const auto document = LoadWordDocument(session, CorpusFile(name));
        bool allowed = true;
        session->Run(session->Generation(), [&] {
            css::uno::Reference<css::document::XEmbeddedScripts> scripts(document->Model(), css::uno::UNO_QUERY_THROW);
            allowed = scripts->getAllowMacroExecution();
        });
        EXPECT_FALSE(allowed);
        document->Close();
    }
}

TEST(OfficeSafety, ExternalEntityIsNeverFetched)
{
    // The fixture's entity names this port; any connection to it is a fetch.
    const int listener = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    ASSERT_GE(listener, 0);
    const int yes = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(47613);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listener, 4) != 0) {
        close(listener);
        GTEST_SKIP() << "port 47613 is taken";
    }
    const WordUnderTest word;
    try {
        word.Open(std::string(PAGINOX_SOURCE_DIR) + "/tests/office/fixtures/ExternalEntityLocal.docx");
    } catch (const EOleException&) {
        // failing to open is fine; fetching is not
    }
    EXPECT_LT(accept(listener, nullptr, nullptr), 0);
    close(listener);
}

TEST(OfficeProcessHandling, QuitEndsTheOfficeAndRemovesItsProfile)
{
    WordUnderTest word;
    word.Open(CorpusFile("simple.doc"));
    const pid_t office = word.session->ProcessId();
    const std::string profile = word.session->ProfileFolder();
    ASSERT_TRUE(ProcessExists(office));
    ASSERT_TRUE(FolderExists(profile));
    word.app.Call("Quit");
    EXPECT_FALSE(ProcessExists(office));
    EXPECT_FALSE(FolderExists(profile));
    EXPECT_THROW(word.PageCount(), EOleException);
}

TEST(OfficeProcessHandling, ReleasingTheObjectEndsTheOffice)
{
    ServerRegistry registry;
    RegisterWordApplication(registry);
    auto session = std::make_shared<OfficeSession>(OfficeOptions{});
    const pid_t office = session->ProcessId();
    const std::string profile = session->ProfileFolder();
    {
        const OleObject app(CreateWordApplication(std::move(session)));
        Variant file(CorpusFile("simple.doc"));
        app.GetObject("Documents").Call("Open", {Variant::ByRef(file)});
    }
    EXPECT_FALSE(ProcessExists(office));
    EXPECT_FALSE(FolderExists(profile));
}

TEST(OfficeProcessHandling, KilledOfficeFailsTheNextCallAtOnceAndTheNextOpenRestartsIt)
{
    const WordUnderTest word;
    const OleObject document = word.Open(CorpusFile("60329.docx"));
    ASSERT_EQ(word.PageCount(), 3);
    const pid_t office = word.session->ProcessId();
    const std::string profile = word.session->ProfileFolder();
    kill(office, SIGKILL);
    // Its threads may outlive the main one for a moment; wait until it is reaped.
    ASSERT_TRUE(Eventually([&] { return !word.session->Alive(); }));

    const auto started = Clock::now();
    EXPECT_THROW(word.PageCount(), EOleException);
    EXPECT_THROW(document.GetObject("PageSetup").Get("PageWidth"), EOleException);
    EXPECT_LT(Clock::now() - started, 1s);
    EXPECT_FALSE(FolderExists(profile));

    // A new document gets a new office.
    word.Open(CorpusFile("simple.doc"));
    EXPECT_EQ(word.PageCount(), 1);
    EXPECT_NE(word.session->ProcessId(), office);
    EXPECT_THROW(document.Get("Range"), EOleException); // the old document went with its office
}

TEST(OfficeProcessHandling, HungOfficeIsEndedByTheWatchdog)
{
    OfficeOptions options;
    options.callTimeLimit = 2000ms;
    const WordUnderTest word(options);
    const OleObject document = word.Open(CorpusFile("60329.docx"));
    const pid_t office = word.session->ProcessId();
    const std::string profile = word.session->ProfileFolder();
    kill(office, SIGSTOP);
    ASSERT_TRUE(Eventually([&] { return ProcessState(office) == 'T'; }));

    const auto started = Clock::now();
    try {
        word.PageCount(); // the first count asks the office
        ADD_FAILURE() << "a stopped office answered";
    } catch (const EOleException& error) {
        EXPECT_NE(error.Message().find("did not answer"), std::string::npos) << error.Message();
    }
    const auto elapsed = Clock::now() - started;
    EXPECT_GE(elapsed, 1900ms);
    EXPECT_LT(elapsed, 6s);
    EXPECT_FALSE(ProcessExists(office));
    EXPECT_FALSE(FolderExists(profile));
    EXPECT_THROW(document.GetObject("PageSetup").Get("PageWidth"), EOleException);
}

struct Probe {
    pid_t process = -1, office = -1;
    std::string profile;
};

// The probe program in a process group of its own, with its office and document open.
Probe StartProbe()
{
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    std::string program = std::string(PAGINOX_PROBE_PROGRAM), document = CorpusFile("simple.doc");
    char* argv[] = {program.data(), document.data(), nullptr};
    Probe probe;
    const int spawned = posix_spawn(&probe.process, program.c_str(), &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    std::string line;
    char c;
    while (spawned == 0 && read(output[0], &c, 1) == 1 && c != '\n')
        line += c;
    close(output[0]);
    if (const auto space = line.find(' '); space != std::string::npos) {
        probe.office = std::stoi(line.substr(0, space));
        probe.profile = line.substr(space + 1);
    }
    return probe;
}

TEST(OfficeProcessHandling, NothingRemainsWhenOurProcessOrItsWholeGroupIsKilled)
{
    // SIGKILL to our process alone, and Ctrl+C in a terminal, which reaches the whole group.
    for (const bool wholeGroup : {false, true}) {
        const Probe probe = StartProbe();
        ASSERT_NE(probe.office, -1) << "the probe did not start its office";
        ASSERT_TRUE(ProcessExists(probe.office));
        ASSERT_TRUE(FolderExists(probe.profile));

        if (wholeGroup)
            kill(-probe.process, SIGINT);
        else
            kill(probe.process, SIGKILL);
        waitpid(probe.process, nullptr, 0);
        EXPECT_TRUE(Eventually([&] { return !ProcessExists(probe.office); })) << wholeGroup;
        EXPECT_TRUE(Eventually([&] { return !FolderExists(probe.profile); })) << wholeGroup;
    }
}

TEST(OfficeStart, FirstStartThatAsksForARestartIsStartedAgain)
{
    // Without the build's versionrc beside the program the profile cannot be fully
    // seeded, and the office's first start ends with status 81 asking to be restarted.
    const auto folder = std::filesystem::temp_directory_path() / ("paginox-office-link-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::create_symlink(OfficeOptions{}.programPath, folder / "soffice.bin");
    OfficeOptions options;
    options.programPath = (folder / "soffice.bin").string();
    try {
        const WordUnderTest word(options);
        word.Open(CorpusFile("simple.doc"));
        EXPECT_EQ(word.PageCount(), 1);
        // The second start keeps the profile: nothing cleans it up while an office uses it.
        std::this_thread::sleep_for(200ms);
        EXPECT_TRUE(FolderExists(word.session->ProfileFolder()));
    } catch (const EOleException& error) {
        ADD_FAILURE() << error.Message();
    }
    std::filesystem::remove_all(folder);
}

TEST(OfficeStart, MissingOrBrokenOfficeRaisesAnErrorThatSaysWhy)
{
    struct Case {
        const char* program;
        const char* expected;
    };
    for (const Case& c : {Case{"/nonexistent/program/soffice.bin", "was not found"},
                          Case{"/bin/false", "exited with status 1"}}) {
        SCOPED_TRACE(c.program);
        ServerRegistry registry;
        OfficeOptions options;
        options.programPath = c.program;
        RegisterWordApplication(registry, options);
        try {
            registry.Create("Word.Application");
            ADD_FAILURE() << "created";
        } catch (const EOleException& error) {
            EXPECT_NE(error.Message().find(c.expected), std::string::npos) << error.Message();
        }
    }
}

} // namespace
} // namespace paginox::test
