// The running tool's search on real sockets: the main window with the Linux resolver and echo
// probe, on loopback, and as root in network namespaces built for the test (never on any other
// network).

#include "gui/mainwindow/mainwindow.h"
#include "core/platform/linuxnetwork.h"
#include "gui/players/playerlistview.h"
#include "gui/players/playerpanel.h"
#include "support/fakes.h"
#include "support/tempdir.h"
#include "support/testnetwork.h"
#include "support/qtwait.h"

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace q7;
using namespace q7::test;

namespace {

// The main window on the real network seams of the calling thread's network namespace.
struct RealWindow {
    explicit RealWindow(const QStringList& localAddresses)
    {
        platform.system.addresses = localAddresses;
        window = std::make_unique<MainWindow>(Services{platform.dialogs, platform.system, platform.processes,
                                                        resolver, echo, platform.viewer, platform.startDir, 0.0});
    }
    PlayerListView* list() const { return window->findChild<PlayerListView*>(QStringLiteral("ListView1")); }
    PlayerPanel* panel() const { return window->findChild<PlayerPanel*>(QStringLiteral("PlayerPanel")); }
    void sweep() const
    {
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("SearchQ7Button")), Qt::LeftButton);
        // 253 resolutions in parallel, the unanswered ones ending with the kernel's ARP time-out.
        Q7_WAIT_VERIFY_WITH_TIMEOUT(!panel()->searching(), 30000);
    }
    QStringList rows() const
    {
        QStringList out;
        for (const PlayerEntry& entry : list()->entries())
            out << QString::fromStdString(entry.address + " " + entry.name + (entry.online ? " online" : " offline"));
        out.sort();
        return out;
    }

    TempDir dir;
    FakePlatform platform{QString::fromStdString(dir.path())};
    LinuxAddressResolver resolver;
    LinuxEchoProbe echo;
    std::unique_ptr<MainWindow> window;
};

TEST(SearchOnSockets, loopbackEntriesGoOnlineAndALoopbackSweepFindsNothing)
{
    RealWindow tool({});
    EXPECT_EQ(tool.window->findChild<QComboBox*>(QStringLiteral("LocalIPBox"))->currentText(), "127.0.0.1");
    tool.window->addPlayer(QStringLiteral("Here"), QStringLiteral("127.0.0.2"));
    tool.window->addPlayer(QStringLiteral("There"), QStringLiteral("127.0.0.3"));
    // The echo timer's first tick comes 100 ms after the list is filled.
    Q7_WAIT_COMPARE_WITH_TIMEOUT(tool.rows(), (QStringList{"127.0.0.2 Here online", "127.0.0.3 There online"}), 5000);

    tool.sweep();
    EXPECT_EQ(tool.list()->topLevelItemCount(), 2);
}

TEST(SearchOnSockets, sweepAndEchoInNamespaces)
{
    if (const std::string reason = TestNetwork::unavailableReason(); !reason.empty())
        GTEST_SKIP() << "network namespace tests skipped: " << reason;
    // Three players (one per prefix tried here; 00:01:D2 with a fourth byte below 0x80), a device of
    // another maker and 249 unused addresses.
    TestNetwork network("198.18.7.1", {{"00:e0:4c:00:00:07", "198.18.7.10"},
                                       {"00:01:d2:01:02:03", "198.18.7.20"},
                                       {"00:1d:0f:ab:ff:fe", "198.18.7.30"},
                                       {"02:11:22:33:44:55", "198.18.7.40"}});
    if (!network.error().empty())
        GTEST_SKIP() << "network namespaces cannot be made here: " << network.error();
    const InsideNamespace inside(network.toolNamespace());
    ASSERT_TRUE(inside.entered());

    RealWindow tool({QStringLiteral("198.18.7.1")});
    EXPECT_EQ(tool.window->findChild<QComboBox*>(QStringLiteral("LocalIPBox"))->currentText(), "198.18.7.1");
    tool.sweep();
    const QStringList found = {"198.18.7.10 Q7_00007", "198.18.7.20 Q7_00515", "198.18.7.30 Q7_65534"};
    const auto withState = [&](const QStringList& states) {
        QStringList out;
        for (int i = 0; i < found.size(); ++i)
            out << found[i] + " " + states[i];
        return out;
    };
    // Found entries start offline; the echo timer may already have probed some of them.
    QStringList names;
    for (const PlayerEntry& entry : tool.list()->entries())
        names << QString::fromStdString(entry.address + " " + entry.name);
    names.sort();
    EXPECT_EQ(names, found);

    tool.sweep();
    EXPECT_EQ(tool.list()->topLevelItemCount(), 3);

    tool.panel()->echoTick();
    Q7_WAIT_COMPARE_WITH_TIMEOUT(tool.rows(), withState({"online", "online", "online"}), 5000);

    ASSERT_TRUE(network.setDeviceLink(0, false));
    tool.panel()->echoTick();
    Q7_WAIT_COMPARE_WITH_TIMEOUT(tool.rows(), withState({"offline", "online", "online"}), 5000);

    // Gone in the middle of a sweep and an echo pass: the waiting workers end, nothing is delivered.
    QTest::mouseClick(tool.window->findChild<QPushButton*>(QStringLiteral("SearchQ7Button")), Qt::LeftButton);
    tool.panel()->echoTick();
    const auto* bar = tool.window->findChild<QProgressBar*>(QStringLiteral("SearchBar"));
    Q7_WAIT_VERIFY(bar->value() >= 12);  // ten workers and more are waiting for the kernel
    tool.window.reset();
    QCoreApplication::processEvents();
}

}  // namespace
