#include "support/programs.h"
#include "core/platform/programrun.h"
#include "support/tempdir.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <regex>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace q7::test {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Exit status as RunResult counts it, or nothing while it runs.
bool reaped(pid_t pid, int* status, bool block)
{
    int raw = 0;
    if (::waitpid(pid, &raw, block ? 0 : WNOHANG) != pid)
        return false;
    *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    return true;
}

}  // namespace

pid_t startProgram(const std::vector<std::string>& argv, const posix_spawn_file_actions_t* actions)
{
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], actions, nullptr, args.data(), environ) != 0)
        return -1;
    return pid;
}

RunResult runProgram(const std::vector<std::string>& argv, const std::string& workingDir, int timeoutMs)
{
    const StopEvent never;
    const ProgramRun run{argv.front(), {argv.begin() + 1, argv.end()}};
    ProgramEnd end = runPrograms({run}, workingDir, std::chrono::milliseconds(timeoutMs), never).front();
    RunResult result;
    switch (end.how) {
    case ProgramEnd::How::NotStarted:
        result.output = "cannot start " + argv.front();
        return result;
    case ProgramEnd::How::Exited:
        result.status = end.code;
        break;
    case ProgramEnd::How::Signalled:
        result.status = 128 + end.code;
        break;
    case ProgramEnd::How::Overdue:
    case ProgramEnd::How::Stopped:
    case ProgramEnd::How::TooLarge:
        break;
    }
    result.output = std::move(end.output);
    return result;
}

bool eventually(const std::function<bool()>& condition, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (Clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

bool haveProgram(const std::string& program)
{
    return runProgram({"sh", "-c", "command -v \"$0\" >/dev/null", program}).status == 0;
}

PlayerSim::PlayerSim(const std::vector<std::string>& arguments, std::string outputFile)
    : m_outputFile(std::move(outputFile))
{
    std::vector<std::string> argv{Q7_PLAYER_SIM, "--port", "0"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    size_t players = 0;
    for (const std::string& arg : arguments)
        players += !arg.starts_with("-") && arg.find('=') != std::string::npos ? 1 : 0;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, m_outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    m_pid = startProgram(argv, &actions);
    posix_spawn_file_actions_destroy(&actions);
    if (m_pid < 0)
        throw std::runtime_error("cannot start the test player");

    static const std::regex listening("listening on [0-9.]+:([0-9]+)");
    const auto deadline = Clock::now() + 10s;
    while (Clock::now() < deadline) {
        const std::string text = output();
        const auto begin = std::sregex_iterator(text.begin(), text.end(), listening);
        if (size_t(std::distance(begin, std::sregex_iterator())) == players) {
            m_port = std::stoi((*begin)[1]);
            return;
        }
        int status = 0;
        if (reaped(m_pid, &status, false)) {
            m_pid = -1;
            throw std::runtime_error("the test player ended at start: " + text);
        }
        std::this_thread::sleep_for(5ms);
    }
    stop();
    throw std::runtime_error("the test player did not start listening: " + output());
}

PlayerSim::~PlayerSim() { stop(); }

std::string PlayerSim::output() const { return readBytes(m_outputFile); }

int PlayerSim::stop(int signal)
{
    if (m_pid < 0)
        return -1;
    ::kill(m_pid, signal);
    int status = -1;
    const auto deadline = Clock::now() + 10s;
    while (!reaped(m_pid, &status, false)) {
        if (Clock::now() > deadline) {
            ::kill(m_pid, SIGKILL);
            reaped(m_pid, &status, true);
            status = -1;
            break;
        }
        std::this_thread::sleep_for(5ms);
    }
    m_pid = -1;
    return status;
}

}  // namespace q7::test
