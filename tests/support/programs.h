#pragma once
// Running outside programs from tests: TFTP clients to completion, and the test player in the
// background for as long as a test needs it.

#include <csignal>
#include <spawn.h>
#include <functional>
#include <string>
#include <vector>

namespace q7::test {

struct RunResult {
    int status = -1;     // exit status; 128 + signal when a signal ended it; -1 when it had to be killed
    std::string output;  // standard output and error together
};

// Runs argv[0] (looked up on PATH) with standard input from /dev/null and waits for it, at most
// `timeoutMs` (then it is killed), with the library's runner (core/platform/programrun.h), which
// keeps the first 64 KiB of the output.
RunResult runProgram(const std::vector<std::string>& argv, const std::string& workingDir = {},
                     int timeoutMs = 60000);

// Starts argv[0] (looked up on PATH) with `actions` and does not wait for it: for programs that
// run beside a test. The process id, or -1 when it could not be started.
pid_t startProgram(const std::vector<std::string>& argv, const posix_spawn_file_actions_t* actions);

// Polls `condition` every few milliseconds until it holds or `timeoutMs` have passed.
bool eventually(const std::function<bool()>& condition, int timeoutMs = 10000);

// True when `program` is found on PATH.
bool haveProgram(const std::string& program);

// q7-player-sim on a free port (--port 0), started with `arguments` (options, then ADDRESS=FOLDER
// pairs); its output goes to `outputFile`. The constructor returns once every player listens.
class PlayerSim {
public:
    PlayerSim(const std::vector<std::string>& arguments, std::string outputFile);
    ~PlayerSim();
    PlayerSim(const PlayerSim&) = delete;
    PlayerSim& operator=(const PlayerSim&) = delete;

    int port() const { return m_port; }
    std::string portText() const { return std::to_string(m_port); }
    std::string output() const;
    // Sends `signal` and returns the exit status (-1 when it did not stop within 10 s).
    int stop(int signal = SIGTERM);

private:
    std::string m_outputFile;
    int m_pid = -1;
    int m_port = 0;
};

}  // namespace q7::test
