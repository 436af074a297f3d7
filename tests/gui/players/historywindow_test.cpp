// Player history in the running window: sweep finds, online changes and transfer outcomes are
// recorded, shown in the list's hover text and the history panel, and kept across a restart.
#include "gui/mainwindow/mainwindow.h"
#include "gui/transfer/playerlisttransfers.h"
#include "gui/players/historypanel.h"
#include "gui/players/playerlistview.h"
#include "gui/players/playerpanel.h"
#include "support/fakes.h"
#include "support/qtwait.h"
#include "support/tempdir.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace q7;
using namespace q7::test;

namespace {

QStringList column(const QTreeWidget* tree, int column)
{
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        out << tree->topLevelItem(i)->text(column);
    return out;
}

}  // namespace

TEST(HistoryWindow, findsChangesAndTransfersAreKeptAcrossARestart)
{
    TempDir dir;
    FakePlatform platform{QString::fromStdString(dir.path())};
    Services services = platform.services();
    services.historyPath = QString::fromStdString(dir.file("data/history.sqlite3"));
    {
        MainWindow window(services);
        auto* panel = window.findChild<PlayerPanel*>(QStringLiteral("PlayerPanel"));
        auto* list = window.findChild<PlayerListView*>(QStringLiteral("ListView1"));
        platform.resolver.setDevice("198.18.6.10", {0x00, 0xE0, 0x4C, 0x00, 0x00, 0x07});
        window.findChild<QComboBox*>(QStringLiteral("LocalIPBox"))->setEditText(QStringLiteral("198.18.6.1"));
        window.findChild<QPushButton*>(QStringLiteral("SearchQ7Button"))->click();
        Q7_WAIT_COMPARE(list->topLevelItemCount(), 1);
        Q7_WAIT_VERIFY(!panel->searching());

        platform.echo.setRoundTrip("198.18.6.10", 3);
        panel->echoTick();
        Q7_WAIT_VERIFY(list->isOnline(0));
        platform.echo.setRoundTrip("198.18.6.10", std::nullopt);
        panel->echoTick();
        Q7_WAIT_VERIFY(!list->isOnline(0));
        platform.echo.setRoundTrip("198.18.6.10", 3);
        panel->echoTick();
        Q7_WAIT_VERIFY(list->isOnline(0));

        list->topLevelItem(0)->setCheckState(0, Qt::Checked);
        window.transfers()->put(platform.system.scratch + QStringLiteral("/nullCMD.txt"), QStringLiteral("/reboot"), -1,
                   QStringLiteral("Reboot"));
        ASSERT_EQ(platform.processes.starts.size(), 1u);
        platform.processes.finish(0, ProcessExit::How::Exited, 0, "Error code 2: Access violation\n");
    }
    EXPECT_TRUE(platform.dialogs.errors.empty());

    // A new run: the list's player shows its history.
    MainWindow window(services);
    window.addPlayer(QStringLiteral("Q7_00007"), QStringLiteral("198.18.6.10"));
    auto* list = window.findChild<PlayerListView*>(QStringLiteral("ListView1"));
    list->selectRow(0);
    QAction* history = list->popupMenu()->findChild<QAction*>(QStringLiteral("History1"));
    ASSERT_NE(history, nullptr);
    history->trigger();
    auto* panel = window.findChild<HistoryPanel*>(QStringLiteral("HistoryPanel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    auto* events = panel->findChild<QTreeWidget*>(QStringLiteral("HistoryList"));
    EXPECT_EQ(column(events, 1), (QStringList{"transfer", "online", "offline", "online", "found"}));
    EXPECT_TRUE(column(events, 2).first().startsWith(QStringLiteral("Reboot: failed")));
    EXPECT_TRUE(panel->windowTitle().contains(QStringLiteral("last seen ")));
    EXPECT_TRUE(panel->windowTitle().endsWith(QStringLiteral("1 outage in 7 days")));
}

TEST(HistoryWindow, aDamagedDatabaseIsSaidOnceAndTheWindowWorksOn)
{
    TempDir dir;
    FakePlatform platform{QString::fromStdString(dir.path())};
    Services services = platform.services();
    services.historyPath = QString::fromStdString(dir.file("history.sqlite3"));
    writeBytes(dir.file("history.sqlite3"), std::string(8192, '\x01'));
    MainWindow window(services);
    Q7_WAIT_COMPARE(platform.dialogs.errors.size(), size_t(1));
    window.addPlayer(QStringLiteral("Q7"), QStringLiteral("198.18.6.11"));
    auto* panel = window.findChild<PlayerPanel*>(QStringLiteral("PlayerPanel"));
    platform.echo.setRoundTrip("198.18.6.11", 3);
    panel->echoTick();
    Q7_WAIT_VERIFY(window.findChild<PlayerListView*>(QStringLiteral("ListView1"))->isOnline(0));
    QTest::qWait(50);
    EXPECT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_EQ(readBytes(dir.file("history.sqlite3")), std::string(8192, '\x01'));
}
