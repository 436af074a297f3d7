#include "server.h"

#include "core/base/json.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <sys/epoll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace q7sim {
namespace {

using namespace std::chrono_literals;

constexpr auto kRetransmitAfter = 1s;
constexpr int kMaxRetransmissions = 5;
// After the last ACK of a write the session stays a while to answer a repeated last block,
// in case that ACK was lost.
constexpr auto kDally = kRetransmitAfter * kMaxRetransmissions;
// Transfers at once: in all, per player and per peer (the client's address and port, its transfer
// ID), so that one client flooding one player can neither starve other clients of that player nor
// other players. A write that is only dallying does not count for the player or the peer and is
// the first to go when all places are taken.
constexpr size_t kMaxSessions = 256;
constexpr size_t kMaxSessionsPerPlayer = 64;
constexpr size_t kMaxSessionsPerPeer = 8;
// The most of a request's name or mode that is journalled.
constexpr size_t kMaxJournalledText = 255;
// Files are read and written in chunks of many blocks: a system call per 512 bytes would make the
// player slower than a plain TFTP server.
constexpr size_t kChunk = 64 * 1024;
constexpr size_t kMaxDatagram = 65536;

std::string textOf(const sockaddr_in& address)
{
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
    return std::string(text) + ":" + std::to_string(ntohs(address.sin_port));
}

bool samePeer(const sockaddr_in& a, const sockaddr_in& b)
{
    return a.sin_addr.s_addr == b.sin_addr.s_addr && a.sin_port == b.sin_port;
}

// One datagram from `fd` into `buffer` as `packet`, and who sent it; false when none could be read.
bool receiveFrom(int fd, char (&buffer)[kMaxDatagram], sockaddr_in& peer, std::string_view& packet)
{
    socklen_t length = sizeof peer;
    const ssize_t received = ::recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&peer), &length);
    if (received < 0)
        return false;
    packet = std::string_view(buffer, size_t(received));
    return true;
}

void sendTo(int fd, const sockaddr_in& peer, const std::string& packet)
{
    ::sendto(fd, packet.data(), packet.size(), 0, reinterpret_cast<const sockaddr*>(&peer), sizeof peer);
}

// A client's text for the journal: at most kMaxJournalledText bytes and a note of the rest.
std::string capped(std::string_view text)
{
    if (text.size() <= kMaxJournalledText)
        return std::string(text);
    return std::string(text.substr(0, kMaxJournalledText)) + "...(" + std::to_string(text.size()) + " bytes)";
}

std::string utcNow()
{
    const auto now = std::chrono::system_clock::now();
    const time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    struct tm parts {};
    ::gmtime_r(&seconds, &parts);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &parts);
    char stamp[48];
    std::snprintf(stamp, sizeof stamp, "%s.%03dZ", text, int(millis));
    return stamp;
}

}  // namespace

Journal::Journal(const std::string& path) : m_path(path), m_file(std::fopen(path.c_str(), "ae"))
{
    if (!m_file)
        throw std::runtime_error("cannot open journal " + path + ": " + std::strerror(errno));
}

Journal::~Journal() { std::fclose(m_file); }

void Journal::record(const std::string& line)
{
    std::fputs(line.c_str(), m_file);
    std::fputc('\n', m_file);
    std::fflush(m_file);
}

struct Server::Session {
    ServedPlayer* served = nullptr;
    int fd = -1;
    sockaddr_in peer{};
    Request request;
    bool netascii = false;
    int file = -1;         // read
    // The bytes on the wire from offset textOffset: for an octet read a chunk of the file, for a
    // netascii read what is converted and not yet sent (the file is converted as it is sent).
    std::string text;
    uint64_t textOffset = 0;
    std::string chunk;     // netascii read: the file's bytes last read
    bool endOfFile = false;
    WriteTarget target;    // write
    std::string pending;   // written bytes not yet on disk
    NetasciiDecoder decoder;
    uint64_t block = 0;    // read: the block last sent; write: the block last acknowledged
    bool finalSent = false;
    std::string lastPacket;
    uint64_t bytes = 0;
    int retransmissions = 0;
    Clock::time_point deadline;
    bool dallying = false;
    bool finished = false;

