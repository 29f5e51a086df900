#pragma once

#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace paginox {

// The office program as a child process. It is killed when the thread that started
// it ends (PR_SET_PDEATHSIG), so it never outlives us; the guard kills and reaps it
// on every path. Kill may be called from another thread (the watchdog).
class OfficeProcess final {
public:
    // EOleException when the program cannot be run.
    OfficeProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~OfficeProcess();
    OfficeProcess(const OfficeProcess&) = delete;
    OfficeProcess& operator=(const OfficeProcess&) = delete;

    pid_t Pid() const { return FPid; }
    bool Running();
    // The wait status once the process has ended.
    std::optional<int> Status();
    // How it ended, for messages: "exited with status 1", "was killed by signal 9".
    std::string Describe();

    void Kill();
    // Waits up to timeout for the process to end; true when it has.
    bool WaitFor(std::chrono::milliseconds timeout);

private:
    void Reap(bool block);

    pid_t FPid = -1;
    std::mutex FMutex; // guards FStatus against the watchdog's Kill
    std::optional<int> FStatus;
};

} // namespace paginox
