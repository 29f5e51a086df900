#include "office/OfficeProcess.h"

#include "platform/automation/EOleException.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace paginox {

namespace {

// Only async-signal-safe calls between fork and exec: this process has other threads.
[[noreturn]] void RunChild(pid_t parent, const char* program, char* const* argv, int errorPipe)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(127); // the parent is already gone
    // A group of its own: Ctrl+C in a terminal reaches the whole foreground group, and
    // must ask our run to stop after its page, not kill the office under it.
    setpgid(0, 0);
    const int devNull = open("/dev/null", O_RDWR);
    if (devNull >= 0) {
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
    }
    execve(program, argv, environ);
    const int error = errno;
    [[maybe_unused]] ssize_t written = write(errorPipe, &error, sizeof error);
    _exit(127);
}

} // namespace

OfficeProcess::OfficeProcess(const std::string& program, const std::vector<std::string>& arguments)
{
    if (access(program.c_str(), X_OK) != 0)
        throw EOleException("The office cannot be started: " + program + " " +
                            (errno == ENOENT ? "was not found (install libreoffice-writer)" : std::strerror(errno)));

    std::vector<std::string> strings;
    strings.push_back(program);
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& text : strings)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    // The child reports a failed exec through this pipe; a successful exec closes it.
    int errorPipe[2];
    if (pipe2(errorPipe, O_CLOEXEC) != 0)
        throw EOleException(std::string("The office cannot be started: ") + std::strerror(errno));
    const pid_t parent = getpid();
    FPid = fork();
    if (FPid == 0)
        RunChild(parent, program.c_str(), argv.data(), errorPipe[1]);
    const int forkError = errno;
    close(errorPipe[1]);
    if (FPid < 0) {
        close(errorPipe[0]);
        throw EOleException(std::string("The office cannot be started: ") + std::strerror(forkError));
    }
    int execError = 0;
    ssize_t got;
    while ((got = read(errorPipe[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
    }
    close(errorPipe[0]);
    if (got == sizeof execError) {
        Reap(true);
        throw EOleException("The office cannot be started: " + program + ": " + std::strerror(execError));
    }
}

OfficeProcess::~OfficeProcess()
{
    Kill();
    Reap(true);
}

void OfficeProcess::Reap(bool block)
{
    std::lock_guard lock(FMutex);
    if (FStatus)
        return;
    int status = 0;
    pid_t result;
    while ((result = waitpid(FPid, &status, block ? 0 : WNOHANG)) < 0 && errno == EINTR) {
    }
    if (result == FPid)
        FStatus = status;
    else if (result < 0)
        FStatus = -1; // not our child any more: nothing left to wait for
}

bool OfficeProcess::Running()
{
    Reap(false);
    std::lock_guard lock(FMutex);
    return !FStatus;
}

std::optional<int> OfficeProcess::Status()
{
    Reap(false);
    std::lock_guard lock(FMutex);
    return FStatus;
}

std::string OfficeProcess::Describe()
{
    const std::optional<int> status = Status();
    if (!status)
        return "is running";
    if (WIFEXITED(*status))
        return "exited with status " + std::to_string(WEXITSTATUS(*status));
    if (WIFSIGNALED(*status))
        return "was ended by signal " + std::to_string(WTERMSIG(*status)) + " (" + strsignal(WTERMSIG(*status)) + ")";
    return "ended";
}

void OfficeProcess::Kill()
{
    // Never signal a reaped process id: it may belong to another process by now.
    std::lock_guard lock(FMutex);
    if (!FStatus)
        kill(FPid, SIGKILL);
}

bool OfficeProcess::WaitFor(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Running()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace paginox
