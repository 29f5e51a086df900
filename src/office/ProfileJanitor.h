#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace paginox {

// A small watcher process that ends the office and removes its profile folder (the first
// path given) and the other paths if this process dies without doing so itself (killed, for
// example). It waits on a socket: a clean end tells it to go; the socket closing
// without that word means we died.
class ProfileJanitor final {
public:
    explicit ProfileJanitor(const std::vector<std::string>& paths);
    ~ProfileJanitor(); // a clean end: the owner has removed the folder itself
    ProfileJanitor(const ProfileJanitor&) = delete;
    ProfileJanitor& operator=(const ProfileJanitor&) = delete;

    // The office process to kill should we die; a restarted office replaces the last.
    void Watch(pid_t office);

private:
    void Send(const std::string& line);

    pid_t FPid = -1;
    int FPipe = -1; // our end of the socket
};

} // namespace paginox