    ~Session()
    {
        if (fd >= 0)
            ::close(fd);
        if (file >= 0)
            ::close(file);
    }
    void send(std::string packet)
    {
        lastPacket = std::move(packet);
        retransmissions = 0;
        deadline = Clock::now() + kRetransmitAfter;
        sendTo(fd, peer, lastPacket);
    }
};

Server::Server(std::vector<ServedPlayer> players, std::vector<std::string> denied)
    : m_players(std::move(players)), m_denied(std::move(denied)), m_epoll(::epoll_create1(EPOLL_CLOEXEC))
{
    if (m_epoll < 0)
        throw std::runtime_error(std::string("epoll: ") + std::strerror(errno));
}

Server::~Server()
{
    m_sessions.clear();
    for (const ServedPlayer& served : m_players)
        if (served.fd >= 0)
            ::close(served.fd);
    ::close(m_epoll);
}

int Server::bind(int port)
{
    for (ServedPlayer& served : m_players) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(uint16_t(port));
        if (::inet_pton(AF_INET, served.player->address().c_str(), &address.sin_addr) != 1)
            throw std::runtime_error("not an IPv4 address: " + served.player->address());
        served.fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (served.fd < 0 || ::bind(served.fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            throw std::runtime_error("cannot listen on " + served.player->address() + ":" + std::to_string(port) +
                                     ": " + std::strerror(errno));
        socklen_t length = sizeof address;
        ::getsockname(served.fd, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
        watch(served.fd);
    }
    return port;
}

void Server::run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask)
{
    while (!stop) {
        Clock::time_point nearest = Clock::time_point::max();
        for (const auto& [fd, session] : m_sessions)
            nearest = std::min(nearest, session->deadline);
        int timeoutMs = -1;
        if (nearest != Clock::time_point::max()) {
            const auto wait = std::max(Clock::duration::zero(), nearest - Clock::now());
            timeoutMs = int(std::chrono::ceil<std::chrono::milliseconds>(wait).count());
        }
        epoll_event events[64];
        const int ready = ::epoll_pwait(m_epoll, events, 64, timeoutMs, &waitMask);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error(std::string("epoll: ") + std::strerror(errno));
        }
        for (int i = 0; i < ready; ++i) {
            const int fd = events[i].data.fd;
            if (const auto session = m_sessions.find(fd); session != m_sessions.end()) {
                if (!session->second->finished)
                    receiveOnSession(*session->second);
                continue;
            }
            for (ServedPlayer& served : m_players)
                if (served.fd == fd)
                    receiveRequest(served);
        }
        const auto now = Clock::now();
        for (const auto& [fd, session] : m_sessions)
            if (!session->finished && now >= session->deadline)
                expire(*session);
        std::erase_if(m_sessions, [](const auto& entry) { return entry.second->finished; });
    }
    for (const auto& [fd, session] : m_sessions)
        if (!session->dallying)
            end(*session, "error: stopped");
    m_sessions.clear();
}

void Server::watch(int fd)
{
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = fd;
    if (::epoll_ctl(m_epoll, EPOLL_CTL_ADD, fd, &event) != 0)
        throw std::runtime_error(std::string("epoll: ") + std::strerror(errno));
}

