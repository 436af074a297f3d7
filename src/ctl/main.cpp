// q7ctl: what the Q7 Configuration Tool does to players, from the command line, for scripts and
// fleets. Plain C++ on the logic library; no window.
#include "core/platform/programrun.h"
#include "ctl/cli.h"
#include "ctl/session.h"
#include "ctl/subcommands.h"
#include "ctl/translate.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {

const q7::StopEvent* g_stop = nullptr;

void requestStop(int) { g_stop->request(); }

// Ctrl-C, hang-up and termination end every wait and transfer at once, and the outcomes are still
// printed; a second signal has its default effect.
void catchStopSignals(const q7::StopEvent& stop)
{
    g_stop = &stop;
    struct sigaction action {};
    action.sa_handler = requestStop;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

// A reader that went away (`q7ctl players | head -c1`) makes writes fail instead of ending the
// program by SIGPIPE, so the run still cleans up and ends with a documented status.
int g_writeError = 0;

void flushOutput()
{
    if (std::fflush(stdout) != 0 && g_writeError == 0)
        g_writeError = errno;
}

int withOutputChecked(int status)
{
    flushOutput();
    if (g_writeError == 0 && !std::ferror(stdout))
        return status;
    std::fprintf(stderr, "q7ctl: %s\n",
                 q7::ctl::fill(q7::ctl::translate("q7ctl", "cannot write the output: %1"),
                               {std::strerror(g_writeError ? g_writeError : EIO)})
                     .c_str());
    return q7::ctl::kExitFailed;
}

int runCommandLine(const std::vector<std::string>& args)
{
    using namespace q7::ctl;
    try {
        const Invocation invocation = Invocation::parse(subcommands(), args);
        if (invocation.version) {
            std::printf("q7ctl %s\n", Q7_VERSION);
            return kExitDone;
        }
        if (!invocation.subcommand) {
            const std::string text = overviewText(subcommands(), invocation.group);
            if (invocation.help) {
                std::fputs(text.c_str(), stdout);
                return kExitDone;
            }
            std::fprintf(
                stderr, "q7ctl: %s\n",
                invocation.group.empty()
                    ? translate("q7ctl", "missing command (try 'q7ctl --help')").c_str()
                    : fill(translate("q7ctl", "'%1' needs a command (try 'q7ctl %1 --help')"), {invocation.group})
                          .c_str());
            return kExitUsage;
        }
        if (invocation.help) {
            std::fputs(helpText(*invocation.subcommand).c_str(), stdout);
            return kExitDone;
        }
        q7::StopEvent stop;
        catchStopSignals(stop);
        Session session(*invocation.subcommand, invocation.arguments, stop);
        const int status = invocation.subcommand->run(session);
        flushOutput();  // the outcomes before the word on standard error
        if (stop.requested()) {
            std::fprintf(stderr, "q7ctl: %s\n", translate("q7ctl", "interrupted").c_str());
            return kExitFailed;
        }
        return status;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "q7ctl: %s\n", e.what());
        return kExitUsage;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "q7ctl: %s\n", e.what());
        return kExitFailed;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    return withOutputChecked(runCommandLine(std::vector<std::string>(argv + 1, argv + argc)));
}
