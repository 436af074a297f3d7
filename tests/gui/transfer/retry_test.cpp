// "Retry failed" in the transfer log: a call is sent again to exactly the players whose transfer
// failed, and the retry's lines stand under the original call. Through the real tftp client
// against test players: one refuses the name at first and takes it once allowed.
#include "gui/mainwindow/mainwindow.h"
#include "gui/transfer/playerlisttransfers.h"
#include "gui/platform/process.h"
#include "gui/players/playerlistview.h"
#include "support/fakes.h"
#include "support/programs.h"
#include "support/qtwait.h"
#include "support/tempdir.h"
#include "gui/transfer/transferlog.h"

#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::test;

namespace {

QStringList lines(const TransferLog* log) { return transferLogLines(*log->window()); }

int count(const std::string& journal, const std::string& text)
{
    const std::string bytes = fs::exists(journal) ? readBytes(journal) : std::string();
    int n = 0;
    for (size_t at = bytes.find(text); at != std::string::npos; at = bytes.find(text, at + 1))
        ++n;
    return n;
}

}  // namespace

TEST(RetryFailed, sendsAgainToExactlyThePlayersThatFailed)
{
    if (!haveProgram("tftp"))
        GTEST_SKIP() << "the tftp client (tftp-hpa) is not installed";
    TempDir dir;
    PlayerSim willing({"127.0.0.2=" + dir.file("p2")}, dir.file("willing.out"));
    const std::string port = willing.portText();
    auto refusing = std::make_unique<PlayerSim>(
        std::vector<std::string>{"--port", port, "--deny", "/reboot", "127.0.0.3=" + dir.file("p3")},
        dir.file("refusing.out"));
    qputenv("Q7_TFTP_PORT", QByteArray::fromStdString(port));

    FakePlatform platform{QString::fromStdString(dir.file("start"))};
    fs::create_directories(dir.file("start/scratch"));
    QtProcessStarter processes;
    MainWindow window(Services{platform.dialogs, platform.system, processes, platform.resolver, platform.echo,
                                platform.viewer, platform.startDir, 0.0});
    auto* list = window.findChild<PlayerListView*>(QStringLiteral("ListView1"));
    auto* log = window.findChild<TransferLog*>(QStringLiteral("TransferLog"));
    for (int row = 0; row < 3; ++row) {
        window.addPlayer(QStringLiteral("Q7"), QStringLiteral("127.0.0.%1").arg(row + 2));
        markRow(platform.echo, *list, row, row < 2, row < 2);  // the third is not served
    }
    window.transfers()->put(platform.system.scratch + QStringLiteral("/nullCMD.txt"), QStringLiteral("/reboot"), -1,
               QStringLiteral("Reboot"));
    Q7_WAIT_VERIFY_WITH_TIMEOUT(lines(log).contains(QStringLiteral("Reboot: 1 of 2 players done")), 20000);
    const int summary = int(lines(log).indexOf(QStringLiteral("Reboot: 1 of 2 players done")));
    const int call = log->retryableCall(summary);
    ASSERT_GT(call, 0);

    // Something else is logged meanwhile; the player is allowed the name now.
    window.transfers()->put(platform.system.scratch + QStringLiteral("/nullCMD.txt"), QStringLiteral("/osd_on"), 0,
               QStringLiteral("OSD ON"));
    Q7_WAIT_VERIFY_WITH_TIMEOUT(lines(log).contains(QStringLiteral("OSD ON: 1 of 1 player done")), 20000);
    refusing->stop();
    refusing = std::make_unique<PlayerSim>(std::vector<std::string>{"--port", port, "127.0.0.3=" + dir.file("p3")},
                                           dir.file("allowed.out"));

    emit log->retryRequested(call);
    Q7_WAIT_VERIFY_WITH_TIMEOUT(lines(log).contains(QStringLiteral("  retry: Reboot: 1 of 1 player done")), 20000);
    const QStringList after = lines(log);
    const int retryLine = int(after.indexOf(QStringLiteral("  retry: Reboot: 1 of 1 player done")));
    EXPECT_EQ(after[retryLine - 1], QStringLiteral("  retry: Reboot 127.0.0.3 row 1: done"));
    EXPECT_EQ(retryLine - 1, summary + 1);  // under the original call, above the OSD ON lines
    EXPECT_EQ(log->retryableCall(retryLine), 0);
    EXPECT_EQ(count(dir.file("p2/journal.jsonl"), "\"name\":\"/reboot\""), 1);  // never sent twice
    EXPECT_EQ(count(dir.file("p3/journal.jsonl"), "\"name\":\"/reboot\""), 2);  // refused, then taken
    EXPECT_TRUE(fs::exists(dir.file("p3/reboot")));
    qunsetenv("Q7_TFTP_PORT");
}