void Server::record(ServedPlayer& served, const std::string& peer, const Request& request, uint64_t bytes,
                    const std::string& outcome, const std::string& effect)
{
    const std::string op = request.mode.empty() && request.name.empty() ? "invalid" : request.write ? "write" : "read";
    std::string line = "{\"time\":\"" + utcNow() + "\",\"player\":\"" + served.player->address() + "\",\"peer\":\"" +
                       peer + "\",\"op\":\"" + op + "\",\"name\":" + q7::jsonString(capped(request.name)) +
                       ",\"mode\":" + q7::jsonString(capped(request.mode)) + ",\"bytes\":" + std::to_string(bytes) +
                       ",\"outcome\":" + q7::jsonString(outcome);
    if (!effect.empty())
        line += ",\"effect\":" + q7::jsonString(effect);
    served.journal->record(line + "}");
    if (op == "invalid")
        std::printf("%s invalid packet from %s: %s\n", served.player->address().c_str(), peer.c_str(), outcome.c_str());
    else
        std::printf("%s %s %s (%s, %llu bytes) from %s: %s%s%s\n", served.player->address().c_str(), op.c_str(),
                    q7::jsonEscaped(capped(request.name)).c_str(), q7::jsonEscaped(capped(request.mode)).c_str(),
                    static_cast<unsigned long long>(bytes), peer.c_str(), outcome.c_str(), effect.empty() ? "" : "; ",
                    effect.c_str());
    std::fflush(stdout);
}

void Server::refuse(ServedPlayer& served, const sockaddr_in& peer, const Request& request, uint16_t code,
                    const std::string& message, const std::string& why)
{
    record(served, textOf(peer), request, 0, "error: " + message + (why.empty() ? "" : " (" + why + ")"), {});
    sendTo(served.fd, peer, errorPacket(code, message));
}

void Server::receiveRequest(ServedPlayer& served)
{
    char buffer[kMaxDatagram];
    sockaddr_in peer{};
    std::string_view packet;
    if (!receiveFrom(served.fd, buffer, peer, packet))
        return;
    std::string reason;
    const std::optional<Request> request = parseRequest(packet, &reason);
    if (served.player->muted) {
        record(served, textOf(peer), request.value_or(Request{}), 0, "error: dropped (muted)", {});
        return;
    }
    if (!request) {
        const uint16_t opcode = opcodeOf(packet);
        if (opcode == ERROR)
            return;  // an error is never answered
        const bool stray = (opcode == DATA || opcode == ACK) && packet.size() >= 4;
        if (stray)
            reason = std::string(opcode == DATA ? "DATA" : "ACK") + " of block " + std::to_string(blockOf(packet)) +
                     " outside a transfer";
        refuse(served, peer, Request{}, stray ? kUnknownTransferId : kIllegalOperation,
               stray ? "Unknown transfer ID" : "Illegal TFTP operation", reason);
        return;
    }
    // A request repeated because our first answer was slow belongs to the transfer already going.
    for (const auto& [fd, session] : m_sessions)
        if (session->served == &served && samePeer(session->peer, peer) && session->request.name == request->name &&
            session->request.write == request->write && !session->finished)
            return;
    if (std::find(m_denied.begin(), m_denied.end(), request->name) != m_denied.end())
        return refuse(served, peer, *request, kAccessViolation, "Access violation", "denied");
    if (request->mode != "octet" && request->mode != "netascii")
        return refuse(served, peer, *request, kIllegalOperation, "Illegal TFTP operation",
                      "unsupported mode " + capped(request->mode));
    if (const std::string full = noRoomFor(served, peer); !full.empty())
        return refuse(served, peer, *request, kNotDefined, "Too many transfers", full);
    startSession(served, peer, *request);
}

std::string Server::noRoomFor(const ServedPlayer& served, const sockaddr_in& peer)
{
    size_t all = 0, ofPlayer = 0, ofPeer = 0;
    Session* oldestDallying = nullptr;
    for (const auto& [fd, session] : m_sessions) {
        if (session->finished)
            continue;
        ++all;
        if (session->dallying) {
            if (!oldestDallying || session->deadline < oldestDallying->deadline)
                oldestDallying = session.get();
            continue;
        }
        ofPlayer += session->served == &served ? 1 : 0;
        ofPeer += samePeer(session->peer, peer) ? 1 : 0;
    }
    if (ofPeer >= kMaxSessionsPerPeer)
        return std::to_string(ofPeer) + " from this client";
    if (ofPlayer >= kMaxSessionsPerPlayer)
        return std::to_string(ofPlayer) + " on this player";
    if (all < kMaxSessions)
        return {};
    if (!oldestDallying)
        return std::to_string(all) + " in all";
    oldestDallying->finished = true;  // its last ACK has long been sent
    return {};
}

