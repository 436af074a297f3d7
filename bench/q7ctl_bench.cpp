// q7ctl against plain tftp, each pair run in turn and compared pair by pair (the median of the
// paired ratios, so that a machine whose speed drifts still compares like with like):
// - start-up: `q7ctl players` (50 listed players) against `tftp -V`; target: within 3 x;
// - 50 test players on loopback: q7ctl against the same transfers as plain tftp commands run in
//   parallel by a shell loop, wall time and the CPU time of everything each started (user +
//   system). Targets: send reboot --all within 1.1 x, the config variants within 1.2 x. The config
//   variants do two transfers per player: config get (put /saveconfig, then get /config.conf) and
//   config put (put /config.conf.put, then put /restoreconfig), fixed waits set to 0; send reboot
//   --all does one (put /reboot);
// - config set Volume=20 --all on the 50 test players, half of them at 20 already, against what
//   an operator would do by hand: config get --all, then config put of a file at 20 to the other
//   half. Target: wall time within 1.1 x. Before each run the half to change is put back at 31.

#include "support/programs.h"
#include "support/tempdir.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

using Clock = std::chrono::steady_clock;
using namespace q7::test;
namespace fs = std::filesystem;

namespace {

constexpr int kPlayers = 50;
constexpr int kRuns = 7;
constexpr int kStartRuns = 201;
// The test player keeps a finished write for 5 s (its last ACK may need resending) and serves at
// most 256 transfers at once, so every run starts once the previous run's writes are gone.
constexpr auto kSettle = std::chrono::milliseconds(5200);

struct Cost {
    double wall;
    double cpu;
};

double childCpu()
{
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

Cost measure(const std::vector<std::string>& argv, const std::string& dir)
{
    const double cpu = childCpu();
    const auto begin = Clock::now();
    const RunResult result = runProgram(argv, dir, 120000);
    const Cost cost{std::chrono::duration<double>(Clock::now() - begin).count(), childCpu() - cpu};
    if (result.status != 0 || (argv.front() == "sh" && !result.output.empty()))
        throw std::runtime_error(argv.front() + " failed (" + std::to_string(result.status) + "): " + result.output);
    return cost;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median of a[i] / b[i].
double pairedRatio(const std::vector<double>& a, const std::vector<double>& b)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        ratios.push_back(a[i] / b[i]);
    return median(ratios);
}

// Wall seconds of one run of argv in `dir`, its output thrown away: as little as possible around
// a program that itself takes about a millisecond.
double spawnSeconds(const std::vector<std::string>& argv, const std::string& dir)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const auto begin = Clock::now();
    pid_t pid = -1;
    const int failed = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = -1;
    if (failed != 0 || ::waitpid(pid, &status, 0) != pid || status != 0)
        throw std::runtime_error(argv.front() + " failed");
    return std::chrono::duration<double>(Clock::now() - begin).count();
}

}  // namespace

