#include "core/platform/linuxfd.h"
#include "core/platform/linuxnetwork.h"

#include <arpa/inet.h>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <linux/neighbour.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <mutex>
#include <net/if.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <thread>
#include <unordered_map>
#include <vector>

namespace q7 {
namespace {

using Clock = std::chrono::steady_clock;

// Neighbour states that carry a usable hardware address.
constexpr uint16_t kKnownStates = NUD_REACHABLE | NUD_STALE | NUD_DELAY | NUD_PROBE | NUD_PERMANENT | NUD_NOARP;

// One rtnetlink message, read without the C macros (their mixed-sign comparisons do not pass -Wextra).
struct Message {
    uint16_t type;
    const uint8_t* body;  // the family header (ndmsg, rtmsg) followed by attributes
    size_t size;
};

template <typename Visit>
void forEachMessage(const uint8_t* data, size_t size, Visit visit)
{
    while (size >= sizeof(nlmsghdr)) {
        nlmsghdr header;
        std::memcpy(&header, data, sizeof header);
        if (header.nlmsg_len < sizeof header || header.nlmsg_len > size)
            return;
        if (!visit(Message{header.nlmsg_type, data + NLMSG_HDRLEN, header.nlmsg_len - NLMSG_HDRLEN}, header))
            return;
        const size_t step = NLMSG_ALIGN(header.nlmsg_len);
        if (step >= size)
            return;
        data += step;
        size -= step;
    }
}

// Calls visit(type, payload, payloadSize) for every attribute after a family header of `headerSize`.
template <typename Visit>
void forEachAttribute(const Message& message, size_t headerSize, Visit visit)
{
    size_t at = NLMSG_ALIGN(headerSize);
    while (at + sizeof(rtattr) <= message.size) {
        rtattr attribute;
        std::memcpy(&attribute, message.body + at, sizeof attribute);
        if (attribute.rta_len < sizeof attribute || at + attribute.rta_len > message.size)
            return;
        visit(attribute.rta_type, message.body + at + RTA_LENGTH(0), size_t(attribute.rta_len) - RTA_LENGTH(0));
        at += RTA_ALIGN(attribute.rta_len);
    }
}

// A request for one IPv4 address: route or neighbour lookup.
template <typename Body>
struct AddressRequest {
    nlmsghdr header;
    Body body;
    rtattr attribute;
    in_addr address;
};

template <typename Body>
AddressRequest<Body> addressRequest(uint16_t type, uint16_t attributeType, in_addr address)
{
    AddressRequest<Body> request{};
    request.header.nlmsg_len = sizeof request;
    request.header.nlmsg_type = type;
    request.header.nlmsg_flags = NLM_F_REQUEST;
    request.attribute.rta_len = RTA_LENGTH(sizeof(in_addr));
    request.attribute.rta_type = attributeType;
    request.address = address;
    return request;
}

// Sends one request on a fresh socket (in the caller's network namespace) and hands every answer
// message to `visit` until the answer ends; false on an error answer or no answer within a second.
bool netlinkAsk(const void* request, size_t size, const std::function<void(const Message&)>& visit)
{
    const UniqueFd sock(::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE));
    if (!sock.valid())
        return false;
    timeval limit{1, 0};
    ::setsockopt(sock.get(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    if (::sendto(sock.get(), request, size, 0, reinterpret_cast<const sockaddr*>(&kernel), sizeof kernel) < 0)
        return false;
    std::vector<uint8_t> buffer(32 * 1024);
    for (;;) {
        const ssize_t got = ::recv(sock.get(), buffer.data(), buffer.size(), 0);
        if (got <= 0)
            return false;
        bool ok = true;
        bool more = false;
        forEachMessage(buffer.data(), size_t(got), [&](const Message& message, const nlmsghdr& header) {
            if (message.type == NLMSG_DONE)
                return more = false;
            if (message.type == NLMSG_ERROR) {
                nlmsgerr error{};
                std::memcpy(&error, message.body, std::min(message.size, sizeof error));
                ok = error.error == 0;
                return more = false;
            }
            visit(message);
            more = (header.nlmsg_flags & NLM_F_MULTI) != 0;
            return true;
        });
        if (!ok || !more)
            return ok;
    }
}

struct Route {
    int interfaceIndex = 0;
};

// The link an address is reached on directly, if it is: not the machine's own, not broadcast,
// not behind a gateway.
std::optional<Route> directRoute(in_addr target)
{
    auto request = addressRequest<rtmsg>(RTM_GETROUTE, RTA_DST, target);
    request.body.rtm_family = AF_INET;
    request.body.rtm_dst_len = 32;
    std::optional<Route> found;
    netlinkAsk(&request, sizeof request, [&](const Message& message) {
        if (message.type != RTM_NEWROUTE || message.size < sizeof(rtmsg))
            return;
        rtmsg route;
        std::memcpy(&route, message.body, sizeof route);
        if (route.rtm_type != RTN_UNICAST)
            return;
        Route direct;
        bool viaGateway = false;
        forEachAttribute(message, sizeof(rtmsg), [&](uint16_t type, const uint8_t* data, size_t size) {
            if (type == RTA_GATEWAY)
                viaGateway = true;
            else if (type == RTA_OIF && size >= sizeof(int))
                std::memcpy(&direct.interfaceIndex, data, sizeof(int));
        });
        if (!viaGateway && direct.interfaceIndex > 0)
            found = direct;
    });
    return found;
}

bool resolvesByArp(int udpSocket, int interfaceIndex)
{
    ifreq link{};
    if (!::if_indextoname(unsigned(interfaceIndex), link.ifr_name) || ::ioctl(udpSocket, SIOCGIFFLAGS, &link) != 0)
        return false;
    return (link.ifr_flags & (IFF_NOARP | IFF_LOOPBACK)) == 0;
}

// What one neighbour message says about one IPv4 address.
struct NeighbourNews {
    in_addr address{};
    int interfaceIndex = 0;
    uint16_t state = 0;
    std::optional<HardwareAddress> hardware;
};

std::optional<NeighbourNews> readNeighbour(const Message& message)
{
    if (message.type != RTM_NEWNEIGH || message.size < sizeof(ndmsg))
        return std::nullopt;
    ndmsg entry;
    std::memcpy(&entry, message.body, sizeof entry);
    if (entry.ndm_family != AF_INET)
        return std::nullopt;
    NeighbourNews news;
    news.interfaceIndex = entry.ndm_ifindex;
    news.state = entry.ndm_state;
    bool hasAddress = false;
    forEachAttribute(message, sizeof(ndmsg), [&](uint16_t type, const uint8_t* data, size_t size) {
        if (type == NDA_DST && size == sizeof(in_addr)) {
            std::memcpy(&news.address, data, size);
            hasAddress = true;
        } else if (type == NDA_LLADDR && size == sizeof(HardwareAddress)) {
            news.hardware.emplace();
            std::memcpy(news.hardware->data(), data, size);
        }
    });
    if (!hasAddress)
        return std::nullopt;
    return news;
}

std::optional<NeighbourNews> neighbourEntry(in_addr target, int interfaceIndex)
{
    auto request = addressRequest<ndmsg>(RTM_GETNEIGH, NDA_DST, target);
    request.body.ndm_family = AF_INET;
    request.body.ndm_ifindex = interfaceIndex;
    std::optional<NeighbourNews> entry;
    netlinkAsk(&request, sizeof request, [&](const Message& message) { entry = readNeighbour(message); });
    return entry;
}

}  // namespace

// The one neighbour-event subscription: callers register what they wait for, the reader thread
// wakes exactly the callers whose address an event concerns.
struct LinuxAddressResolver::Monitor {
    struct Waiter {
        Waiter(in_addr address, int interfaceIndex) : address(address), interfaceIndex(interfaceIndex) {}
        in_addr address;
        int interfaceIndex;
        bool done = false;
        std::optional<HardwareAddress> hardware;
        std::condition_variable_any changed;
    };

