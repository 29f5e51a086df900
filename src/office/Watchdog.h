#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace paginox {

// Ends a call that runs past its limit: a thread that, once armed, runs the given
// action (killing the office) when the limit passes before the call disarms it. The
// thread only acts; every call into the office stays on the caller's thread.
class Watchdog final {
public:
    explicit Watchdog(std::function<void()> onExpiry);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // Keeps the watchdog armed for a scope.
    class Scope final {
    public:
        Scope(Watchdog& watchdog, std::chrono::milliseconds limit);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        Watchdog& FWatchdog;
    };

    // Whether the action ran since the last Arm.
    bool Fired();

private:
    void Arm(std::chrono::milliseconds limit);
    void Disarm();
    void Run();

    std::function<void()> FOnExpiry;
    std::mutex FMutex;
    std::condition_variable FWake;
    bool FArmed = false, FFired = false, FStopping = false;
    std::chrono::steady_clock::time_point FDeadline;
    std::thread FThread; // last: starts once the state above exists
};

} // namespace paginox
