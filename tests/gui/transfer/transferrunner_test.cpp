// put and get on the real main window, with the process seam faked:
// which clients start with which arguments, the bar and button states while they start, and how
// each reported end shows in the transfer log and on disk.
#include "gui/mainwindow/mainwindow.h"
#include "gui/transfer/playerlisttransfers.h"
#include "gui/players/playerlistview.h"
#include "gui/transfer/transferlog.h"
#include "support/fakes.h"
#include "support/qtwait.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QProgressBar>
#include <QPushButton>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::test;

namespace {

constexpr const char* kSendButtons[] = {"DownloadButton", "EraseButton", "FileListButton",
                                        "ConfigButton",   "OSDButton",   "SystemCMDButton"};

class TransferRunnerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("Q7_TFTP_PORT", "6969", 1);
        window = std::make_unique<MainWindow>(platform.services());
        list = window->findChild<PlayerListView*>(QStringLiteral("ListView1"));
        // rows: 0 served, 1 checked but offline, 2 served, 3 online but unchecked
        const bool checked[] = {true, true, true, false};
        const bool online[] = {true, false, true, true};
        for (int row = 0; row < 4; ++row) {
            window->addPlayer(QStringLiteral("Q7-%1").arg(row), QStringLiteral("127.0.0.%1").arg(row + 2));
            markRow(platform.echo, *list, row, checked[row], online[row]);
        }
        for (const char* name : kSendButtons) {
            auto* button = new QPushButton(QStringLiteral("Send "), window.get());
            button->setObjectName(QLatin1String(name));
            window->addSendButton(button);
            buttons.push_back(button);
        }
        bar = window->findChild<QProgressBar*>(QStringLiteral("SearchBar"));
    }
    void TearDown() override { ::unsetenv("Q7_TFTP_PORT"); }

    QStringList log() const { return transferLogLines(*window); }
    QStringList arguments(size_t start) const { return platform.processes.starts.at(start).arguments; }

    TempDir dir;
    FakePlatform platform{QString::fromStdString(dir.path())};
    std::unique_ptr<MainWindow> window;
    PlayerListView* list = nullptr;
    QProgressBar* bar = nullptr;
    std::vector<QPushButton*> buttons;
};

TEST_F(TransferRunnerTest, startsOneClientPerServedRowWithControlsDisabledMeanwhile)
{
    buttons[3]->setEnabled(false);  // enabled afterwards whatever it was before
    bar->setValue(40);
    std::vector<std::vector<bool>> enabledAtStart;
    platform.processes.onStart = [&](const FakeProcessStarter::Start&) {
        std::vector<bool> states{window->isEnabled(), bar->value() == bar->maximum()};
        for (QPushButton* button : buttons)
            states.push_back(button->isEnabled());
        enabledAtStart.push_back(states);
    };

    EXPECT_EQ(window->transfers()->get(QStringLiteral("/config.conf"), QStringLiteral("config.conf"), -1),
              QStringLiteral("Q7_2_config.conf"));
    ASSERT_EQ(platform.processes.starts.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const QString address = i == 0 ? QStringLiteral("127.0.0.2") : QStringLiteral("127.0.0.4");
        const QStringList args = arguments(i);
        EXPECT_EQ(platform.processes.starts[i].program, QStringLiteral("tftp"));
        EXPECT_EQ(args.mid(0, 5), (QStringList{address, "6969", "-c", "get", "/config.conf"}));
        EXPECT_TRUE(args[5].startsWith(i == 0 ? "tftp-Q7_0_config.conf-" : "tftp-Q7_2_config.conf-"))
            << args[5].toStdString();
        EXPECT_EQ(platform.processes.starts[i].workingDir, platform.startDir);
        EXPECT_EQ(enabledAtStart[i], std::vector<bool>({false, true, false, false, false, false, false, false}));
    }
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(bar->value(), 0);
    for (QPushButton* button : buttons)
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_EQ(log(), QStringList());  // nothing has ended yet

    // Row 0 delivers; row 2 refuses. Only the delivered copy appears under its name.
    writeBytes(dir.file(arguments(0)[5].toStdString()), "[MISC3]\r\n");
    platform.processes.finish(0, ProcessExit::How::Exited, 0);
    platform.processes.finish(1, ProcessExit::How::Exited, 0, "Error code 1: File not found\n");
    EXPECT_EQ(readBytes(dir.file("Q7_0_config.conf")), "[MISC3]\r\n");
    EXPECT_FALSE(fileExists(dir.file("Q7_2_config.conf")));
    EXPECT_FALSE(fileExists(dir.file(arguments(1)[5].toStdString())));
    EXPECT_EQ(log(), (QStringList{"get /config.conf 127.0.0.2 row 0: done",
                                  "get /config.conf 127.0.0.4 row 2: failed (refused: File not found)",
                                  "get /config.conf: 1 of 2 players done"}));
    auto* widget = window->findChild<QListWidget*>(QStringLiteral("TransferLog"));
    // Below the line: the Windows form, then the client's start as it was made, port included.
    EXPECT_EQ(widget->item(0)->toolTip(),
              widget->item(0)->text() + QStringLiteral("\ntftp 127.0.0.2 GET /config.conf Q7_0_config.conf"
                                                       "\nCommand: tftp 127.0.0.2 6969 -c get /config.conf ") +
                  arguments(0)[5]);
}

