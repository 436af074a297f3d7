// Slow (the tftp-hpa client gives up after 25 s): a transfer to a player that never answers shows
// as timed out in the transfer log.
#include "gui/mainwindow/mainwindow.h"
#include "gui/transfer/playerlisttransfers.h"
#include "gui/platform/process.h"
#include "gui/players/playerlistview.h"
#include "support/fakes.h"
#include "support/programs.h"
#include "support/tempdir.h"
#include "support/qtwait.h"

#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace q7;
using namespace q7::test;

namespace {

TEST(TransferTimeoutTest, silentPlayerShowsAsTimedOut)
{
    TempDir dir;
    PlayerSim sim({"--mute", "127.0.0.2", "127.0.0.2=" + dir.file("player")}, dir.file("sim.out"));
    qputenv("Q7_TFTP_PORT", QByteArray::number(sim.port()));
    FakePlatform platform{QString::fromStdString(dir.path())};
    QtProcessStarter processes;
    MainWindow window(Services{platform.dialogs, platform.system, processes, platform.resolver, platform.echo, platform.viewer, platform.startDir, 0.0});
    window.addPlayer("Q7", "127.0.0.2");
    auto* list = window.findChild<PlayerListView*>(QStringLiteral("ListView1"));
    markRow(platform.echo, *list, 0, true, true);

    window.transfers()->put(platform.system.scratch + "/nullCMD.txt", "/osd_on", -1);
    auto* log = window.findChild<QListWidget*>(QStringLiteral("TransferLog"));
    Q7_WAIT_COMPARE_WITH_TIMEOUT(log->count(), 2, 60000);
    EXPECT_EQ(log->item(0)->text().mid(9), QStringLiteral("put /osd_on 127.0.0.2 row 0: failed (timed out)"));
    EXPECT_EQ(log->item(1)->text().mid(9), QStringLiteral("put /osd_on: 0 of 1 player done"));
    qunsetenv("Q7_TFTP_PORT");
}

}  // namespace
