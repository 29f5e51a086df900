#include "office/OfficeSession.h"

#include "office/OfficeInstance.h"
#include "office/UnoText.h"
#include "platform/automation/EOleException.h"

#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/uno/Exception.hpp>


namespace paginox {

namespace {

constexpr std::chrono::milliseconds TerminateLimit{5000};
constexpr std::chrono::milliseconds DyingLimit{1000};

} // namespace

OfficeSession::OfficeSession(OfficeOptions options)
    : FOptions(std::move(options)), FWatchdog([this] { KillOffice(); })
{
    auto instance = std::make_unique<OfficeInstance>(FOptions);
    std::lock_guard lock(FInstanceMutex);
    FInstance = std::move(instance);
    ++FGeneration;
}

OfficeSession::~OfficeSession()
{
    Quit();
}

void OfficeSession::KillOffice()
{
    std::lock_guard lock(FInstanceMutex);
    if (FInstance)
        FInstance->Process().Kill();
}

bool OfficeSession::Alive()
{
    return FInstance && FInstance->Process().Running();
}

void OfficeSession::Check(unsigned generation)
{
    if (FQuit)
        throw EOleException("The office has been quit");
    if (generation != FGeneration)
        throw EOleException("The office that held this document has stopped; the document is closed");
    if (!Alive())
        Fail("before the call");
}

void OfficeSession::Run(unsigned generation, const std::function<void()>& work)
{
    Check(generation);
    try {
        Watchdog::Scope guard(FWatchdog, FOptions.callTimeLimit);
        work();
    } catch (const css::lang::DisposedException& e) {
        // Most often the connection broke because the office is ending: give it a moment
        // to be reaped, so the error says so and the next open starts a new office.
        if (FInstance)
            FInstance->Process().WaitFor(DyingLimit);
        if (FWatchdog.Fired() || !Alive())
            Fail("during the call");
        throw EOleException("The office reported an error: " + ToUtf8(e.Message));
    } catch (const css::uno::Exception& e) {
        if (FWatchdog.Fired() || !Alive())
            Fail("during the call");
        throw EOleException("The office reported an error: " + ToUtf8(e.Message));
    }
}

void OfficeSession::Fail(const std::string& when)
{
    std::string reason;
    if (FWatchdog.Fired())
        reason = "did not answer within " + std::to_string(FOptions.callTimeLimit.count()) + " ms and was ended";
    else if (FInstance)
        reason = FInstance->Process().Describe();
    else
        reason = "is not running";
    // A dead office's process and profile go at once, not at the next start or at Quit.
    std::unique_ptr<OfficeInstance> dead;
    {
        std::lock_guard lock(FInstanceMutex);
        dead = std::move(FInstance);
    }
    throw EOleException("The office " + reason + " (" + when + ")");
}

void OfficeSession::Restart()
{
    if (FQuit)
        throw EOleException("The office has been quit");
    {
        std::unique_ptr<OfficeInstance> old;
        std::lock_guard lock(FInstanceMutex);
        old = std::move(FInstance);
    } // the dead office's profile goes before a new one is made
    auto instance = std::make_unique<OfficeInstance>(FOptions);
    std::lock_guard lock(FInstanceMutex);
    FInstance = std::move(instance);
    ++FGeneration;
}

void OfficeSession::Quit()
{
    if (FQuit)
        return;
    FQuit = true;
    if (FInstance && FInstance->Process().Running()) {
        try {
            Watchdog::Scope guard(FWatchdog, TerminateLimit);
            FInstance->Terminate();
        } catch (const css::uno::Exception&) {
            // a dying office: killed below
        }
        FInstance->Process().WaitFor(TerminateLimit);
    }
    std::unique_ptr<OfficeInstance> old;
    {
        std::lock_guard lock(FInstanceMutex);
        old = std::move(FInstance);
    }
    ++FGeneration;
}

pid_t OfficeSession::ProcessId() const
{
    return FInstance ? FInstance->Process().Pid() : -1;
}

std::string OfficeSession::ProfileFolder() const
{
    return FInstance ? FInstance->ProfileFolder() : std::string();
}

} // namespace paginox