TEST_F(TransferRunnerTest, aMissingClientIsSaidOnceAtStartNamingItsPackage)
{
    EXPECT_TRUE(platform.dialogs.messages.empty());  // installed: nothing to say
    window.reset();
    platform.processes.missing << QStringLiteral("tftp");
    window = std::make_unique<MainWindow>(platform.services());
    EXPECT_EQ(platform.dialogs.messages,
              (std::vector<QString>{"The TFTP client \"tftp\" is not installed; install the package tftp-hpa (for "
                                    "example with \"sudo apt install tftp-hpa\"). Until then nothing can be sent "
                                    "to the players or fetched from them."}));
}

TEST_F(TransferRunnerTest, putsAndRowSelection)
{
    const QString local = QStringLiteral("/home/op/my lists/play list.lst");
    const struct {
        int row;
        QString result;
        QStringList addresses;
    } cases[] = {
        {-1, "127.0.0.4", {"127.0.0.2", "127.0.0.4"}},
        {2, "127.0.0.4", {"127.0.0.4"}},
        {1, "", {}},  // checked but offline
        {3, "", {}},  // online but unchecked
    };
    for (const auto& c : cases) {
        platform.processes.starts.clear();
        bar->setValue(7);
        EXPECT_EQ(window->transfers()->put(local, QStringLiteral("/play.lst"), c.row), c.result) << c.row;
        QStringList addresses;
        for (const auto& start : platform.processes.starts) {
            addresses << start.arguments[2];
            EXPECT_EQ(start.arguments, (QStringList{"-m", "binary", start.arguments[2], "6969", "-c", "put", local,
                                                    "/play.lst"}));
        }
        EXPECT_EQ(addresses, c.addresses) << c.row;
        EXPECT_EQ(bar->value(), 0);
        EXPECT_TRUE(window->isEnabled());
    }
    EXPECT_EQ(log(), (QStringList{"put /play.lst: no served player", "put /play.lst: no served player"}));
}

