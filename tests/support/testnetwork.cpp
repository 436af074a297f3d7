#include "support/testnetwork.h"
#include "support/programs.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace q7::test {
namespace {

int waitFor(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

std::string TestNetwork::unavailableReason()
{
    if (::geteuid() != 0)
        return "creating network namespaces needs root";
    if (runProgram({"ip", "-V"}).status != 0)
        return "the ip program (iproute2) is missing";
    return {};
}

TestNetwork::TestNetwork(const std::string& toolAddress, const std::vector<Device>& devices, int prefixLength)
{
    static std::atomic<int> serial{0};
    const std::string stem = "q7t7-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + "-";
    m_names = {stem + "br", stem + "tool"};
    for (size_t i = 0; i < devices.size(); ++i)
        m_names.push_back(stem + "d" + std::to_string(i));

    // The guard deletes our namespaces once its input closes: when we are done, or when this
    // process dies without getting there.
    int input[2];
    if (::pipe2(input, O_CLOEXEC) == 0) {
        std::vector<std::string> argv = {"/bin/sh", "-c",
                                         "cat >/dev/null; for n do ip netns del \"$n\" 2>/dev/null; done", "guard"};
        argv.insert(argv.end(), m_names.begin(), m_names.end());
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input[0], 0);
        m_guard = startProgram(argv, &actions);
        posix_spawn_file_actions_destroy(&actions);
        ::close(input[0]);
        m_guardInput = input[1];
    }
    if (m_guard < 0) {
        m_error = "cannot start the clean-up guard";
        return;
    }

    const std::string& bridge = m_names[0];
    for (const std::string& name : m_names)
        if (!ip({"netns", "add", name}) || !ip({"-n", name, "link", "set", "lo", "up"}))
            return;
    if (!ip({"-n", bridge, "link", "add", "br0", "type", "bridge"}) || !ip({"-n", bridge, "link", "set", "br0", "up"}))
        return;
    // Port n of the bridge leads to eth0 of the tool (n = 0) or of device n - 1.
    const auto attach = [&](size_t port, const std::string& name, const std::string& address) {
        const std::string peer = "p" + std::to_string(port);
        return ip({"link", "add", "eth0", "netns", name, "type", "veth", "peer", "name", peer, "netns", bridge}) &&
               ip({"-n", bridge, "link", "set", peer, "master", "br0", "up"}) &&
               ip({"-n", name, "addr", "add", address + "/" + std::to_string(prefixLength), "dev", "eth0"});
    };
    if (!attach(0, toolNamespace(), toolAddress) || !ip({"-n", toolNamespace(), "link", "set", "eth0", "up"}))
        return;
    for (size_t i = 0; i < devices.size(); ++i)
        if (!attach(i + 1, deviceNamespace(i), devices[i].address) ||
            !ip({"-n", deviceNamespace(i), "link", "set", "eth0", "address", devices[i].hardware, "up"}))
            return;
}

TestNetwork::~TestNetwork()
{
    for (const std::string& name : m_names)
        runProgram({"ip", "netns", "del", name});
    if (m_guardInput >= 0)
        ::close(m_guardInput);
    if (m_guard > 0)
        waitFor(m_guard);
}

bool TestNetwork::ip(const std::vector<std::string>& arguments)
{
    std::vector<std::string> argv = {"ip"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    const RunResult run = runProgram(argv);
    if (run.status == 0)
        return true;
    m_error = "ip";
    for (const std::string& argument : arguments)
        m_error += " " + argument;
    m_error += ": " + run.output;
    return false;
}

bool TestNetwork::setDeviceLink(size_t device, bool up)
{
    return ip({"-n", deviceNamespace(device), "link", "set", "eth0", up ? "up" : "down"});
}

InsideNamespace::InsideNamespace(const std::string& name)
{
    m_home = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
    const int target = ::open(("/run/netns/" + name).c_str(), O_RDONLY | O_CLOEXEC);
    m_entered = m_home >= 0 && target >= 0 && ::setns(target, CLONE_NEWNET) == 0;
    if (target >= 0)
        ::close(target);
}

InsideNamespace::~InsideNamespace()
{
    if (m_entered)
        ::setns(m_home, CLONE_NEWNET);
    if (m_home >= 0)
        ::close(m_home);
}

}  // namespace q7::test
