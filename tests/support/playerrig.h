#pragma once
// The main window against test players on loopback through the real tftp client: players
// 127.0.0.2.. with their folders under a fresh folder, the tool started in "start/" beside them.

#include "gui/mainwindow/mainwindow.h"
#include "gui/widgets/waitpanel.h"
#include "core/config/configfile.h"
#include "gui/config/configpage.h"
#include "gui/platform/process.h"
#include "gui/players/playerlistview.h"
#include "gui/transfer/playerlisttransfers.h"
#include "support/fakes.h"
#include "support/qtwait.h"
#include "support/programs.h"
#include "support/tempdir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <chrono>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <thread>

namespace q7::test {

class PlayerRig {
public:
    // `waitScale` shortens the paced waits (0: none); `prepare(i, folder)` may fill player i's
    // folder before the players start.
    PlayerRig(int players, double waitScale,
              const std::function<void(int, const std::string&)>& prepare = {})
    {
        std::filesystem::create_directories(startDir);
        std::vector<std::string> arguments;
        for (int i = 0; i < players; ++i) {
            std::filesystem::create_directories(folder(i) + "/HDD");
            if (prepare)
                prepare(i, folder(i));
            arguments.push_back(address(i) + "=" + folder(i));
        }
        sim = std::make_unique<PlayerSim>(arguments, dir.file("sim.out"));
        qputenv("Q7_TFTP_PORT", QByteArray::number(sim->port()));
        window = std::make_unique<MainWindow>(Services{platform.dialogs, platform.system, processes, platform.resolver,
                                                        platform.echo, platform.viewer,
                                                        QString::fromStdString(startDir), waitScale});
        // The pages the tests drive, built as when the operator first shows them.
        window->commandPage();
        window->configPage()->buildSheets();
        list = window->findChild<PlayerListView*>(QStringLiteral("ListView1"));
        for (int i = 0; i < players; ++i)
            window->addPlayer(QStringLiteral("Q7"), QString::fromStdString(address(i)));
    }
    ~PlayerRig() { qunsetenv("Q7_TFTP_PORT"); }

    void mark(int row, bool checked, bool online) { markRow(platform.echo, *list, row, checked, online); }
    template <typename T = QWidget>
    T* find(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    void click(const char* button) { find<QPushButton>(button)->click(); }

    static std::string address(int i) { return "127.0.0." + std::to_string(i + 2); }
    std::string folder(int i) const { return dir.file("player" + std::to_string(i)); }
    std::string inStart(const std::string& name) const { return startDir + "/" + name; }
    std::string journal(int i) const { return readBytes(folder(i) + "/journal.jsonl"); }

    QStringList log() const { return transferLogLines(*window); }
    // Handles the window's events until `line` is in the log (false after 20 s).
    bool logged(const QString& line) const { return waitUntil([&] { return log().contains(line); }, 20000); }
    // Handles the window's events until every command has ended and no fetch of one is still
    // being written (false after `timeoutMs`).
    bool settled(int timeoutMs = 30000) const
    {
        return waitUntil([&] { return window->transfers()->busyCommands() == 0; }, timeoutMs);
    }

    TempDir dir;
    std::string startDir = dir.file("start");
    FakePlatform platform{QString::fromStdString(startDir)};
    QtProcessStarter processes;
    std::unique_ptr<PlayerSim> sim;
    std::unique_ptr<MainWindow> window;
    PlayerListView* list = nullptr;
};

// Stands in for the players' time while the waits are cut short: when a wait reaches one of the
// positions, the window runs until that position's transfer summary is logged. Each position
// holds once.
inline void holdAt(PlayerRig& rig, std::map<int, QString> summaries)
{
    auto pending = std::make_shared<std::map<int, QString>>(std::move(summaries));
    QObject::connect(rig.window->waitPanel(), &WaitPanel::stepped, rig.window.get(), [&rig, pending](int position) {
        const auto it = pending->find(position);
        if (it == pending->end())
            return;
        const QString summary = it->second;
        pending->erase(it);
        EXPECT_TRUE(rig.logged(summary)) << summary.toStdString() << "\n" << rig.log().join('\n').toStdString();
    });
}

// Backup and Restore against a test player: Backup loads the configuration of the first checked
// player (row 1) into the pages; Restore makes it adopt the pages once changed. Row 0 is unchecked
// and hears nothing. `hold`: the waits are cut short and the players' time stood in for.
inline void backupAndRestoreRoundTrip(double waitScale, bool hold)
{
    PlayerRig rig(2, waitScale, [](int i, const std::string& folder) {
        if (i != 1)
            return;
        IniStore store;
        config::FieldValues values = config::defaultFieldValues();
        values["ScrollingText"] = {"On", 1};
        values["Volume"].text = "17";
        config::saveConfigFile(store, folder + "/config.conf", values, CodePage(1252));
    });
    rig.mark(0, false, true);
    rig.mark(1, true, true);
    ConfigPage* page = rig.window->configPage();
    page->enableBackupRestore();

    if (hold)
        holdAt(rig, {{50, "Backup /saveconfig: 1 of 1 player done"}, {100, "Backup /config.conf: 1 of 1 player done"}});
    rig.click("BackupButton");
    ASSERT_TRUE(rig.settled()) << rig.log().join('\n').toStdString();
    EXPECT_EQ(page->fieldValues().at("Volume").text, "17");
    EXPECT_EQ(page->fieldValues().at("ScrollingText").chosen, 1);
    EXPECT_EQ(rig.find<QLabel>("FWVersion")->text(), QStringLiteral("Version : Q7-SIM^3.8.9"));  // as the label shows it
    EXPECT_TRUE(rig.find("ScrollingTextColor")->isEnabled());

    rig.find<QLineEdit>("Volume")->setText(QStringLiteral("9"));
    if (hold)
        holdAt(rig, {{70, "Restore /config.conf.put: 1 of 1 player done"}});
    rig.click("RestoreButton");
    ASSERT_TRUE(rig.logged("Restore /restoreconfig: 1 of 1 player done")) << rig.log().join('\n').toStdString();
    const std::string restored = readBytes(rig.inStart("127.0.0.3_config.conf"));
    EXPECT_NE(restored.find("[Volume]=9\r\n"), std::string::npos);
    EXPECT_EQ(readBytes(rig.folder(1) + "/config.conf"), restored);
    EXPECT_NE(rig.journal(1).find("adopted config.conf.put"), std::string::npos);
    EXPECT_EQ(rig.journal(0), "");
}

}  // namespace q7::test
