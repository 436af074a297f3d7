#pragma once
// The TFTP service of every simulated player: one UDP socket per player on ADDRESS:PORT for the
// requests, and one socket per transfer (a fresh port, as RFC 1350 asks) for its data. A single
// thread serves every transfer from one epoll set, with retransmission after a second of silence.

#include "player.h"
#include "tftp.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <netinet/in.h>
#include <string>
#include <unordered_map>
#include <vector>

namespace q7sim {

// One JSON object per line, flushed per request.
class Journal {
public:
    explicit Journal(const std::string& path);  // appends; throws std::runtime_error
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;
    void record(const std::string& line);
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    std::FILE* m_file;
};

struct ServedPlayer {
    std::unique_ptr<Player> player;
    Journal* journal = nullptr;
    int fd = -1;
};

class Server {
public:
    using Clock = std::chrono::steady_clock;

    Server(std::vector<ServedPlayer> players, std::vector<std::string> denied);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Binds every player's request socket. Port 0 lets the first player take a free port, which
    // the others then share. Returns the port; throws std::runtime_error.
    int bind(int port);
    // Serves until `stop` is set by a signal; `waitMask` is the signal mask while waiting, so a
    // signal can only arrive there. Transfers still going are then abandoned.
    void run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask);

private:
    struct Session;
    void watch(int fd);
    void receiveRequest(ServedPlayer& served);
    // Why a new transfer of `peer` with `served` has no place (empty when it has one, possibly
    // after ending the oldest dallying write).
    std::string noRoomFor(const ServedPlayer& served, const sockaddr_in& peer);
    void startSession(ServedPlayer& served, const sockaddr_in& peer, const Request& request);
    void receiveOnSession(Session& session);
    void handleRead(Session& session, std::string_view packet);
    void handleWrite(Session& session, std::string_view packet);
    void sendNextBlock(Session& session);
    void expire(Session& session);
    void end(Session& session, const std::string& outcome);
    void refuse(ServedPlayer& served, const sockaddr_in& peer, const Request& request, uint16_t code,
                const std::string& message, const std::string& why);
    void record(ServedPlayer& served, const std::string& peer, const Request& request, uint64_t bytes,
                const std::string& outcome, const std::string& effect);

    std::vector<ServedPlayer> m_players;
    std::vector<std::string> m_denied;
    int m_epoll;
    std::unordered_map<int, std::unique_ptr<Session>> m_sessions;  // by socket
};

}  // namespace q7sim