    ~Monitor()
    {
        if (reader.joinable()) {
            const uint64_t one = 1;
            [[maybe_unused]] const ssize_t written = ::write(wake.get(), &one, sizeof one);
            reader.join();
        }
    }

    // Opens the subscription on first use, in the network namespace of the caller.
    bool start()
    {
        const std::lock_guard lock(mutex);
        if (events.valid())
            return true;
        UniqueFd sock(::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE));
        UniqueFd stop(::eventfd(0, EFD_CLOEXEC));
        if (!sock.valid() || !stop.valid())
            return false;
        const int bufferSize = 1 << 20;  // a sweep reports some 253 events within a few seconds
        ::setsockopt(sock.get(), SOL_SOCKET, SO_RCVBUF, &bufferSize, sizeof bufferSize);
        sockaddr_nl groups{};
        groups.nl_family = AF_NETLINK;
        groups.nl_groups = RTMGRP_NEIGH;
        if (::bind(sock.get(), reinterpret_cast<const sockaddr*>(&groups), sizeof groups) != 0)
            return false;
        events = std::move(sock);
        wake = std::move(stop);
        reader = std::thread([this] { read(); });
        return true;
    }

    void add(Waiter& waiter)
    {
        const std::lock_guard lock(mutex);
        waiters.emplace(waiter.address.s_addr, &waiter);
    }