TEST_F(TransferRunnerTest, everyEndShowsInTheLog)
{
    ::unsetenv("Q7_TFTP_PORT");
    window->transfers()->put(QStringLiteral("/tmp/nullCMD.txt"), QStringLiteral("/reboot"), -1);
    window->transfers()->put(QStringLiteral("/tmp/nullCMD.txt"), QStringLiteral("/osd_on"), -1);
    ASSERT_EQ(platform.processes.starts.size(), 4u);
    EXPECT_EQ(arguments(0)[3], QStringLiteral("69"));
    platform.processes.finish(2, ProcessExit::How::NotStarted, ENOENT);
    platform.processes.finish(0, ProcessExit::How::Exited, 69, "Transfer timed out.\n");
    platform.processes.finish(3, ProcessExit::How::NotStarted, ENOENT);
    platform.processes.finish(1, ProcessExit::How::Exited, 0, "Error code 2: Access violation\n");
    EXPECT_EQ(log(), (QStringList{"put /osd_on 127.0.0.2 row 0: tftp client not found (install tftp-hpa)",
                                  "put /reboot 127.0.0.2 row 0: failed (timed out)",
                                  "put /osd_on 127.0.0.4 row 2: tftp client not found (install tftp-hpa)",
                                  "put /osd_on: 0 of 2 players done",
                                  "put /reboot 127.0.0.4 row 2: failed (refused: Access violation)",
                                  "put /reboot: 0 of 2 players done"}));

    // A fetch whose temporary file cannot be made (the folder is gone) starts no client.
    const std::string moved = dir.path() + "-moved";
    fs::rename(dir.path(), moved);
    platform.processes.starts.clear();
    EXPECT_EQ(window->transfers()->get(QStringLiteral("/Q7files"), QStringLiteral("q7files.txt"), 0),
              QStringLiteral("Q7_0_q7files.txt"));
    fs::rename(moved, dir.path());
    EXPECT_TRUE(platform.processes.starts.empty());
    ASSERT_GE(log().size(), 2);
    EXPECT_TRUE(log()[log().size() - 2].startsWith("get /Q7files 127.0.0.2 row 0: failed (cannot create a file in"));
    EXPECT_EQ(log().last(), QStringLiteral("get /Q7files: 0 of 1 player done"));

    // A remote name tftp would read as an option starts no client either; its end comes from the event loop.
    platform.processes.starts.clear();
    window->transfers()->put(QStringLiteral("/tmp/nullCMD.txt"), QStringLiteral("-V"), 0);
    EXPECT_TRUE(platform.processes.starts.empty());
    ASSERT_TRUE(waitUntil([&] { return log().last() == QStringLiteral("put -V: 0 of 1 player done"); }))
        << log().join('\n').toStdString();
    EXPECT_EQ(log()[log().size() - 2],
              QStringLiteral("put -V 127.0.0.2 row 0: failed (not sent: the remote name \"-V\" would reach tftp as an option)"));
}

// The log takes focus, and "Retry failed" of the current line opens from the keyboard and works when
// triggered as a screen reader does it, closing its menu.
TEST_F(TransferRunnerTest, retryFailedWithoutAMouse)
{
    auto* log = window->findChild<TransferLog*>(QStringLiteral("TransferLog"));
    EXPECT_EQ(log->focusPolicy(), Qt::StrongFocus);
    window->transfers()->put(QStringLiteral("/tmp/nullCMD.txt"), QStringLiteral("/reboot"), -1);
    platform.processes.finish(0, ProcessExit::How::Exited, 69, "Transfer timed out.\n");
    platform.processes.finish(1, ProcessExit::How::Exited, 0);
    ASSERT_GT(log->retryableCall(log->count() - 1), 0) << this->log().join(QLatin1Char(10)).toStdString();
    log->setCurrentRow(log->count() - 1);  // the summary
    const auto openMenu = [&](bool menuKey) -> QMenu* {
        if (menuKey) {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), QPoint());
            QApplication::sendEvent(log, &event);
        } else {
            QTest::keyClick(log, Qt::Key_F10, Qt::ShiftModifier);
        }
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    };
    QMenu* menu = openMenu(true);
    ASSERT_NE(menu, nullptr);
    menu->close();
    menu = openMenu(false);
    ASSERT_NE(menu, nullptr);
    QAction* retry = menu->findChild<QAction*>(QStringLiteral("RetryFailed1"));
    ASSERT_TRUE(retry && retry->isEnabled());
    retry->trigger();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_EQ(platform.processes.starts.size(), 3u);
    EXPECT_EQ(arguments(2)[2], QStringLiteral("127.0.0.2"));  // only the failed player

    log->setCurrentRow(0);  // a player's line offers nothing
    menu = openMenu(false);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->findChild<QAction*>(QStringLiteral("RetryFailed1"))->isEnabled());
    menu->close();
}

}  // namespace
