#include "support/endlessserver.h"

#include <arpa/inet.h>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace q7::test {
namespace {

constexpr size_t kBlock = 512;

void put16(std::vector<char>& packet, uint16_t value)
{
    packet.push_back(char(value >> 8));
    packet.push_back(char(value & 0xff));
}

uint16_t get16(const char* at) { return uint16_t((uint8_t(at[0]) << 8) | uint8_t(at[1])); }

}  // namespace

EndlessServer::EndlessServer(const std::string& address, std::chrono::milliseconds pause) : m_pause(pause)
{
    m_socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    ::inet_pton(AF_INET, address.c_str(), &local.sin_addr);
    socklen_t length = sizeof local;
    if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 ||
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&local), &length) != 0)
        throw std::runtime_error("cannot listen on " + address);
    m_port = ntohs(local.sin_port);
    m_thread = std::thread([this] { serve(); });
}

EndlessServer::~EndlessServer()
{
    m_stop = true;
    m_thread.join();
    ::close(m_socket);
}

void EndlessServer::serve()
{
    std::map<uint16_t, uint16_t> blockOf;  // a reading client's port: the block it was last sent
    const std::vector<char> payload(kBlock, 'A');
    auto sendData = [&](const sockaddr_in& peer, uint16_t block) {
        if (m_pause.count() > 0)
            std::this_thread::sleep_for(m_pause);
        std::vector<char> packet;
        put16(packet, 3);
        put16(packet, block);
        packet.insert(packet.end(), payload.begin(), payload.end());
        ::sendto(m_socket, packet.data(), packet.size(), 0, reinterpret_cast<const sockaddr*>(&peer), sizeof peer);
        m_sent += static_cast<long long>(kBlock);
    };
    while (!m_stop) {
        pollfd p{m_socket, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0)
            continue;
        char buffer[1024];
        sockaddr_in peer{};
        socklen_t length = sizeof peer;
        const ssize_t n =
            ::recvfrom(m_socket, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&peer), &length);
        if (n < 4)
            continue;
        const uint16_t port = ntohs(peer.sin_port);
        switch (get16(buffer)) {
        case 1:  // read request: the first block
            ++m_reads;
            blockOf[port] = 1;
            sendData(peer, 1);
            break;
        case 2:  // write request: go ahead
        case 3: {  // data: acknowledged
            std::vector<char> ack;
            put16(ack, 4);
            put16(ack, get16(buffer) == 2 ? 0 : get16(buffer + 2));
            ::sendto(m_socket, ack.data(), ack.size(), 0, reinterpret_cast<sockaddr*>(&peer), sizeof peer);
            break;
        }
        case 4:  // acknowledgement: the next block, for ever
            if (const auto found = blockOf.find(port); found != blockOf.end() && get16(buffer + 2) == found->second)
                sendData(peer, ++found->second);
            break;
        default:
            break;
        }
    }
}

int runningClients(const std::string& port)
{
    int count = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", ec)) {
        std::ifstream file(entry.path() / "cmdline", std::ios::binary);
        const std::string line((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        std::vector<std::string> argv;
        for (size_t at = 0; at < line.size();) {
            const size_t end = line.find('\0', at);
            argv.push_back(line.substr(at, end - at));
            at = end == std::string::npos ? line.size() : end + 1;
        }
        if (argv.empty() || std::filesystem::path(argv[0]).filename() != "tftp")
            continue;
        for (const std::string& argument : argv)
            if (argument == port) {
                ++count;
                break;
            }
    }
    return count;
}

}  // namespace q7::test
