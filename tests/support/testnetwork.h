#pragma once
// Private test networks in network namespaces: a bridge, the tool's namespace and one namespace
// per device, all on one network of 198.18.0.0/15 (a /24 unless told), so that tests and benchmarks send real ARP and ICMP
// without touching any other network. The namespaces are named "q7t7-<pid>-..."; they are removed
// when the object goes and, should the process die first, by a guard process that waits for it.

#include <string>
#include <vector>

namespace q7::test {

class TestNetwork {
public:
    struct Device {
        std::string hardware;  // "00:e0:4c:00:00:07"
        std::string address;   // "198.18.7.10"
    };

    // Why this process cannot make namespaces, or empty when it can.
    static std::string unavailableReason();

    // `toolAddress` and the devices' addresses share one network of that prefix length.
    TestNetwork(const std::string& toolAddress, const std::vector<Device>& devices, int prefixLength = 24);
    ~TestNetwork();
    TestNetwork(const TestNetwork&) = delete;
    TestNetwork& operator=(const TestNetwork&) = delete;

    // What failed while building the network; empty when it stands.
    const std::string& error() const { return m_error; }
    const std::string& toolNamespace() const { return m_names[1]; }
    const std::string& deviceNamespace(size_t device) const { return m_names[2 + device]; }
    bool setDeviceLink(size_t device, bool up);

private:
    bool ip(const std::vector<std::string>& arguments);

    std::vector<std::string> m_names;  // bridge, tool, devices
    std::string m_error;
    int m_guardInput = -1;
    int m_guard = -1;
};

// Moves the calling thread into a named network namespace until it goes; threads, sockets and
// processes it creates meanwhile belong to that namespace.
class InsideNamespace {
public:
    explicit InsideNamespace(const std::string& name);
    ~InsideNamespace();
    InsideNamespace(const InsideNamespace&) = delete;
    InsideNamespace& operator=(const InsideNamespace&) = delete;
    bool entered() const { return m_entered; }

private:
    int m_home = -1;
    bool m_entered = false;
};

}  // namespace q7::test
