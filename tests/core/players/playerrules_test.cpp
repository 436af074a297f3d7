// The player list rules, the dialog's answer rules, the search's naming and online rules, and the
// search workers driven through fake network seams.

#include "core/base/ipv4.h"
#include "core/players/networksearch.h"
#include "core/players/playerlist.h"
#include "support/fakenetwork.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <mutex>

using namespace q7;
using namespace q7::test;

namespace {

std::vector<std::string> numberedAddresses(size_t count)
{
    std::vector<std::string> addresses;
    for (size_t i = 0; i < count; ++i)
        addresses.push_back("198.18." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1));
    return addresses;
}

TEST(PlayerListRules, duplicatesAndLimits)
{
    const std::vector<std::string> two = {"198.18.0.1", "198.18.0.2"};
    EXPECT_EQ(checkAddPlayer(two, "198.18.0.2", kMaxOperatorPlayers), AddOutcome::AlreadyListed);
    EXPECT_EQ(checkAddPlayer(two, "198.18.0.3", kMaxOperatorPlayers), AddOutcome::Added);
    // Exact text: a leading zero makes another entry.
    EXPECT_EQ(checkAddPlayer(two, "198.18.0.02", kMaxOperatorPlayers), AddOutcome::Added);
    EXPECT_EQ(rowOfAddress(two, "198.18.0.2"), 1u);
    EXPECT_EQ(rowOfAddress(two, "198.18.0.20"), std::nullopt);

    // 256 entries: the dialog's add is refused, the search's add is not; 257 refuse both.
    const auto full = numberedAddresses(256);
    EXPECT_EQ(checkAddPlayer(full, "198.18.9.9", kMaxOperatorPlayers), AddOutcome::ListFull);
    EXPECT_EQ(checkAddPlayer(full, "198.18.9.9", kMaxPlayers), AddOutcome::Added);
    EXPECT_EQ(checkAddPlayer(full, full.back(), kMaxPlayers), AddOutcome::AlreadyListed);
    EXPECT_EQ(checkAddPlayer(numberedAddresses(257), "198.18.9.9", kMaxPlayers), AddOutcome::ListFull);

    EXPECT_TRUE((PlayerEntry{"a", "198.18.0.1", true, true}.served()));
    EXPECT_FALSE((PlayerEntry{"a", "198.18.0.1", true, false}.served()));
    EXPECT_FALSE((PlayerEntry{"a", "198.18.0.1", false, true}.served()));
}

// The one address rule of every entry point: four decimal numbers 0 to 255, no leading zero, nothing around.
TEST(AddressRule, dottedQuadOnly)
{
    const struct {
        const char* text;
        bool address;
    } cases[] = {
        {"0.0.0.0", true}, {"10.0.0.1", true}, {"255.255.255.255", true}, {"198.18.0.9", true},
        {"10.0.0.300", false}, {"999.1.1.1", false}, {"256.0.0.1", false}, {"1.2.3", false},
        {"1.2.3.4.5", false}, {"1..2.3", false}, {"1.2.3.", false}, {".1.2.3", false},
        {"01.2.3.4", false},  // a leading zero reads as octal to tftp and the C library
        {"1.2.3.00", false}, {"0x1.2.3.4", false}, {"1234.1.1.1", false}, {"-V", false}, {"-c", false},
        {" 1.2.3.4", false}, {"1.2.3.4 ", false}, {"1.2.3.4\n", false}, {"", false}, {"localhost", false},
        {"+1.2.3.4", false}, {"1.2.3.4/24", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isIPv4Address(c.text), c.address) << '"' << c.text << '"';
        EXPECT_EQ(ipv4Problem(c.text, "IP Mask").empty(), c.address) << '"' << c.text << '"';
    }
    EXPECT_EQ(ipv4Problem("10.0.0.300", "IP Mask").english(),
              "IP Mask: \"10.0.0.300\" is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)");
    EXPECT_FALSE(isIPv4Address(std::string_view("1.2.3.4\0", 8)));
}

TEST(PlayerListRules, dialogAnswers)
{
    struct Case {
        const char* name;
        const char* address;
        bool modifying;
        DialogOutcome outcome;
    };
    const Case cases[] = {
        {"Hall", "198.18.0.9", false, DialogOutcome::Add},     // OK after Add
        {"Hall", "198.18.0.9", true, DialogOutcome::Update},   // OK after Modify
        {"", "198.18.0.9", false, DialogOutcome::Add},         // empty name
        {"Hall", "12", false, DialogOutcome::BadAddress},      // two characters, no address
        {"Hall", "10.0.0.300", false, DialogOutcome::BadAddress},
        {"Hall", "10.0.0.300", true, DialogOutcome::BadAddress},
        {"Hall", "1", false, DialogOutcome::Nothing},          // address too short
        {"Hall", "1", true, DialogOutcome::Nothing},
        {"Hall", "", true, DialogOutcome::Nothing},
        {" ", "198.18.0.9", false, DialogOutcome::Nothing},    // a name of one space is no answer
        {" ", "198.18.0.9", true, DialogOutcome::Nothing},
        {"Hall", "\xC3\xA9", false, DialogOutcome::Nothing},   // one character in two bytes
    };
    for (const Case& c : cases)
        EXPECT_EQ(dialogOutcome(c.name, c.address, c.modifying), c.outcome)
            << '"' << c.name << "\" \"" << c.address << '"';
}