int main()
{
    TempDir dir;
    const std::string work = dir.file("work");
    fs::create_directories(work + "/fetched");
    fs::create_directories(dir.file("runtime"));
    ::setenv("XDG_RUNTIME_DIR", dir.file("runtime").c_str(), 1);

    std::vector<std::string> arguments;
    std::string settings = "\r\n[Q7_Dev]\r\n", addresses;
    for (int i = 0; i < kPlayers; ++i) {
        const std::string address = "127.0.0." + std::to_string(i + 2);
        arguments.push_back(address + "=" + dir.file("player" + std::to_string(i)));
        settings += "IP_" + std::to_string(i) + "=" + address + "\r\nNAME_" + std::to_string(i) + "=P" +
                    std::to_string(i) + "\r\n";
        addresses += address + " ";
    }
    writeBytes(work + "/Q7_Configuration_V3.ini", settings);
    PlayerSim sim(arguments, dir.file("sim.out"));
    const std::string port = sim.portText();
    ::setenv("Q7_TFTP_PORT", port.c_str(), 1);
    writeBytes(work + "/nullCMD.txt", "");
    writeBytes(work + "/config.conf", readBytes(dir.file("player0/config.conf")));

    // The shell loop: per player its two transfers one after the other, all players at once.
    const auto loop = [&](const std::string& perPlayer) {
        return std::vector<std::string>{"sh", "-c", "for a in " + addresses + "; do (" + perPlayer + ") & done; wait"};
    };
    struct Variant {
        const char* name;
        std::vector<std::string> argv;
        std::vector<double> wall, cpu;
    };
    std::vector<Variant> variants{
        {"q7ctl config get --all", {Q7CTL, "config", "get", "--all", "--wait", "0", "--out", "fetched"}, {}, {}},
        {"shell loop: put + get",
         loop("tftp -m binary $a " + port + " -c put nullCMD.txt /saveconfig && tftp $a " + port +
              " -c get /config.conf fetched/$a.conf"),
         {},
         {}},
        {"q7ctl config put --all", {Q7CTL, "config", "put", "config.conf", "--all", "--wait", "0"}, {}, {}},
        {"shell loop: put + put",
         loop("tftp -m binary $a " + port + " -c put config.conf /config.conf.put && tftp -m binary $a " + port +
              " -c put nullCMD.txt /restoreconfig"),
         {},
         {}},
        {"q7ctl send reboot --all", {Q7CTL, "send", "reboot", "--all"}, {}, {}},
        {"shell loop: put", loop("tftp -m binary $a " + port + " -c put nullCMD.txt /reboot"), {}, {}},
    };
    // The odd players are the half to change; the even ones are at 20 from the start.
    std::string at31 = readBytes(work + "/config.conf"), at20 = at31;
    const size_t volume = at20.find("[Volume]=31\r\n");
    if (volume == std::string::npos) {
        std::fprintf(stderr, "q7ctl bench: no [Volume]=31 in the test player's configuration\n");
        return 1;
    }
    at20.replace(volume, 13, "[Volume]=20\r\n");
    writeBytes(work + "/at20.conf", at20);
    writeBytes(work + "/at31.conf", at31);
    std::vector<std::string> putEven{Q7CTL, "config", "put", "at20.conf", "--wait", "0"};
    std::vector<std::string> putOdd{Q7CTL, "config", "put", "at31.conf", "--wait", "0"};
    for (int i = 0; i < kPlayers; ++i)
        for (std::string value : {"--player", ""})
            (i % 2 ? putOdd : putEven).push_back(value.empty() ? "P" + std::to_string(i) : value);
    std::vector<std::string> byHandPut = putOdd;
    byHandPut[3] = "at20.conf";
    const std::vector<std::string> set{Q7CTL, "config", "set", "Volume=20", "--all", "--wait", "0"};
    const std::vector<std::string> byHandGet{Q7CTL, "config", "get", "--all", "--wait", "0", "--out", "fetched"};
    std::vector<double> setWall, byHandWall;

    std::vector<double> players, version;
    try {
        for (int run = -3; run < kStartRuns; ++run) {  // the first three warm the caches
            const double a = spawnSeconds({Q7CTL, "players"}, work), b = spawnSeconds({"tftp", "-V"}, work);
            if (run >= 0) {
                players.push_back(a);
                version.push_back(b);
            }
        }
        for (int run = 0; run < kRuns; ++run)
            for (Variant& variant : variants) {
                std::this_thread::sleep_for(kSettle);
                const Cost cost = measure(variant.argv, work);
                variant.wall.push_back(cost.wall);
                variant.cpu.push_back(cost.cpu);
            }
        measure(putEven, work);
        for (int run = 0; run < kRuns; ++run) {
            for (const bool bySet : {true, false}) {
                std::this_thread::sleep_for(kSettle);
                measure(putOdd, work);  // the half to change back at 31
                std::this_thread::sleep_for(kSettle);
                if (bySet) {
                    setWall.push_back(measure(set, work).wall);
                } else {
                    const Cost get = measure(byHandGet, work), put = measure(byHandPut, work);
                    byHandWall.push_back(get.wall + put.wall);
                }
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "q7ctl bench: %s\n", e.what());
        return 1;  // the test players stop as `sim` goes
    }

    std::printf("q7ctl start-up, %d runs each in turn\n", kStartRuns);
    std::printf("  q7ctl players (%d listed) %.2f ms, tftp -V %.2f ms (medians): %.2f x, paired (target: within 3 x)\n",
                kPlayers, median(players) * 1000, median(version) * 1000, pairedRatio(players, version));
    std::printf("q7ctl and a shell loop of plain tftp, %d test players on loopback, %d runs\n",
                kPlayers, kRuns);
    std::printf("  %-26s %24s %8s\n", "", "wall s: median (fastest)", "CPU s");
    for (const Variant& variant : variants)
        std::printf("  %-26s %15.3f (%6.3f) %8.3f\n", variant.name, median(variant.wall),
                    *std::min_element(variant.wall.begin(), variant.wall.end()), median(variant.cpu));
    for (size_t i = 0; i + 1 < variants.size(); i += 2)
        std::printf("  %-26s wall %.2f x, CPU %.2f x the shell loop, paired (target: within %s)\n", variants[i].name,
                    pairedRatio(variants[i].wall, variants[i + 1].wall),
                    pairedRatio(variants[i].cpu, variants[i + 1].cpu),
                    i + 2 == variants.size() ? "1.1 x" : "1.2 x");
    std::printf("q7ctl config set Volume=20 --all, %d test players, half at 20 already, %d runs\n", kPlayers, kRuns);
    std::printf("  config set %.3f s, config get + config put of the other half %.3f s (medians): wall %.2f x, "
                "paired (target: within 1.1 x)\n",
                median(setWall), median(byHandWall), pairedRatio(setWall, byHandWall));
    return 0;
}
