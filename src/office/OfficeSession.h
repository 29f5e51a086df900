#pragma once

#include "office/OfficeOptions.h"
#include "office/Watchdog.h"

#include <functional>
#include <memory>
#include <mutex>
#include <sys/types.h>

namespace paginox {

class OfficeInstance;

// The office as the server's objects see it: started on creation, restarted after a
// crash when a document is opened, ended by Quit or the destructor. Every call into
// it goes through Run, which guards it with the watchdog and turns its failures into
// EOleException.
class OfficeSession final {
public:
    explicit OfficeSession(OfficeOptions options);
    ~OfficeSession();
    OfficeSession(const OfficeSession&) = delete;
    OfficeSession& operator=(const OfficeSession&) = delete;

    // Counts the offices started; objects of an earlier office are dead.
    unsigned Generation() const { return FGeneration; }

    // Runs work against the office of the given generation.
    void Run(unsigned generation, const std::function<void()>& work);
    // Raises what Run would before calling: for answers kept from an earlier call, so
    // that a dead office fails every call alike.
    void Check(unsigned generation);
    // The current office, for the work given to Run.
    OfficeInstance& Instance() const { return *FInstance; }

    // True while an office is usable; false once it died, was ended or quit.
    bool Alive();
    bool QuitDone() const { return FQuit; }
    // A fresh office in place of a dead one.
    void Restart();
    void Quit();

    // For tests and diagnostics: the current office's process and profile (-1 and ""
    // when there is none).
    pid_t ProcessId() const;
    std::string ProfileFolder() const;

private:
    [[noreturn]] void Fail(const std::string& what);
    void KillOffice();

    OfficeOptions FOptions;
    std::unique_ptr<OfficeInstance> FInstance;
    unsigned FGeneration = 0;
    bool FQuit = false;
    std::mutex FInstanceMutex; // between the watchdog's kill and replacing the instance
    Watchdog FWatchdog; // last: its thread may kill FInstance's process until it stops
};

} // namespace paginox
