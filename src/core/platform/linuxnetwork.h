#pragma once
// The Linux implementations of the network seams, in plain C++ (sockets, rtnetlink, posix_spawn).

#include "core/platform/addressresolver.h"
#include "core/platform/echoprobe.h"

#include <chrono>
#include <memory>

namespace q7 {

// How echo requests leave the machine, best first. The datagram socket needs the user's group in
// net.ipv4.ping_group_range (Debian ships "1 0": nobody, not even root); the raw socket needs root
// or CAP_NET_RAW; the system ping program carries cap_net_raw itself but costs a process per probe.
enum class EchoMethod { DatagramSocket, RawSocket, PingProgram };

// The first method this process may use, in the network namespace of the calling thread.
EchoMethod availableEchoMethod();
const char* echoMethodName(EchoMethod method);

class LinuxEchoProbe final : public EchoProbe {
public:
    explicit LinuxEchoProbe(EchoMethod method = availableEchoMethod());
    EchoMethod method() const { return m_method; }
    EchoReply echo(const std::string& address, int timeoutMs, std::stop_token stop) override;

private:
    EchoMethod m_method;
};

// Resolves through the kernel: an empty UDP datagram to ADDRESS:9 makes it send ARP requests, and
// one rtnetlink subscription to neighbour events, shared by every waiting caller, reports the
// outcome (a hardware address, or the FAILED state after the kernel's last request). Addresses that
// are never resolved by ARP (the machine's own, loopback, beyond a gateway, on NOARP links) fail at
// once. Works without privileges. The subscription is made in the network namespace of the first
// caller and lasts as long as the resolver.
class LinuxAddressResolver final : public AddressResolver {
public:
    // `limit` bounds a wait whose outcome the kernel never reports.
    explicit LinuxAddressResolver(std::chrono::milliseconds limit = std::chrono::seconds(5));
    ~LinuxAddressResolver() override;
    LinuxAddressResolver(const LinuxAddressResolver&) = delete;
    LinuxAddressResolver& operator=(const LinuxAddressResolver&) = delete;

    std::optional<HardwareAddress> resolve(const std::string& address, std::stop_token stop) override;

private:
    struct Monitor;
    std::chrono::milliseconds m_limit;
    std::unique_ptr<Monitor> m_monitor;
};

}  // namespace q7