void Server::startSession(ServedPlayer& served, const sockaddr_in& peer, const Request& request)
{
    auto session = std::make_unique<Session>();
    session->served = &served;
    session->peer = peer;
    session->request = request;
    session->netascii = request.mode == "netascii";
    if (request.write) {
        auto target = served.player->beginWrite(request.name);
        if (const auto* refusal = std::get_if<Refusal>(&target))
            return refuse(served, peer, request, refusal->code, refusal->message, refusal->why);
        session->target = std::get<WriteTarget>(std::move(target));
    } else {
        const auto file = served.player->openForRead(request.name);
        if (const auto* refusal = std::get_if<Refusal>(&file))
            return refuse(served, peer, request, refusal->code, refusal->message, refusal->why);
        session->file = std::get<int>(file);
    }
    // The transfer gets its own port on the player's address (its transfer ID).
    sockaddr_in local{};
    local.sin_family = AF_INET;
    ::inet_pton(AF_INET, served.player->address().c_str(), &local.sin_addr);
    session->fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (session->fd < 0 || ::bind(session->fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        if (request.write)
            served.player->abortWrite(session->target);
        return refuse(served, peer, request, kNotDefined, "Server busy", std::strerror(errno));
    }
    watch(session->fd);
    if (request.write)
        session->send(ackPacket(0));
    else
        sendNextBlock(*session);
    m_sessions.emplace(session->fd, std::move(session));
}

void Server::sendNextBlock(Session& session)
{
    ++session.block;
    const uint64_t offset = (session.block - 1) * kBlockSize;
    if (session.netascii && offset + kBlockSize > session.textOffset + session.text.size() && !session.endOfFile) {
        // Blocks go out in order: what was sent is dropped, and the file converted on until the
        // next block is whole or the file has ended.
        session.text.erase(0, size_t(offset - session.textOffset));
        session.textOffset = offset;
        while (session.text.size() < kBlockSize && !session.endOfFile) {
            session.chunk.resize(kChunk);
            const ssize_t n = ::read(session.file, session.chunk.data(), kChunk);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                const int error = errno;
                sendTo(session.fd, session.peer, errorPacket(kNotDefined, "Read error"));
                return end(session, std::string("error: ") + std::strerror(error));
            }
            session.endOfFile = n == 0;
            appendNetascii(std::string_view(session.chunk).substr(0, size_t(n)), session.text);
        }
    } else if (!session.netascii &&
               (offset < session.textOffset || offset >= session.textOffset + session.text.size())) {
        session.text.resize(kChunk);
        const ssize_t n = ::pread(session.file, session.text.data(), kChunk, off_t(offset));
        if (n < 0) {
            const int error = errno;
            sendTo(session.fd, session.peer, errorPacket(kNotDefined, "Read error"));
            return end(session, std::string("error: ") + std::strerror(error));
        }
        session.text.resize(size_t(n));
        session.textOffset = offset;
    }
    const uint64_t at = offset - session.textOffset;
    const std::string_view payload =
        at < session.text.size() ? std::string_view(session.text).substr(at, kBlockSize) : std::string_view();
    session.finalSent = payload.size() < kBlockSize;
    session.bytes += payload.size();
    session.send(dataPacket(uint16_t(session.block), payload));
}

void Server::receiveOnSession(Session& session)
{
    char buffer[kMaxDatagram];
    sockaddr_in peer{};
    std::string_view packet;
    if (!receiveFrom(session.fd, buffer, peer, packet))
        return;
    if (!samePeer(peer, session.peer)) {
        if (opcodeOf(packet) != ERROR)
            sendTo(session.fd, peer, errorPacket(kUnknownTransferId, "Unknown transfer ID"));
        return;
    }
    if (opcodeOf(packet) == ERROR) {
        if (!session.dallying)
            end(session, "error: the client gave up: " + errorMessageOf(packet));
        session.finished = true;
        return;
    }
    if (session.request.write)
        handleWrite(session, packet);
    else
        handleRead(session, packet);
}

