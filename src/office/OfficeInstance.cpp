#include "office/OfficeInstance.h"

#include "office/UnoBootstrap.h"
#include "office/UnoText.h"
#include "platform/automation/EOleException.h"

#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>

#include <rtl/digest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace paginox {

namespace {

// A first start in a new profile may ask to be started again with this status.
constexpr int RestartRequested = 81;
constexpr int MaxStarts = 3;

std::string UniquePipeName()
{
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    return "paginox-" + std::to_string(getpid()) + "-" + std::to_string(++counter) + "-" +
           std::to_string(random());
}

// The office's build, as its versionrc next to the program gives it ("" when absent).
std::string BuildIdOf(const std::string& program)
{
    std::ifstream file(std::filesystem::path(program).parent_path() / "versionrc");
    std::string line;
    while (std::getline(file, line))
        if (line.rfind("buildid=", 0) == 0)
            return line.substr(8);
    return {};
}

std::string SetupItem(const char* path, const char* name, const std::string& value)
{
    return std::string("<item oor:path=\"") + path + "\"><prop oor:name=\"" + name +
           "\" oor:op=\"fuse\"><value>" + value + "</value></prop></item>\n";
}

// A fresh profile costs seconds of first-start work without the last version on record,
// and a restart (status 81) when its extension folder does not name the office's build.
// Macro execution is also switched off at the profile level, behind the per-load setting.
void SeedProfile(const std::string& folder, const OfficeOptions& options)
{
    std::filesystem::create_directories(folder + "/user");
    const std::string items =
        SetupItem("/org.openoffice.Setup/Product", "ooSetupLastVersion", options.productVersion) +
        SetupItem("/org.openoffice.Office.Common/Security/Scripting", "DisableMacrosExecution", "true") +
        SetupItem("/org.openoffice.Office.Common/Security/Scripting", "MacroSecurityLevel", "3");
    if (const std::string build = BuildIdOf(options.programPath); !build.empty()) {
        std::filesystem::create_directories(folder + "/user/extensions");
        std::ofstream(folder + "/user/extensions/buildid") << build;
    }
    std::ofstream file(folder + "/user/registrymodifications.xcu");
    file << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
            "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
         << items << "</oor:items>\n";
    if (!file.flush())
        throw EOleException("The office cannot be started: cannot write its profile in " + folder);
}

std::string FileUrl(const std::string& path)
{
    return "file://" + path; // mkdtemp's names need no escaping
}

// The name of the pipe by which an office keeps a profile to itself: an MD5 of the
// profile's address (as UTF-16), in hexadecimal digits without leading zeros.
std::string SingleInstancePipeName(const std::string& profileUrl)
{
    const OUString url = ToOUString(profileUrl);
    const auto* data = reinterpret_cast<const sal_uInt8*>(url.getStr());
    const sal_uInt32 size = static_cast<sal_uInt32>(url.getLength()) * sizeof(sal_Unicode);
    std::vector<sal_uInt8> digest(RTL_DIGEST_LENGTH_MD5);
    rtl_digest_MD5(data, size, digest.data(), RTL_DIGEST_LENGTH_MD5);
    std::string name = "SingleOfficeIPC_";
    char hex[4];
    for (const sal_uInt8 byte : digest) {
        std::snprintf(hex, sizeof hex, "%x", byte);
        name += hex;
    }
    return name;
}

// Where the office puts its named pipes; a killed office leaves the files behind.
std::vector<std::string> PipeFiles(const std::string& pipeName, const std::string& profile)
{
    std::vector<std::string> files;
    for (const std::string& pipe : {pipeName, SingleInstancePipeName(FileUrl(profile))})
        for (const char* folder : {"/tmp/", "/var/tmp/"})
            files.push_back(folder + ("OSL_PIPE_" + std::to_string(getuid()) + "_") + pipe);
    return files;
}

} // namespace

OfficeInstance::OfficeInstance(const OfficeOptions& options)
    : FPipeName(UniquePipeName()), FProfile("paginox-office-"), FJanitor([this] {
          std::vector<std::string> paths{FProfile.Path()};
          for (std::string& file : PipeFiles(FPipeName, FProfile.Path()))
              paths.push_back(std::move(file));
          return paths;
      }())
{
    try {
        SeedProfile(FProfile.Path(), options);
        Connect(options);
    } catch (...) {
        // No destructor runs for a half-made instance: end what was started here.
        Release();
        throw;
    }
}

OfficeInstance::~OfficeInstance()
{
    Release();
}

void OfficeInstance::Release()
{
    FDesktop.clear();
    FContext.clear();
    FProcess.reset();
    RemovePipeFiles();
    FProfile.Remove(); // before the janitor is told that all is clean
}

void OfficeInstance::RemovePipeFiles() const
{
    for (const std::string& path : PipeFiles(FPipeName, FProfile.Path()))
        unlink(path.c_str());
}

void OfficeInstance::StartProcess(const OfficeOptions& options)
{
    RemovePipeFiles(); // an office asking to be restarted may leave its pipe behind
    FProcess.reset();
    FProcess = std::make_unique<OfficeProcess>(
        options.programPath,
        std::vector<std::string>{"-env:UserInstallation=" + FileUrl(FProfile.Path()), "--headless", "--invisible",
                                 "--nologo", "--nodefault", "--norestore", "--nolockcheck",
                                 "--accept=pipe,name=" + FPipeName + ";urp;StarOffice.ComponentContext"});
    FJanitor.Watch(FProcess->Pid());
}

void OfficeInstance::Connect(const OfficeOptions& options)
{
    const auto deadline = std::chrono::steady_clock::now() + options.startTimeLimit;
    const auto resolver = css::bridge::UnoUrlResolver::create(LocalUnoContext());
    const OUString url = ToOUString("uno:pipe,name=" + FPipeName + ";urp;StarOffice.ComponentContext");
    int starts = 0;
    StartProcess(options);
    ++starts;
    for (;;) {
        try {
            FContext.set(resolver->resolve(url), css::uno::UNO_QUERY_THROW);
            FDesktop = css::frame::Desktop::create(FContext);
            return;
        } catch (const css::connection::NoConnectException&) {
            // not listening yet
        } catch (const css::uno::Exception& e) {
            if (FProcess->Running())
                throw EOleException("The office cannot be started: " + ToUtf8(e.Message));
        }
        if (!FProcess->Running()) {
            const std::optional<int> status = FProcess->Status();
            const bool restart = status && WIFEXITED(*status) && WEXITSTATUS(*status) == RestartRequested;
            if (!restart || starts >= MaxStarts)
                throw EOleException("The office cannot be started: " + options.programPath + " " +
                                    FProcess->Describe());
            StartProcess(options);
            ++starts;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            throw EOleException("The office cannot be started: it did not accept a connection within " +
                                std::to_string(options.startTimeLimit.count() / 1000) + " s");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void OfficeInstance::Terminate()
{
    FDesktop->terminate();
}

} // namespace paginox
