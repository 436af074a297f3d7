#include "core/players/networksearch.h"

#include "core/base/ascii.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <thread>

namespace q7 {

std::string hardwareAddressText(const HardwareAddress& hardware)
{
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", hardware[0], hardware[1], hardware[2],
                  hardware[3], hardware[4], hardware[5]);
    return text;
}

bool isPlayerHardwareAddress(const std::string& text)
{
    // "00:01:D2" devices are players whatever their fourth byte.
    static constexpr std::array<const char*, 4> kPrefixes = {"00:01:D2", "00:E0:4C", "00:19:E0", "00:1D:0F"};
    if (text.size() < 8)
        return false;
    const std::string head = asciiUpper(std::string_view(text).substr(0, 8));
    return std::find(kPrefixes.begin(), kPrefixes.end(), head) != kPrefixes.end();
}

std::string generatedPlayerName(const HardwareAddress& hardware)
{
    char name[9];
    std::snprintf(name, sizeof name, "Q7_%05u", unsigned(hardware[4]) << 8 | hardware[5]);
    return name;
}

bool answeredInTime(int roundTripMs, int timeoutMs) { return roundTripMs + 10 < timeoutMs; }

std::vector<std::string> sweepAddresses(const std::string& localAddress)
{
    const size_t dot = localAddress.rfind('.');
    const std::string prefix = dot == std::string::npos ? localAddress : localAddress.substr(0, dot + 1);
    std::vector<std::string> addresses;
    for (int host = 2; host <= 254; ++host)
        addresses.push_back(prefix + std::to_string(host));
    return addresses;
}

std::vector<std::string> networkHostAddresses(std::uint32_t anyAddress, int prefixLength)
{
    const std::uint32_t hostBits = (std::uint32_t(1) << (32 - prefixLength)) - 1;
    const std::uint32_t first = (anyAddress & ~hostBits) + 1;
    std::vector<std::string> addresses;
    addresses.reserve(hostBits - 1);
    for (std::uint32_t host = first; host < first + hostBits - 1; ++host)
        addresses.push_back(std::to_string(host >> 24) + "." + std::to_string(host >> 16 & 0xFF) + "." +
                            std::to_string(host >> 8 & 0xFF) + "." + std::to_string(host & 0xFF));
    return addresses;
}

struct NetworkSearch::Worker {
    std::jthread thread;
    bool done = false;  // guarded by m_mutex
};

NetworkSearch::NetworkSearch(AddressResolver& resolver, EchoProbe& probe, FoundHandler found, EchoHandler echoed)
    : m_resolver(resolver), m_probe(probe), m_found(std::move(found)), m_echoed(std::move(echoed))
{
}

NetworkSearch::~NetworkSearch() { stop(); }

template <typename Job>
void NetworkSearch::start(Job job)
{
    if (m_stopped)
        return;
    std::lock_guard lock(m_mutex);
    // Ended workers are joined here (at once, they have returned) so the list stays short.
    m_workers.remove_if([](const Worker& worker) { return worker.done; });
    Worker& worker = m_workers.emplace_back();
    ++m_running;
    worker.thread = std::jthread([this, &worker, job = std::move(job)](std::stop_token stop) mutable {
        job(stop);
        std::lock_guard lock(m_mutex);
        worker.done = true;
        --m_running;
        m_idle.notify_all();
    });
}

void NetworkSearch::startResolve(const std::string& address, ResolveEnded ended)
{
    start([this, address, ended = std::move(ended)](const std::stop_token& stop) {
        const std::optional<HardwareAddress> hardware = m_resolver.resolve(address, stop);
        const bool player =
            hardware && !stop.stop_requested() && isPlayerHardwareAddress(hardwareAddressText(*hardware));
        if (player)
            m_found({*hardware, address});
        if (ended && !stop.stop_requested())
            ended(address, player);
    });
}

void NetworkSearch::startEchoPass(std::vector<std::string> addresses)
{
    if (addresses.empty())
        return;
    m_listedRows = addresses.size();
    start([this, addresses = std::move(addresses)](const std::stop_token& stop) {
        for (size_t row = 0; row < addresses.size() && row < m_listedRows && !stop.stop_requested(); ++row) {
            const EchoReply reply = m_probe.echo(addresses[row], kEchoTimeoutMs, stop);
            if (stop.stop_requested())
                return;
            m_echoed({addresses[row], reply.replied ? reply.roundTripMs : std::max(reply.roundTripMs, kEchoTimeoutMs)});
        }
    });
}

bool NetworkSearch::busy() const
{
    std::lock_guard lock(m_mutex);
    return m_running > 0;
}

void NetworkSearch::waitIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_running == 0; });
}

void NetworkSearch::stop()
{
    m_stopped = true;
    for (Worker& worker : m_workers)
        worker.thread.request_stop();
    // Joined outside the lock: an ending worker takes it one last time.
    for (Worker& worker : m_workers)
        if (worker.thread.joinable())
            worker.thread.join();
    m_workers.clear();
}

SweepLaunch::SweepLaunch(const std::string& localAddress) : SweepLaunch(sweepAddresses(localAddress)) {}

SweepLaunch::SweepLaunch(std::vector<std::string> addresses)
    : m_addresses(std::move(addresses)), m_left(m_addresses.size())
{
}

void SweepLaunch::launchNext(NetworkSearch& search, NetworkSearch::ResolveEnded ended)
{
    if (m_left > 0)
        search.startResolve(m_addresses[--m_left], std::move(ended));
}

void launchSweep(NetworkSearch& search, const std::string& localAddress, std::chrono::milliseconds spacing)
{
    // Paced against the start, so the launch takes 253 spacings however long each start takes.
    SweepLaunch launch(localAddress);
    const auto begin = std::chrono::steady_clock::now();
    while (!launch.finished()) {
        launch.launchNext(search);
        std::this_thread::sleep_until(launch.nextDue(begin, spacing));
    }
}

}  // namespace q7
