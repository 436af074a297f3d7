// The network search on real sockets. An echo pass over 30 loopback entries, through the method
// this process may use and through the ping program; as root, a sweep of a /24 in network
// namespaces built here (three players, one other device, 249 unused addresses) side by side with
// arp-scan on the same network, with the sweep's wall and CPU time. Targets: the sweep ends within
// the 2.53 s launch plus one kernel ARP time-out (about 5.7 s), uses under 0.5 s of CPU and finds
// exactly what arp-scan finds.

#include "core/platform/linuxnetwork.h"
#include "core/players/networksearch.h"
#include "support/programs.h"
#include "support/testnetwork.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <sstream>
#include <sys/resource.h>

using namespace q7;
using Clock = std::chrono::steady_clock;

namespace {

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// User and system time of this process and of the programs it waited for (ping, arp-scan).
double cpuSeconds()
{
    double total = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        for (const timeval& t : {usage.ru_utime, usage.ru_stime})
            total += double(t.tv_sec) + double(t.tv_usec) / 1e6;
    }
    return total;
}

// Remembers every hardware address the real resolver reports, players or not.
class RecordingResolver final : public AddressResolver {
public:
    explicit RecordingResolver(AddressResolver& real) : m_real(real) {}
    std::optional<HardwareAddress> resolve(const std::string& address, std::stop_token stop) override
    {
        const auto hardware = m_real.resolve(address, stop);
        if (hardware) {
            const std::lock_guard lock(m_mutex);
            m_found[address] = hardwareAddressText(*hardware);
        }
        return hardware;
    }
    std::map<std::string, std::string> found() const
    {
        const std::lock_guard lock(m_mutex);
        return m_found;
    }

private:
    AddressResolver& m_real;
    mutable std::mutex m_mutex;
    std::map<std::string, std::string> m_found;
};

void echoPass(EchoMethod method)
{
    LinuxAddressResolver unused;
    LinuxEchoProbe probe(method);
    std::vector<std::string> addresses;
    for (int host = 1; host <= 30; ++host)
        addresses.push_back("127.0.0." + std::to_string(host));
    int online = 0;
    NetworkSearch search(unused, probe, {}, [&](const EchoReport& report) { online += answeredInTime(report.roundTripMs); });
    const double cpu = cpuSeconds();
    const auto begin = Clock::now();
    search.startEchoPass(addresses);
    search.waitIdle();
    std::printf("echo pass, 30 loopback entries, %s: %.1f ms, CPU %.1f ms, %d online\n", echoMethodName(method),
                seconds(Clock::now() - begin) * 1000, (cpuSeconds() - cpu) * 1000, online);
}

void sweepBesideArpScan()
{
    const std::string prefix = "198.18.9.";
    test::TestNetwork network(prefix + "1", {{"00:e0:4c:00:00:07", prefix + "10"},
                                             {"00:01:d2:01:02:03", prefix + "20"},
                                             {"00:1d:0f:ab:ff:fe", prefix + "30"},
                                             {"02:11:22:33:44:55", prefix + "40"}});
    if (!network.error().empty()) {
        std::printf("sweep: skipped, network namespaces cannot be made here: %s\n", network.error().c_str());
        return;
    }
    const test::InsideNamespace inside(network.toolNamespace());

    LinuxAddressResolver real;
    RecordingResolver resolver(real);
    LinuxEchoProbe probe;
    int players = 0;
    NetworkSearch search(resolver, probe, [&](const FoundPlayer&) { ++players; }, {});
    const double cpu = cpuSeconds();
    const auto begin = Clock::now();
    launchSweep(search, prefix + "1");
    const double launched = seconds(Clock::now() - begin);
    search.waitIdle();
    const double took = seconds(Clock::now() - begin);
    const double used = cpuSeconds() - cpu;
    std::printf("sweep of %s0/24: %.2f s (launch %.2f s; target < 5.7 s), CPU %.3f s (target < 0.5 s), "
                "%d players among %zu devices\n",
                prefix.c_str(), took, launched, used, players, resolver.found().size());

    const auto scanBegin = Clock::now();
    const test::RunResult scan = test::runProgram({"arp-scan", "-I", "eth0", "-q", "-x", prefix + "0/24"});
    const int status = scan.status;
    const std::string& output = scan.output;
    const double scanTook = seconds(Clock::now() - scanBegin);
    if (status != 0) {
        std::printf("arp-scan: not run (status %d; the arp-scan package is needed)\n", status);
        return;
    }
    std::map<std::string, std::string> scanned;
    std::istringstream lines(output);
    for (std::string address, hardware; lines >> address >> hardware;) {
        for (char& c : hardware)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        scanned[address] = hardware;
    }
    std::printf("arp-scan of the same network: %.2f s, %zu devices; the sweep found %s\n", scanTook, scanned.size(),
                scanned == resolver.found() ? "exactly the same" : "something else");
}

}  // namespace

int main()
{
    echoPass(availableEchoMethod());
    if (availableEchoMethod() != EchoMethod::PingProgram)
        echoPass(EchoMethod::PingProgram);
    if (const std::string reason = test::TestNetwork::unavailableReason(); !reason.empty()) {
        std::printf("sweep beside arp-scan: skipped, %s\n", reason.c_str());
        return 0;
    }
    sweepBesideArpScan();
    return 0;
}