    void remove(Waiter& waiter)
    {
        const std::lock_guard lock(mutex);
        auto [first, last] = waiters.equal_range(waiter.address.s_addr);
        for (auto it = first; it != last; ++it)
            if (it->second == &waiter) {
                waiters.erase(it);
                return;
            }
    }

    std::optional<HardwareAddress> wait(Waiter& waiter, Clock::time_point deadline, std::stop_token stop)
    {
        std::unique_lock lock(mutex);
        waiter.changed.wait_until(lock, stop, deadline, [&] { return waiter.done; });
        return waiter.hardware;
    }

    void deliver(const NeighbourNews& news)
    {
        const bool failed = news.state & NUD_FAILED;
        const bool known = (news.state & kKnownStates) && news.hardware;
        if (!failed && !known)
            return;  // still resolving
        const std::lock_guard lock(mutex);
        auto [first, last] = waiters.equal_range(news.address.s_addr);
        for (auto it = first; it != last; ++it) {
            Waiter& waiter = *it->second;
            if (waiter.done || waiter.interfaceIndex != news.interfaceIndex)
                continue;
            waiter.done = true;
            if (known)
                waiter.hardware = news.hardware;
            waiter.changed.notify_all();
        }
    }

    void deliverAll(const uint8_t* data, size_t size)
    {
        forEachMessage(data, size, [this](const Message& message, const nlmsghdr&) {
            if (const auto news = readNeighbour(message))
                deliver(*news);
            return true;
        });
    }

    void read()
    {
        std::vector<uint8_t> buffer(64 * 1024);
        for (;;) {
            pollfd ready[2] = {{events.get(), POLLIN, 0}, {wake.get(), POLLIN, 0}};
            if (::poll(ready, 2, -1) < 0) {
                if (errno == EINTR)
                    continue;
                return;
            }
            if (ready[1].revents)
                return;
            const ssize_t got = ::recv(events.get(), buffer.data(), buffer.size(), MSG_DONTWAIT);
            if (got > 0)
                deliverAll(buffer.data(), size_t(got));
            else if (got < 0 && errno == ENOBUFS)
                catchUp();
        }
    }

    // Events were lost (receive buffer overrun): read the whole table once instead.
    void catchUp()
    {
        struct {
            nlmsghdr header;
            ndmsg body;
        } request{};
        request.header.nlmsg_len = sizeof request;
        request.header.nlmsg_type = RTM_GETNEIGH;
        request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
        request.body.ndm_family = AF_INET;
        netlinkAsk(&request, sizeof request, [this](const Message& message) {
            if (const auto news = readNeighbour(message))
                deliver(*news);
        });
    }

    std::mutex mutex;
    std::unordered_multimap<in_addr_t, Waiter*> waiters;
    UniqueFd events;
    UniqueFd wake;
    std::thread reader;
};

LinuxAddressResolver::LinuxAddressResolver(std::chrono::milliseconds limit)
    : m_limit(limit), m_monitor(std::make_unique<Monitor>())
{
}

LinuxAddressResolver::~LinuxAddressResolver() = default;

std::optional<HardwareAddress> LinuxAddressResolver::resolve(const std::string& address, std::stop_token stop)
{
    in_addr target{};
    if (::inet_pton(AF_INET, address.c_str(), &target) != 1)
        return std::nullopt;
    const std::optional<Route> route = directRoute(target);
    const UniqueFd udp(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (!route || !udp.valid() || !resolvesByArp(udp.get(), route->interfaceIndex) || !m_monitor->start())
        return std::nullopt;

    // Listen before asking, so that no answer can slip past between the two.
    Monitor::Waiter waiter(target, route->interfaceIndex);
    m_monitor->add(waiter);
    struct Unregister {
        Monitor& monitor;
        Monitor::Waiter& waiter;
        ~Unregister() { monitor.remove(waiter); }
    } unregister{*m_monitor, waiter};

    if (const auto entry = neighbourEntry(target, route->interfaceIndex);
        entry && (entry->state & kKnownStates) && entry->hardware)
        return entry->hardware;

    sockaddr_in discard{};
    discard.sin_family = AF_INET;
    discard.sin_port = htons(9);
    discard.sin_addr = target;
    if (::connect(udp.get(), reinterpret_cast<const sockaddr*>(&discard), sizeof discard) != 0)
        return std::nullopt;
    [[maybe_unused]] const ssize_t sent = ::send(udp.get(), "", 0, MSG_DONTWAIT);
    return m_monitor->wait(waiter, Clock::now() + m_limit, std::move(stop));
}

}  // namespace q7
