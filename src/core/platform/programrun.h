#pragma once
// Runs outside programs (the TFTP client) from argument vectors, never through a shell, and waits
// for them with a bound: for front ends that may block, such as the command-line tool. A stop
// request (Ctrl-C) ends the wait at once, and each program is reaped as soon as it ends. Plain C++
// for Linux (posix_spawn, pidfd, poll, waitpid).

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace q7 {

// A stop request that a signal handler may raise and any wait can watch: an eventfd that becomes
// readable once, and stays so.
class StopEvent {
public:
    StopEvent();
    ~StopEvent();
    StopEvent(const StopEvent&) = delete;
    StopEvent& operator=(const StopEvent&) = delete;

    // Async-signal-safe.
    void request() const;
    bool requested() const;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Sleeps for `duration` unless a stop is requested first; false when it was.
bool pauseFor(std::chrono::milliseconds duration, const StopEvent& stop);

struct ProgramRun {
    std::string program;  // looked up on PATH
    std::vector<std::string> arguments;
    // A file the program writes (relative to the working folder) that may grow to at most
    // `maxBytes`; empty: none is watched.
    std::string watchedFile = {};
    std::uintmax_t maxBytes = 0;
};

struct ProgramEnd {
    enum class How {
        NotStarted,  // `code` is the errno of the failed start
        Exited,      // `code` is the exit status
        Signalled,   // `code` is the signal number
        Overdue,     // still running at the bound: killed
        Stopped,     // a stop was requested: killed
        TooLarge,    // its watched file grew beyond its bound: killed
    };
    How how = How::NotStarted;
    int code = 0;
    std::string output;  // standard output and error together (the first 64 KiB)
    std::chrono::steady_clock::time_point ended = {};  // when it was reaped (or the start failed)
};

// Starts the programs in `workingDir` in order, at most `maxRunning` of them at a time (0: every
// one at once), each with its input from /dev/null and the next started as soon as one ends, and
// waits until all have ended, each for at most `limit` from its own start, or until `stop` is
// requested; programs still running then are killed (those not yet started end as stopped too),
// and so is a program whose watched file grows beyond its bound (looked at every 100 ms). No
// program outlives the call, whatever way it is left. Ends are in the order of `runs`.
// `running`, if given, hears how many have not ended yet (started or waiting for their turn), at
// the start and after each wake-up (at least once a second).
using RunningCount = std::function<void(size_t running)>;
std::vector<ProgramEnd> runPrograms(const std::vector<ProgramRun>& runs, const std::string& workingDir,
                                    std::chrono::milliseconds limit, const StopEvent& stop,
                                    const RunningCount& running = {}, size_t maxRunning = 0);

}  // namespace q7
