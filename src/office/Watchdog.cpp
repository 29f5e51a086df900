#include "office/Watchdog.h"

namespace paginox {

Watchdog::Watchdog(std::function<void()> onExpiry)
    : FOnExpiry(std::move(onExpiry)), FThread([this] { Run(); })
{
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard lock(FMutex);
        FStopping = true;
    }
    FWake.notify_all();
    FThread.join();
}

Watchdog::Scope::Scope(Watchdog& watchdog, std::chrono::milliseconds limit) : FWatchdog(watchdog)
{
    FWatchdog.Arm(limit);
}

Watchdog::Scope::~Scope()
{
    FWatchdog.Disarm();
}

void Watchdog::Arm(std::chrono::milliseconds limit)
{
    {
        std::lock_guard lock(FMutex);
        FArmed = true;
        FFired = false;
        FDeadline = std::chrono::steady_clock::now() + limit;
    }
    FWake.notify_all();
}

void Watchdog::Disarm()
{
    std::lock_guard lock(FMutex);
    FArmed = false;
}

bool Watchdog::Fired()
{
    std::lock_guard lock(FMutex);
    return FFired;
}

void Watchdog::Run()
{
    std::unique_lock lock(FMutex);
    while (!FStopping) {
        if (!FArmed) {
            FWake.wait(lock);
            continue;
        }
        if (FWake.wait_until(lock, FDeadline) == std::cv_status::timeout && FArmed &&
            std::chrono::steady_clock::now() >= FDeadline) {
            FArmed = false;
            FFired = true;
            FOnExpiry();
        }
    }
}

} // namespace paginox
