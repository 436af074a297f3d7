#include "core/platform/programrun.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <string_view>
#include <poll.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace q7 {
namespace {

using Clock = std::chrono::steady_clock;
constexpr size_t kMaxOutput = 64 * 1024;
constexpr int kWatchIntervalMs = 100;
// Without a process descriptor (kernels before 5.3) a program that has closed its output is
// looked at again this often until it can be reaped.
constexpr int kReapRetryMs = 5;

struct Child {
    bool started = false;
    pid_t pid = -1;
    int output = -1;  // read end of the program's standard output and error; -1 once closed
    int exit = -1;    // its process descriptor, readable once it has ended; -1 once reaped or none
    bool reaped = false;
    ProgramEnd end;
};

void closeOutput(Child& child)
{
    if (child.output >= 0)
        ::close(child.output);
    child.output = -1;
}

// The file `program` names on PATH, looked up once for all the programs of a call: each start
// then costs one exec, and the caller, which a start holds until the exec, is not held through a
// failed exec for every folder of PATH before the right one. Empty when it is found nowhere (the
// start then searches PATH itself, and fails, as before).
std::string onPath(const std::string& program)
{
    if (program.find('/') != std::string::npos)
        return program;
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!folders.empty()) {
        const size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
        if (!folder.starts_with('/'))
            return {};  // relative to the folder the program runs in: left to the search at the start
        const std::string file = std::string(folder) + "/" + program;
        struct stat info {};
        if (::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(file.c_str(), X_OK) == 0)
            return file;
    }
    return {};
}

void start(Child& child, const ProgramRun& run, const std::string& file, const std::string& workingDir)
{
    child.started = true;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        child.end = {ProgramEnd::How::NotStarted, errno, {}, Clock::now()};
        child.reaped = true;
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    if (!workingDir.empty())
        posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str());
    std::vector<char*> argv{const_cast<char*>(run.program.c_str())};
    for (const std::string& argument : run.arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const int failed = file.empty()
                           ? ::posix_spawnp(&child.pid, run.program.c_str(), &actions, nullptr, argv.data(), environ)
                           : ::posix_spawn(&child.pid, file.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (failed != 0) {
        ::close(fds[0]);
        child.end = {ProgramEnd::How::NotStarted, failed, {}, Clock::now()};
        child.reaped = true;
        return;
    }
    ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
    child.output = fds[0];
    child.exit = int(::syscall(SYS_pidfd_open, child.pid, 0));
}

void readOutput(Child& child)
{
    char buffer[4096];
    while (child.output >= 0) {
        const ssize_t n = ::read(child.output, buffer, sizeof buffer);
        if (n > 0) {
            const size_t room = kMaxOutput - std::min(kMaxOutput, child.end.output.size());
            child.end.output.append(buffer, std::min(size_t(n), room));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        closeOutput(child);  // end of output: the program has closed it, normally by ending
    }
}

bool reap(Child& child, bool block)
{
    int status = 0;
    pid_t got;
    do
        got = ::waitpid(child.pid, &status, block ? 0 : WNOHANG);
    while (got < 0 && errno == EINTR);
    if (got != child.pid)
        return false;
    // Its output is all in the pipe by now: taken, and the client is done with at once (a program
    // it started may still hold the pipe open).
    readOutput(child);
    closeOutput(child);
    if (child.exit >= 0)
        ::close(child.exit);
    child.exit = -1;
    child.reaped = true;
    child.end.ended = Clock::now();
    const bool exited = WIFEXITED(status);
    child.end.how = exited ? ProgramEnd::How::Exited : ProgramEnd::How::Signalled;
    child.end.code = exited ? WEXITSTATUS(status) : WTERMSIG(status);
    return true;
}

void kill(Child& child, ProgramEnd::How how)
{
    ::kill(child.pid, SIGKILL);
    reap(child, true);
    child.end.how = how;
    child.end.code = 0;
}

// Whether the program's watched file has grown beyond its bound.
bool overBound(const ProgramRun& run, const std::string& workingDir)
{
    if (run.watchedFile.empty())
        return false;
    const std::string path =
        workingDir.empty() || run.watchedFile.starts_with('/') ? run.watchedFile : workingDir + "/" + run.watchedFile;
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && std::uintmax_t(info.st_size) > run.maxBytes;
}

// Ends every program still running when the wait is left, also by an exception.
struct KillLeftovers {
    std::vector<Child>& children;
    ~KillLeftovers()
    {
        for (Child& child : children)
            if (child.started && !child.reaped)
                kill(child, ProgramEnd::How::Stopped);
    }
};

}  // namespace

StopEvent::StopEvent() : m_fd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

StopEvent::~StopEvent()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void StopEvent::request() const
{
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_fd, &one, sizeof one);
}