void Server::handleRead(Session& session, std::string_view packet)
{
    if (opcodeOf(packet) != ACK || packet.size() < 4) {
        sendTo(session.fd, session.peer, errorPacket(kIllegalOperation, "Illegal TFTP operation"));
        return end(session, "error: unexpected packet");
    }
    // An ACK of an earlier block is a duplicate: answering it would send every block twice from
    // then on (the Sorcerer's Apprentice), so only the ACK of the block last sent counts.
    if (blockOf(packet) != uint16_t(session.block))
        return;
    if (session.finalSent)
        return end(session, "ok");
    sendNextBlock(session);
}

void Server::handleWrite(Session& session, std::string_view packet)
{
    const bool data = opcodeOf(packet) == DATA && packet.size() >= 4;
    if (session.dallying) {
        if (data && blockOf(packet) == uint16_t(session.block))
            sendTo(session.fd, session.peer, session.lastPacket);
        return;
    }
    if (!data) {
        sendTo(session.fd, session.peer, errorPacket(kIllegalOperation, "Illegal TFTP operation"));
        return end(session, "error: unexpected packet");
    }
    const uint16_t block = blockOf(packet);
    if (block == uint16_t(session.block)) {  // our ACK was lost or late: repeat it, keep the data once
        sendTo(session.fd, session.peer, session.lastPacket);
        return;
    }
    if (block != uint16_t(session.block + 1))
        return;  // out of order: dropped, the client repeats what it has to
    const std::string_view payload = packet.substr(4);
    if (payload.size() > kBlockSize) {
        sendTo(session.fd, session.peer, errorPacket(kIllegalOperation, "Illegal TFTP operation"));
        return end(session, "error: block larger than 512 bytes");
    }
    const bool last = payload.size() < kBlockSize;
    session.pending += session.netascii ? session.decoder.feed(payload) : std::string(payload);
    if (last && session.netascii)
        session.pending += session.decoder.finish();
    if ((last || session.pending.size() >= kChunk) && !writeAll(session.target.fd, session.pending)) {
        // A file size limit (EFBIG) is an allocation exceeded too.
        const int error = errno;
        const bool full = error == ENOSPC || error == EDQUOT || error == EFBIG;
        sendTo(session.fd, session.peer,
               errorPacket(full ? kDiskFull : kNotDefined, full ? "Disk full or allocation exceeded" : "Write error"));
        return end(session, std::string("error: ") + std::strerror(error));
    }
    if (last || session.pending.size() >= kChunk)
        session.pending.clear();
    session.block += 1;
    session.bytes += payload.size();
    if (!last)
        return session.send(ackPacket(block));
    // The file takes its place before the last ACK, so a failure can still be reported.
    auto committed = session.served->player->commitWrite(session.target);
    if (const auto* refusal = std::get_if<Refusal>(&committed)) {
        sendTo(session.fd, session.peer, errorPacket(refusal->code, refusal->message));
        return end(session, "error: " + refusal->message + " (" + refusal->why + ")");
    }
    // Journalled before the last ACK: once the client reports success, the record is there.
    record(*session.served, textOf(session.peer), session.request, session.bytes, "ok",
           std::get<std::string>(committed));
    session.send(ackPacket(block));
    session.dallying = true;
    session.deadline = Clock::now() + kDally;
}

void Server::expire(Session& session)
{
    if (session.dallying) {
        session.finished = true;
        return;
    }
    if (session.retransmissions >= kMaxRetransmissions)
        return end(session, "error: timed out");
    ++session.retransmissions;
    session.deadline = Clock::now() + kRetransmitAfter;
    sendTo(session.fd, session.peer, session.lastPacket);
}

void Server::end(Session& session, const std::string& outcome)
{
    if (session.request.write && session.target.fd >= 0)
        session.served->player->abortWrite(session.target);
    record(*session.served, textOf(session.peer), session.request, session.bytes, outcome, {});
    session.finished = true;
}

}  // namespace q7sim
