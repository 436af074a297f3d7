#pragma once
// A hostile TFTP player for tests: on one loopback address it answers every read request with
// DATA blocks that never end (the next block for each acknowledgement, as TFTP goes) and
// acknowledges every write, so a fetch from it grows until the tool cuts it off.

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace q7::test {

class EndlessServer {
public:
    // Listens on `address` (127.0.0.x) at a free port; `pause` slows every DATA block down.
    explicit EndlessServer(const std::string& address, std::chrono::milliseconds pause = {});
    ~EndlessServer();
    EndlessServer(const EndlessServer&) = delete;
    EndlessServer& operator=(const EndlessServer&) = delete;

    std::string portText() const { return std::to_string(m_port); }
    // Bytes sent in DATA blocks so far, and read requests seen.
    long long bytesSent() const { return m_sent; }
    int reads() const { return m_reads; }

private:
    void serve();

    int m_socket = -1;
    int m_port = 0;
    std::chrono::milliseconds m_pause;
    std::atomic<bool> m_stop{false};
    std::atomic<long long> m_sent{0};
    std::atomic<int> m_reads{0};
    std::thread m_thread;
};

// How many tftp clients are running with `port` among their arguments (any parent).
int runningClients(const std::string& port);

}  // namespace q7::test
