#include "office/ProfileJanitor.h"

#include "platform/automation/EOleException.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace paginox {

namespace {

// Each line names the office's current process (a restart sends a new one) until
// "done" says the owner cleaned up itself. An end of input before "done" means the owner
// died: kill the office while it is still the process that names our profile, the first
// path (a pid may be reused once reaped), wait until it is gone, bounded, and remove the paths.
constexpr const char* Script =
    "pid=none\n"
    "while read -r word; do\n"
    "  [ \"$word\" = done ] && exit 0\n"
    "  pid=$word\n"
    "done\n"
    "if [ \"$pid\" != none ]; then\n"
    "  i=0\n"
    "  while [ $i -lt 40 ] && grep -qF -- \"$1\" \"/proc/$pid/cmdline\" 2>/dev/null; do\n"
    "    kill -9 \"$pid\" 2>/dev/null; sleep 0.05; i=$((i+1))\n"
    "  done\n"
    "fi\n"
    "rm -rf -- \"$@\"\n";

} // namespace

ProfileJanitor::ProfileJanitor(const std::vector<std::string>& paths)
{
    // A socket rather than a pipe: writing to it after the janitor is gone must not
    // raise SIGPIPE in this process.
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        throw EOleException(std::string("Cannot create a socket pair: ") + std::strerror(errno));

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[0], STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> strings{"/bin/sh", "-c", Script, "paginox-janitor"};
    strings.insert(strings.end(), paths.begin(), paths.end());
    std::vector<char*> argv;
    for (auto& text : strings)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    // A session of its own: a signal to our whole process group (Ctrl+C in a terminal,
    // a closing terminal, timeout(1)) must not take the janitor with us.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    const int result = posix_spawn(&FPid, "/bin/sh", &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[0]);
    if (result != 0) {
        close(fds[1]);
        throw EOleException(std::string("Cannot start the profile watcher: ") + std::strerror(result));
    }
    FPipe = fds[1];
}

ProfileJanitor::~ProfileJanitor()
{
    Send("done");
    close(FPipe);
    int status = 0;
    while (waitpid(FPid, &status, 0) < 0 && errno == EINTR) {
    }
}

void ProfileJanitor::Watch(pid_t office)
{
    Send(std::to_string(office));
}

void ProfileJanitor::Send(const std::string& line)
{
    const std::string text = line + "\n";
    // A failed write leaves the janitor to clean up by itself, which is harmless.
    [[maybe_unused]] ssize_t sent = send(FPipe, text.data(), text.size(), MSG_NOSIGNAL);
}

} // namespace paginox
