#pragma once
// Fakes for the network seams: a resolver that knows a fixed set of devices and an echo probe with
// fixed round trips. Both are called from worker threads and record what they were asked.

#include "core/platform/addressresolver.h"
#include "core/platform/echoprobe.h"

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace q7::test {

class FakeAddressResolver final : public AddressResolver {
public:
    void setDevice(const std::string& address, const HardwareAddress& hardware)
    {
        const std::lock_guard lock(m_mutex);
        m_devices[address] = hardware;
    }
    // Every resolution then blocks until it is stopped, like a sweep whose answers are still out.
    void holdUntilStopped()
    {
        const std::lock_guard lock(m_mutex);
        m_hold = true;
    }
    std::vector<std::string> asked() const
    {
        const std::lock_guard lock(m_mutex);
        return m_asked;
    }

    std::optional<HardwareAddress> resolve(const std::string& address, std::stop_token stop) override
    {
        std::unique_lock lock(m_mutex);
        m_asked.push_back(address);
        if (m_hold) {
            std::condition_variable_any never;
            never.wait(lock, stop, [] { return false; });
            return std::nullopt;
        }
        const auto found = m_devices.find(address);
        return found == m_devices.end() ? std::nullopt : std::optional(found->second);
    }

private:
    mutable std::mutex m_mutex;
    std::map<std::string, HardwareAddress> m_devices;
    std::vector<std::string> m_asked;
    bool m_hold = false;
};

class FakeEchoProbe final : public EchoProbe {
public:
    // Called on the worker thread before each probe answers; set before any probe runs.
    std::function<void(const std::string& address)> onProbe;

    // An address with a round trip replies; any other stays silent.
    void setRoundTrip(const std::string& address, std::optional<int> roundTripMs)
    {
        const std::lock_guard lock(m_mutex);
        if (roundTripMs)
            m_roundTrips[address] = *roundTripMs;
        else
            m_roundTrips.erase(address);
    }
    std::vector<std::string> probed() const
    {
        const std::lock_guard lock(m_mutex);
        return m_probed;
    }

    EchoReply echo(const std::string& address, int timeoutMs, std::stop_token) override
    {
        if (onProbe)
            onProbe(address);
        const std::lock_guard lock(m_mutex);
        m_probed.push_back(address);
        const auto found = m_roundTrips.find(address);
        return found == m_roundTrips.end() ? EchoReply{false, timeoutMs} : EchoReply{true, found->second};
    }

private:
    mutable std::mutex m_mutex;
    std::map<std::string, int> m_roundTrips;
    std::vector<std::string> m_probed;
};

}  // namespace q7::test
