#include "core/platform/linuxfd.h"
#include "core/platform/linuxnetwork.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/icmp.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>

namespace q7 {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Waits are cut into slices so that a stop request ends them soon.
constexpr int kSliceMs = 50;
constexpr size_t kPayloadSize = 56;

int elapsedMs(Clock::time_point start)
{
    return int(std::chrono::duration_cast<milliseconds>(Clock::now() - start).count());
}

EchoReply noReply(Clock::time_point start, int timeoutMs) { return {false, std::max(elapsedMs(start), timeoutMs)}; }

uint16_t checksum(const uint8_t* data, size_t size)
{
    uint32_t sum = 0;
    for (size_t i = 0; i + 1 < size; i += 2)
        sum += uint32_t(data[i]) << 8 | data[i + 1];
    if (size % 2)
        sum += uint32_t(data[size - 1]) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return uint16_t(~sum);
}

uint16_t nextSequence()
{
    static std::atomic<uint16_t> sequence{1};
    return sequence++;
}

// Datagram and raw sockets share the request; they differ in what arrives: the raw socket sees
// every ICMP packet with its IP header (on loopback our own requests too), so it matches type,
// identifier, sequence and sender; the kernel hands the datagram socket only replies to its own
// identifier, without IP header.
EchoReply socketEcho(bool raw, in_addr destination, int timeoutMs, const std::stop_token& stop)
{
    const Clock::time_point start = Clock::now();
    const UniqueFd sock(::socket(AF_INET, (raw ? SOCK_RAW : SOCK_DGRAM) | SOCK_CLOEXEC, IPPROTO_ICMP));
    if (!sock.valid())
        return noReply(start, timeoutMs);
    if (raw) {
        icmp_filter onlyReplies{~(1u << ICMP_ECHOREPLY)};
        ::setsockopt(sock.get(), SOL_RAW, ICMP_FILTER, &onlyReplies, sizeof onlyReplies);
    }

    const uint16_t identifier = uint16_t(::getpid());  // the kernel replaces it on datagram sockets
    const uint16_t sequence = nextSequence();
    uint8_t request[8 + kPayloadSize] = {ICMP_ECHO, 0, 0, 0, uint8_t(identifier >> 8), uint8_t(identifier),
                                         uint8_t(sequence >> 8), uint8_t(sequence)};
    for (size_t i = 0; i < kPayloadSize; ++i)
        request[8 + i] = uint8_t(i);
    const uint16_t sum = checksum(request, sizeof request);
    request[2] = uint8_t(sum >> 8);
    request[3] = uint8_t(sum);

    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr = destination;
    if (::sendto(sock.get(), request, sizeof request, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0)
        return noReply(start, timeoutMs);

    const Clock::time_point deadline = start + milliseconds(timeoutMs);
    while (!stop.stop_requested()) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            break;
        pollfd ready{sock.get(), POLLIN, 0};
        if (::poll(&ready, 1, int(std::min<long long>(left, kSliceMs))) <= 0)
            continue;
        uint8_t packet[1500];
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t size =
            ::recvfrom(sock.get(), packet, sizeof packet, 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (size <= 0 || from.sin_addr.s_addr != destination.s_addr)
            continue;
        const size_t headerSize = raw ? size_t(packet[0] & 0x0F) * 4 : 0;
        if (size_t(size) < headerSize + 8)
            continue;
        const uint8_t* icmp = packet + headerSize;
        if (icmp[0] != ICMP_ECHOREPLY || (icmp[6] << 8 | icmp[7]) != sequence)
            continue;
        if (raw && (icmp[4] << 8 | icmp[5]) != identifier)
            continue;
        return {true, elapsedMs(start)};
    }
    return noReply(start, timeoutMs);
}

// The system ping with one request; its own report gives the round trip, so the time to start a
// process does not count against the player.
EchoReply programEcho(const std::string& address, int timeoutMs, const std::stop_token& stop)
{
    const Clock::time_point start = Clock::now();
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return noReply(start, timeoutMs);
    UniqueFd readEnd(out[0]);
    UniqueFd writeEnd(out[1]);

    char wait[16];
    std::snprintf(wait, sizeof wait, "%d.%03d", timeoutMs / 1000, timeoutMs % 1000);
    const char* argv[] = {"ping", "-n", "-c1", "-W", wait, address.c_str(), nullptr};
    const char* envp[] = {"LC_ALL=C", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.get(), 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, "ping", &actions, nullptr, const_cast<char* const*>(argv),
                                       const_cast<char* const*>(envp));
    posix_spawn_file_actions_destroy(&actions);
    writeEnd.reset();
    if (spawned != 0)
        return noReply(start, timeoutMs);

    // Read to the end of its output; a stop request or a ping that outstays its own limit by far
    // is ended (it is our child and not yet waited for, so its PID cannot have been reused).
    std::string output;
    const Clock::time_point giveUp = start + milliseconds(timeoutMs + 2000);
    for (;;) {
        if (stop.stop_requested() || Clock::now() >= giveUp) {
            ::kill(pid, SIGKILL);
            break;
        }
        pollfd ready{readEnd.get(), POLLIN, 0};
        if (::poll(&ready, 1, kSliceMs) <= 0)
            continue;
        char chunk[512];
        const ssize_t size = ::read(readEnd.get(), chunk, sizeof chunk);
        if (size <= 0)
            break;
        output.append(chunk, size_t(size));
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (stop.stop_requested() || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return noReply(start, timeoutMs);

    // "64 bytes from 198.18.7.10: icmp_seq=1 ttl=64 time=0.045 ms": whole milliseconds.
    const size_t at = output.find("time=");
    int roundTrip = 0;
    if (at == std::string::npos ||
        std::from_chars(output.data() + at + 5, output.data() + output.size(), roundTrip).ec != std::errc())
        roundTrip = elapsedMs(start);
    return {true, roundTrip};
}

bool canOpen(int type)
{
    return UniqueFd(::socket(AF_INET, type | SOCK_CLOEXEC, IPPROTO_ICMP)).valid();
}

}  // namespace

EchoMethod availableEchoMethod()
{
    if (canOpen(SOCK_DGRAM))
        return EchoMethod::DatagramSocket;
    if (canOpen(SOCK_RAW))
        return EchoMethod::RawSocket;
    return EchoMethod::PingProgram;
}

const char* echoMethodName(EchoMethod method)
{
    switch (method) {
    case EchoMethod::DatagramSocket:
        return "ICMP datagram socket";
    case EchoMethod::RawSocket:
        return "raw ICMP socket";
    case EchoMethod::PingProgram:
        return "ping program";
    }
    return "";
}

LinuxEchoProbe::LinuxEchoProbe(EchoMethod method) : m_method(method) {}

EchoReply LinuxEchoProbe::echo(const std::string& address, int timeoutMs, std::stop_token stop)
{
    in_addr destination{};
    if (::inet_pton(AF_INET, address.c_str(), &destination) != 1)
        return {false, timeoutMs};
    if (m_method == EchoMethod::PingProgram)
        return programEcho(address, timeoutMs, stop);
    return socketEcho(m_method == EchoMethod::RawSocket, destination, timeoutMs, stop);
}

}  // namespace q7