TEST(PlayerListRules, addressKeyFilter)
{
    for (char32_t c : std::u32string(U"0123456789.\b"))
        EXPECT_TRUE(addressKeyAccepted(c)) << int(c);
    for (char32_t c : std::u32string(U"aZ ,:-/\u0661\u00E9"))
        EXPECT_FALSE(addressKeyAccepted(c)) << int(c);
}

TEST(SearchRules, hardwareAddressesAndNames)
{
    struct Case {
        HardwareAddress hardware;
        const char* text;
        bool player;
        const char* name;
    };
    const Case cases[] = {
        {{0x00, 0xE0, 0x4C, 0x00, 0x00, 0x07}, "00:E0:4C:00:00:07", true, "Q7_00007"},
        {{0x00, 0x19, 0xE0, 0xAB, 0x01, 0x02}, "00:19:E0:AB:01:02", true, "Q7_00258"},
        {{0x00, 0x1D, 0x0F, 0x12, 0xFF, 0xFF}, "00:1D:0F:12:FF:FF", true, "Q7_65535"},
        // Whatever the fourth byte.
        {{0x00, 0x01, 0xD2, 0x7F, 0x00, 0x00}, "00:01:D2:7F:00:00", true, "Q7_00000"},
        {{0x00, 0x01, 0xD2, 0x80, 0x30, 0x39}, "00:01:D2:80:30:39", true, "Q7_12345"},
        {{0x00, 0x01, 0xD3, 0x80, 0x30, 0x39}, "00:01:D3:80:30:39", false, "Q7_12345"},
        {{0x02, 0xE0, 0x4C, 0x00, 0x00, 0x07}, "02:E0:4C:00:00:07", false, "Q7_00007"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hardwareAddressText(c.hardware), c.text);
        EXPECT_EQ(isPlayerHardwareAddress(c.text), c.player) << c.text;
        EXPECT_EQ(generatedPlayerName(c.hardware), c.name) << c.text;
    }
    EXPECT_TRUE(isPlayerHardwareAddress("00:e0:4c:aa:bb:cc"));  // letter case ignored
    EXPECT_FALSE(isPlayerHardwareAddress(" "));                 // the failed-resolution text
    EXPECT_FALSE(isPlayerHardwareAddress("00:E0:4"));
}

TEST(SearchRules, roundTripRule)
{
    EXPECT_TRUE(answeredInTime(0));
    EXPECT_TRUE(answeredInTime(289));
    EXPECT_FALSE(answeredInTime(290));
    EXPECT_FALSE(answeredInTime(300));
    EXPECT_TRUE(answeredInTime(89, 100));
    EXPECT_FALSE(answeredInTime(90, 100));
}

TEST(SearchRules, sweepAddresses)
{
    const auto swept = sweepAddresses("192.168.5.17");
    ASSERT_EQ(swept.size(), 253u);
    EXPECT_EQ(swept.front(), "192.168.5.2");
    EXPECT_EQ(swept[1], "192.168.5.3");
    EXPECT_EQ(swept.back(), "192.168.5.254");
    EXPECT_EQ(sweepAddresses("127.0.0.1").front(), "127.0.0.2");
    EXPECT_EQ(sweepAddresses("10.1").back(), "10.254");        // up to the last "."
    EXPECT_EQ(sweepAddresses("host").front(), "host2");        // no "." at all: the whole text
    EXPECT_EQ(sweepAddresses("198.18.7.").front(), "198.18.7.2");
}

TEST(SearchRules, networkHostAddresses)
{
    const auto hosts = networkHostAddresses(0xC6120702, 22);  // 198.18.7.2: host bits are ignored
    ASSERT_EQ(hosts.size(), 1022u);
    EXPECT_EQ(hosts.front(), "198.18.4.1");
    EXPECT_EQ(hosts[255], "198.18.5.0");  // a host of a /22, unlike in a /24
    EXPECT_EQ(hosts.back(), "198.18.7.254");
    EXPECT_EQ(networkHostAddresses(0xC6120707, 30), (std::vector<std::string>{"198.18.7.5", "198.18.7.6"}));
    const auto top = networkHostAddresses(0xFFFF1234, 16);  // the highest network ends without wrapping
    EXPECT_EQ(top.size(), 65534u);
    EXPECT_EQ(top.back(), "255.255.255.254");
}

// The search through its fakes: found players and echo reports are collected as the workers
// deliver them.
class NetworkSearchTest : public ::testing::Test {
protected:
    std::vector<FoundPlayer> found() const
    {
        const std::lock_guard lock(mutex);
        return m_found;
    }
    std::vector<EchoReport> reports() const
    {
        const std::lock_guard lock(mutex);
        return m_reports;
    }