bool StopEvent::requested() const
{
    pollfd p{m_fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

bool pauseFor(std::chrono::milliseconds duration, const StopEvent& stop)
{
    const auto deadline = Clock::now() + std::max(duration, std::chrono::milliseconds(0));
    for (;;) {
        if (stop.requested())
            return false;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return true;
        pollfd p{stop.fd(), POLLIN, 0};
        ::poll(&p, 1, int(std::min<long long>(left, 1000)));
    }
}

std::vector<ProgramEnd> runPrograms(const std::vector<ProgramRun>& runs, const std::string& workingDir,
                                    std::chrono::milliseconds limit, const StopEvent& stop,
                                    const RunningCount& running, size_t maxRunning)
{
    std::vector<Child> children(runs.size());
    std::vector<Clock::time_point> deadlines(runs.size());
    const KillLeftovers guard{children};
    const size_t most = maxRunning == 0 ? runs.size() : maxRunning;
    size_t next = 0;  // the first program not started yet
    bool watching = false;
    std::map<std::string, std::string> files;  // by program
    const auto isRunning = [](const Child& c) { return c.started && !c.reaped; };

    for (;;) {
        for (size_t now = size_t(std::count_if(children.begin(), children.end(), isRunning));
             next < runs.size() && now < most; ++next) {
            const auto found = files.try_emplace(runs[next].program);
            if (found.second)
                found.first->second = onPath(runs[next].program);
            start(children[next], runs[next], found.first->second, workingDir);
            deadlines[next] = Clock::now() + limit;
            watching = watching || !runs[next].watchedFile.empty();
            now += isRunning(children[next]) ? 1 : 0;
        }
        for (size_t i = 0; i < children.size(); ++i)
            if (isRunning(children[i]) && overBound(runs[i], workingDir))
                kill(children[i], ProgramEnd::How::TooLarge);
        // Each running program's output and its end are watched; it is reaped as soon as it ends.
        std::vector<pollfd> watched{{stop.fd(), POLLIN, 0}};
        std::vector<Child*> owners;
        bool unwatchedEnd = false;
        for (Child& child : children) {
            if (!isRunning(child))
                continue;
            for (const int fd : {child.output, child.exit})
                if (fd >= 0) {
                    watched.push_back({fd, POLLIN, 0});
                    owners.push_back(&child);
                }
            unwatchedEnd = unwatchedEnd || (child.exit < 0 && child.output < 0 && !reap(child, false));
        }
        const auto left =
            size_t(std::count_if(children.begin(), children.end(), [](const Child& c) { return !c.reaped; }));
        if (running)
            running(left);
        if (left == 0)
            break;
        if (stop.requested()) {
            for (Child& child : children) {
                if (isRunning(child))
                    kill(child, ProgramEnd::How::Stopped);
                else if (!child.started)
                    child = {.started = true, .reaped = true, .end = {ProgramEnd::How::Stopped, 0, {}, Clock::now()}};
            }
            break;
        }
        // Programs past their bound are ended; the earliest bound still ahead limits the sleep.
        long long remaining = 1000;
        bool overdue = false;
        for (size_t i = 0; i < children.size(); ++i) {
            if (!isRunning(children[i]))
                continue;
            const auto until = std::chrono::ceil<std::chrono::milliseconds>(deadlines[i] - Clock::now()).count();
            if (until <= 0) {
                kill(children[i], ProgramEnd::How::Overdue);
                overdue = true;
            }
            remaining = std::min<long long>(remaining, until);
        }
        if (overdue)
            continue;
        const int timeout =
            int(std::min<long long>(remaining, unwatchedEnd ? kReapRetryMs : watching ? kWatchIntervalMs : 1000));
        if (::poll(watched.data(), watched.size(), timeout) <= 0)
            continue;
        for (size_t k = 1; k < watched.size(); ++k) {
            Child& child = *owners[k - 1];
            if (watched[k].revents == 0 || child.reaped)
                continue;
            if (watched[k].fd == child.exit)
                reap(child, false);
            else
                readOutput(child);
        }
    }
    // Output that came after a reap, and pipes of killed programs, are closed by now or here.
    std::vector<ProgramEnd> ends;
    for (Child& child : children) {
        closeOutput(child);
        ends.push_back(std::move(child.end));
    }
    return ends;
}

}  // namespace q7
