#pragma once

#include <string>
#include <sys/types.h>

namespace paginox {

// A small watcher process that ends the office and removes its profile folder if
// this process dies without doing so itself (killed, for example). It waits on a
// pipe: a clean end tells it to go; the pipe closing without that word means we died.
class ProfileJanitor final {
public:
    explicit ProfileJanitor(const std::string& folder);
    ~ProfileJanitor(); // a clean end: the owner has removed the folder itself
    ProfileJanitor(const ProfileJanitor&) = delete;
    ProfileJanitor& operator=(const ProfileJanitor&) = delete;

    // The office process to kill should we die.
    void Watch(pid_t office);

private:
    void Send(const std::string& line);

    pid_t FPid = -1;
    int FPipe = -1; // write end
    bool FWatching = false;
};

} // namespace paginox
