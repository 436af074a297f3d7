// Window start-up against a bare Qt window: each a fresh process, launched in turns, from process
// start to its first idle event loop (the time the probe itself reports against the launch time)
// and its peak memory (max RSS from wait4). The main window starts in a folder with 129 stored
// players. Prints the medians and their ratios; targets: at most 2x the time, 1.5x the memory.

#include "benchtools.h"
#include "core/settings/appsettings.h"
#include "support/tempdir.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace q7;

namespace {

struct Run {
    double ms;
    double mib;
};

// Starts `program` with the launch time and `startDir`; its stdout carries the elapsed nanoseconds.
Run launch(const char* program, const std::string& startDir)
{
    int out[2];
    if (::pipe(out) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const std::string launched = std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        const int quiet = ::open("/dev/null", O_WRONLY);  // Qt's notes on the environment, every run
        ::dup2(quiet, STDERR_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        ::execl(program, program, launched.c_str(), startDir.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    char text[64] = {};
    const ssize_t got = ::read(out[0], text, sizeof text - 1);
    ::close(out[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || got <= 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", program, status);
        std::exit(1);
    }
    return {std::atof(text) / 1e6, usage.ru_maxrss / 1024.0};
}

}  // namespace

int main()
{
    test::TempDir dir;
    test::writeBytes(dir.file(kSettingsReadName), bench::settingsWithPlayers(129));

    constexpr int kRuns = 21;
    std::vector<double> bareMs, bareMiB, windowMs, windowMiB;
    launch(BARE_PROBE, dir.path());  // both once to warm the caches
    launch(WINDOW_PROBE, dir.path());
    for (int i = 0; i < kRuns; ++i) {
        const Run bare = launch(BARE_PROBE, dir.path());
        const Run window = launch(WINDOW_PROBE, dir.path());
        bareMs.push_back(bare.ms);
        bareMiB.push_back(bare.mib);
        windowMs.push_back(window.ms);
        windowMiB.push_back(window.mib);
    }
    const double t = bench::median(windowMs), tb = bench::median(bareMs);
    const double m = bench::median(windowMiB), mb = bench::median(bareMiB);
    std::printf("window start-up, 129 stored players, median of %d: %.1f ms, %.1f MiB peak\n", kRuns, t, m);
    std::printf("bare five-tab window, median of %d: %.1f ms, %.1f MiB peak\n", kRuns, tb, mb);
    std::printf("window start-up vs bare window: %.2fx time (target <= 2), %.2fx memory (target <= 1.5)\n", t / tb,
                m / mb);
    return 0;
}
