#pragma once
// ICMP echo for IPv4: one request, then the matching reply or the time limit. Plain C++ so that a
// front end without Qt reuses it; tests hand in a fake.

#include <stop_token>
#include <string>

namespace q7 {

struct EchoReply {
    bool replied = false;
    int roundTripMs = 0;  // elapsed time; at least the time limit when nothing came back
};

class EchoProbe {
public:
    virtual ~EchoProbe() = default;
    // Safe to call from several threads at once. A send failure, an address that is no dotted
    // IPv4 address and a stop request all count as no reply.
    virtual EchoReply echo(const std::string& address, int timeoutMs, std::stop_token stop) = 0;
};

}  // namespace q7
