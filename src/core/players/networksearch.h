#pragma once
// The network search without widgets: which addresses a sweep covers, which devices are players
// and what they are called, the online rule, and the workers that resolve addresses and probe
// players. Workers hand their results to callbacks on their own threads; a window posts them on to
// its thread, a command-line front end may print them.

#include "core/platform/addressresolver.h"
#include "core/platform/echoprobe.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <list>
#include <mutex>
#include <string>
#include <vector>

namespace q7 {

inline constexpr int kEchoTimeoutMs = 300;     // each probe of an echo pass
inline constexpr int kEchoFirstTickMs = 100;   // echo timer period at start and after a tick on an empty list
inline constexpr int kEchoIntervalMs = 10000;  // echo timer period while the list has entries
inline constexpr std::chrono::milliseconds kSweepSpacing{10};  // between the starts of two sweep workers

// Six bytes as upper-case hexadecimal pairs joined by ":" ("00:E0:4C:12:AB:0F").
std::string hardwareAddressText(const HardwareAddress& hardware);
// The first eight characters of a hardware-address text are one of the player prefixes, letter
// case ignored.
bool isPlayerHardwareAddress(const std::string& text);
// "Q7_" and the last two bytes as one big-endian number, five digits (01 02 gives "Q7_00258").
std::string generatedPlayerName(const HardwareAddress& hardware);
// A player is online when its round trip plus 10 ms stays below the probe's time limit.
bool answeredInTime(int roundTripMs, int timeoutMs = kEchoTimeoutMs);
// The local address up to and including its last "." (the whole text when there is none), followed
// by each host number from 2 to 254.
std::vector<std::string> sweepAddresses(const std::string& localAddress);
// The host addresses of a network given by any of its addresses (host order) and its prefix length
// (16 to 30), in ascending order: the network's own address and its broadcast address left out.
std::vector<std::string> networkHostAddresses(std::uint32_t anyAddress, int prefixLength);

struct FoundPlayer {
    HardwareAddress hardware;
    std::string address;
};

// One probe's outcome, for the probed address: a probe without reply reports at least the time
// limit, so the entry goes offline.
struct EchoReport {
    std::string address;
    int roundTripMs;
};

// Owns the worker threads. Workers are never waited for while the search runs; stop() (and the
// destructor) cancels them and joins, which ends blocked resolutions and probes at once.
class NetworkSearch {
public:
    using FoundHandler = std::function<void(const FoundPlayer&)>;
    using EchoHandler = std::function<void(const EchoReport&)>;

    NetworkSearch(AddressResolver& resolver, EchoProbe& probe, FoundHandler found, EchoHandler echoed);
    ~NetworkSearch();
    NetworkSearch(const NetworkSearch&) = delete;
    NetworkSearch& operator=(const NetworkSearch&) = delete;

    // Told on the worker's thread once a sweep worker has ended, after any report of its find:
    // whether the address was a player. A front end counts a sweep's outcome with it.
    using ResolveEnded = std::function<void(const std::string& address, bool player)>;
    // One sweep worker: resolves the address and reports it when the device is a player.
    void startResolve(const std::string& address, ResolveEnded ended = {});
    // One echo pass over the listed addresses: probes them one after another and reports each outcome.
    void startEchoPass(std::vector<std::string> addresses);
    // The list's current length: a running pass stops at the first row that no longer exists.
    void setListedRows(size_t rows) { m_listedRows = rows; }

    bool busy() const;
    // Blocks until every worker has ended; for front ends without an event loop.
    void waitIdle();
    // Cancels and joins every worker; no handler runs once it returns, and nothing starts after it.
    void stop();

private:
    struct Worker;
    template <typename Job>
    void start(Job job);

    AddressResolver& m_resolver;
    EchoProbe& m_probe;
    FoundHandler m_found;
    EchoHandler m_echoed;
    std::atomic<size_t> m_listedRows{0};  // set by every pass, lowered by removals
    std::list<Worker> m_workers;  // touched by the owner's thread only
    bool m_stopped = false;
    mutable std::mutex m_mutex;
    std::condition_variable m_idle;
    size_t m_running = 0;
};

// The launch of one address sweep: one worker per address, from the last (host 254) down. A window
// paces the steps with a timer; launchSweep does it in a blocking loop.
class SweepLaunch {
public:
    // The /24 sweep of a local address.
    explicit SweepLaunch(const std::string& localAddress);
    // A sweep of the given addresses, launched from the last.
    explicit SweepLaunch(std::vector<std::string> addresses);
    const std::vector<std::string>& addresses() const { return m_addresses; }
    // Signed, so that a schedule computed from it (spacing * launched - now) can fall behind.
    int launched() const { return int(m_addresses.size() - m_left); }
    bool finished() const { return m_left == 0; }
    void launchNext(NetworkSearch& search, NetworkSearch::ResolveEnded ended = {});
    // When the next step is due: one `spacing` per step launched, counted from `begin`. It lies in
    // the past when the launch has fallen behind.
    std::chrono::steady_clock::time_point nextDue(std::chrono::steady_clock::time_point begin,
                                                  std::chrono::microseconds spacing) const
    {
        return begin + spacing * static_cast<std::chrono::microseconds::rep>(launched());
    }

private:
    std::vector<std::string> m_addresses;
    size_t m_left;
};

void launchSweep(NetworkSearch& search, const std::string& localAddress,
                 std::chrono::milliseconds spacing = kSweepSpacing);

}  // namespace q7