    FakeAddressResolver resolver;
    FakeEchoProbe probe;
    mutable std::mutex mutex;
    std::vector<FoundPlayer> m_found;
    std::vector<EchoReport> m_reports;
    NetworkSearch search{resolver, probe,
                         [this](const FoundPlayer& player) {
                             const std::lock_guard lock(mutex);
                             m_found.push_back(player);
                         },
                         [this](const EchoReport& report) {
                             const std::lock_guard lock(mutex);
                             m_reports.push_back(report);
                         }};
};

TEST_F(NetworkSearchTest, sweepResolvesEveryHostFromTheTopAndReportsOnlyPlayers)
{
    resolver.setDevice("198.18.7.10", {0x00, 0xE0, 0x4C, 0x00, 0x00, 0x07});
    resolver.setDevice("198.18.7.20", {0x00, 0x01, 0xD2, 0x01, 0x02, 0x03});
    resolver.setDevice("198.18.7.30", {0x02, 0x11, 0x22, 0x33, 0x44, 0x55});  // another maker

    SweepLaunch launch("198.18.7.1");
    std::vector<std::string> order;
    for (int step = 0; !launch.finished(); ++step) {
        launch.launchNext(search);
        EXPECT_EQ(launch.launched(), step + 1);
        // A launch that has fallen behind its schedule waits a negative time, not a wrapped-around one.
        EXPECT_LT((kSweepSpacing * launch.launched() - std::chrono::hours(1)).count(), 0);
        search.waitIdle();  // one at a time, so the order of resolutions is the order of starts
        order.push_back(resolver.asked().back());
    }
    ASSERT_EQ(order.size(), 253u);
    EXPECT_EQ(order.front(), "198.18.7.254");
    // A launch that has fallen behind is due in the past, never in a far future.
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(launch.nextDue(begin, std::chrono::milliseconds(10)), begin + std::chrono::milliseconds(2530));
    EXPECT_LT(launch.nextDue(begin, std::chrono::milliseconds(10)) - (begin + std::chrono::seconds(3)),
              std::chrono::milliseconds(0));
    EXPECT_EQ(order.back(), "198.18.7.2");

    auto players = found();
    std::sort(players.begin(), players.end(), [](auto& a, auto& b) { return a.address < b.address; });
    ASSERT_EQ(players.size(), 2u);
    EXPECT_EQ(players[0].address, "198.18.7.10");
    EXPECT_EQ(generatedPlayerName(players[0].hardware), "Q7_00007");
    EXPECT_EQ(players[1].address, "198.18.7.20");
    EXPECT_FALSE(search.busy());
}

TEST_F(NetworkSearchTest, blockingLaunchEndsWithAllWorkersStarted)
{
    launchSweep(search, "127.0.0.1", std::chrono::milliseconds(0));
    search.waitIdle();
    EXPECT_EQ(resolver.asked().size(), 253u);
    EXPECT_TRUE(found().empty());
}

TEST_F(NetworkSearchTest, echoPassProbesInOrderAndReportsSilenceAsTimeout)
{
    probe.setRoundTrip("198.18.7.10", 4);
    probe.setRoundTrip("198.18.7.30", 295);
    search.startEchoPass({"198.18.7.10", "198.18.7.20", "198.18.7.30"});
    search.waitIdle();
    EXPECT_EQ(probe.probed(), (std::vector<std::string>{"198.18.7.10", "198.18.7.20", "198.18.7.30"}));
    const auto got = reports();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].address, "198.18.7.10");
    EXPECT_EQ(got[0].roundTripMs, 4);
    EXPECT_EQ(got[1].address, "198.18.7.20");  // the probed address, not "0.0.0.0": it goes offline
    EXPECT_GE(got[1].roundTripMs, kEchoTimeoutMs);
    EXPECT_EQ(got[2].roundTripMs, 295);

    search.startEchoPass({});
    EXPECT_FALSE(search.busy());  // nothing to probe, no worker
}

TEST_F(NetworkSearchTest, echoPassStopsAtTheFirstRowThatIsGone)
{
    // Two rows are deleted while the first probe is out.
    probe.onProbe = [this](const std::string&) { search.setListedRows(1); };
    search.startEchoPass({"198.18.7.10", "198.18.7.20", "198.18.7.30"});
    search.waitIdle();
    EXPECT_EQ(probe.probed(), std::vector<std::string>{"198.18.7.10"});
    EXPECT_EQ(reports().size(), 1u);
}

TEST_F(NetworkSearchTest, stopEndsBlockedWorkersAtOnceAndDeliversNothingAfterwards)
{
    resolver.holdUntilStopped();
    resolver.setDevice("198.18.7.10", {0x00, 0xE0, 0x4C, 0x00, 0x00, 0x07});
    launchSweep(search, "198.18.7.1", std::chrono::milliseconds(0));
    EXPECT_TRUE(search.busy());
    search.stop();  // returns although every resolution still waits
    EXPECT_FALSE(search.busy());
    EXPECT_TRUE(found().empty());

    search.startResolve("198.18.7.10");  // a stopped search starts nothing
    search.startEchoPass({"198.18.7.10"});
    EXPECT_FALSE(search.busy());
    EXPECT_TRUE(reports().empty());
}

}  // namespace
