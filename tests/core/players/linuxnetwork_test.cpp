// The Linux network seams on real sockets: on loopback everywhere, and as root in network
// namespaces that the test builds and removes again (never on any other network).

#include "core/platform/linuxnetwork.h"
#include "core/players/networksearch.h"
#include "support/programs.h"
#include "support/testnetwork.h"

#include <fstream>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace q7;
using namespace q7::test;

namespace {

bool usable(EchoMethod method)
{
    switch (method) {
    case EchoMethod::DatagramSocket:
    case EchoMethod::RawSocket: {
        const int sock = ::socket(AF_INET, method == EchoMethod::RawSocket ? SOCK_RAW : SOCK_DGRAM, IPPROTO_ICMP);
        if (sock >= 0)
            ::close(sock);
        return sock >= 0;
    }
    case EchoMethod::PingProgram:
        return runProgram({"ping", "-V"}).status == 0;
    }
    return false;
}

constexpr EchoMethod kMethods[] = {EchoMethod::DatagramSocket, EchoMethod::RawSocket, EchoMethod::PingProgram};

TEST(LinuxEcho, loopbackAnswersThroughEveryUsableMethod)
{
    int tried = 0;
    for (EchoMethod method : kMethods) {
        if (!usable(method))
            continue;
        ++tried;
        LinuxEchoProbe probe(method);
        for (const char* address : {"127.0.0.1", "127.0.0.2", "127.0.0.254"}) {
            const EchoReply reply = probe.echo(address, kEchoTimeoutMs, {});
            EXPECT_TRUE(reply.replied) << echoMethodName(method) << ' ' << address;
            EXPECT_TRUE(answeredInTime(reply.roundTripMs)) << echoMethodName(method) << ' ' << reply.roundTripMs;
        }
        // Texts that are no dotted address are never sent anywhere (nor given to ping as options).
        for (const char* text : {"", "-f", "127.0.0.01", "localhost", "198.18.7."}) {
            const EchoReply reply = probe.echo(text, kEchoTimeoutMs, {});
            EXPECT_FALSE(reply.replied) << echoMethodName(method) << " \"" << text << '"';
            EXPECT_EQ(reply.roundTripMs, kEchoTimeoutMs);
        }
    }
    EXPECT_GE(tried, 1);
    EXPECT_TRUE(usable(availableEchoMethod()));
}

TEST(LinuxResolver, loopbackAndTextsThatAreNoAddressResolveToNothing)
{
    LinuxAddressResolver resolver;
    for (const char* text : {"127.0.0.1", "127.0.0.2", "", "host2", "127.0.0.256", "abc.def"})
        EXPECT_EQ(resolver.resolve(text, {}), std::nullopt) << text;
}

TEST(LinuxResolver, sweepOfLoopbackFindsNothingAndEnds)
{
    LinuxAddressResolver resolver;
    LinuxEchoProbe probe;
    int found = 0;
    NetworkSearch search(resolver, probe, [&](const FoundPlayer&) { ++found; }, [](const EchoReport&) {});
    launchSweep(search, "127.0.0.1", std::chrono::milliseconds(0));
    search.waitIdle();
    EXPECT_EQ(found, 0);
}

// As root: a player, another device and unused addresses on 198.18.7.0/24.
class LinuxNetworkInNamespaces : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string reason = TestNetwork::unavailableReason(); !reason.empty())
            GTEST_SKIP() << "network namespace tests skipped: " << reason;
        network = std::make_unique<TestNetwork>(
            "198.18.7.1", std::vector<TestNetwork::Device>{{"00:e0:4c:00:00:07", "198.18.7.10"},
                                                          {"02:11:22:33:44:55", "198.18.7.40"}});
        if (!network->error().empty())
            GTEST_SKIP() << "network namespaces cannot be made here: " << network->error();
    }

    std::unique_ptr<TestNetwork> network;
};

TEST_F(LinuxNetworkInNamespaces, resolverReportsHardwareAddressesAndFailures)
{
    const InsideNamespace inside(network->toolNamespace());
    ASSERT_TRUE(inside.entered());
    LinuxAddressResolver resolver;
    EXPECT_EQ(resolver.resolve("198.18.7.10", {}), (HardwareAddress{0x00, 0xE0, 0x4C, 0x00, 0x00, 0x07}));
    EXPECT_EQ(resolver.resolve("198.18.7.40", {}), (HardwareAddress{0x02, 0x11, 0x22, 0x33, 0x44, 0x55}));
    EXPECT_EQ(resolver.resolve("198.18.7.10", {}), (HardwareAddress{0x00, 0xE0, 0x4C, 0x00, 0x00, 0x07}));  // known
    EXPECT_EQ(resolver.resolve("198.18.7.99", {}), std::nullopt);  // the kernel gives up
    EXPECT_EQ(resolver.resolve("198.18.7.1", {}), std::nullopt);   // our own address
    EXPECT_EQ(resolver.resolve("198.18.8.10", {}), std::nullopt);  // no route at all

    // A stop request ends a resolution that is still waiting.
    std::stop_source stop;
    std::optional<HardwareAddress> late = HardwareAddress{};
    std::jthread waiting([&] { late = resolver.resolve("198.18.7.98", stop.get_token()); });
    stop.request_stop();
    waiting.join();
    EXPECT_EQ(late, std::nullopt);
}

TEST_F(LinuxNetworkInNamespaces, everyEchoMethodTellsAnsweringFromSilentHosts)
{
    const InsideNamespace inside(network->toolNamespace());
    ASSERT_TRUE(inside.entered());
    // Open the datagram socket to every group, in this namespace only.
    std::ofstream("/proc/sys/net/ipv4/ping_group_range") << "0 2147483647\n";
    EXPECT_EQ(availableEchoMethod(), EchoMethod::DatagramSocket);
    for (EchoMethod method : kMethods) {
        LinuxEchoProbe probe(method);
        const EchoReply answering = probe.echo("198.18.7.10", kEchoTimeoutMs, {});
        EXPECT_TRUE(answering.replied) << echoMethodName(method);
        EXPECT_TRUE(answeredInTime(answering.roundTripMs)) << echoMethodName(method);
        const EchoReply silent = probe.echo("198.18.7.99", kEchoTimeoutMs, {});
        EXPECT_FALSE(silent.replied) << echoMethodName(method);
        EXPECT_GE(silent.roundTripMs, kEchoTimeoutMs) << echoMethodName(method);
    }
}

}  // namespace
