// q7ctl scan --network on a /22 in network namespaces built here (root only): players on two of its
// /24s, a device of another maker, 1018 unused addresses; at the default rate and at the highest.
// Wall time and the CPU time of q7ctl (user + system), beside arp-scan of the same network.
// Targets: the sweep ends within its launch (1022 / rate s) plus one kernel ARP time-out and the
// program's start and end (3.5 s), uses under 1 s of CPU, and finds both players.

#include "support/programs.h"
#include "support/testnetwork.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <vector>

using namespace q7::test;
using Clock = std::chrono::steady_clock;

namespace {

double childCpu()
{
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

size_t count(const std::string& text, const std::string& part)
{
    size_t found = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

}  // namespace

int main()
{
    if (const std::string reason = TestNetwork::unavailableReason(); !reason.empty()) {
        std::printf("scan --network of a /22: skipped, %s\n", reason.c_str());
        return 0;
    }
    TestNetwork network("198.18.20.1",
                        {{"00:e0:4c:00:15:0a", "198.18.21.10"},
                         {"00:01:d2:00:16:14", "198.18.22.20"},
                         {"02:11:22:33:44:55", "198.18.23.30"}},
                        22);
    if (!network.error().empty()) {
        std::printf("scan --network of a /22: skipped, network namespaces cannot be made here: %s\n",
                    network.error().c_str());
        return 0;
    }
    const auto inside = [&](std::vector<std::string> argv) {
        argv.insert(argv.begin(), {"ip", "netns", "exec", network.toolNamespace()});
        return runProgram(argv, {}, 120000);
    };
    for (const int rate : {100, 300}) {
        const double cpu = childCpu();
        const auto begin = Clock::now();
        const RunResult scan =
            inside({Q7CTL, "scan", "--network", "198.18.20.0/22", "--rate", std::to_string(rate), "--json"});
        const double took = std::chrono::duration<double>(Clock::now() - begin).count();
        std::printf("scan --network 198.18.20.0/22 --rate %d: %.2f s (target < %.1f s), CPU %.3f s (target < 1 s), "
                    "%zu of 2 players found%s\n",
                    rate, took, 1022.0 / rate + 3.5, childCpu() - cpu, count(scan.output, "\"address\""),
                    scan.status == 0 ? "" : " (q7ctl failed)");
    }
    const auto begin = Clock::now();
    const RunResult arpScan = inside({"arp-scan", "-I", "eth0", "-q", "-x", "198.18.20.0/22"});
    if (arpScan.status != 0)
        std::printf("arp-scan: not run (status %d; the arp-scan package is needed)\n", arpScan.status);
    else
        std::printf("arp-scan of the same network: %.2f s, %zu devices\n",
                    std::chrono::duration<double>(Clock::now() - begin).count(), count(arpScan.output, "\n"));
    return 0;
}
