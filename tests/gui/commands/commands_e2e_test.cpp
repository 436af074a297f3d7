// The Remote Command page and Backup / Restore end to end: the real tftp client against test
// players on loopback. The waits are cut short; where a command depends on the players having
// acted, the test lets the window run until the transfer it waits for has ended.
#include "support/playerrig.h"

#include <QLineEdit>
#include <QTranslator>
#include <chrono>
#include <gtest/gtest.h>
#include <optional>

using namespace q7;
using namespace q7::test;

namespace {

TEST(CommandsEndToEnd, commandsReachTheCheckedOnlinePlayersOnly)
{
    PlayerRig rig(3, 0.0);
    rig.mark(0, true, true);
    rig.mark(1, true, true);
    rig.mark(2, false, true);

    rig.find<QComboBox>("SystemCMDBox")->setCurrentIndex(0);
    rig.click("SystemCMDButton");
    ASSERT_TRUE(rig.logged("Reboot: 2 of 2 players done")) << rig.log().join('\n').toStdString();
    EXPECT_TRUE(rig.log().contains("Reboot 127.0.0.2 row 0: done"));

    rig.find<QComboBox>("OSDBox")->setCurrentIndex(4);
    rig.find<QLineEdit>("Edit2")->setText(QStringLiteral("45"));
    rig.click("OSDButton");
    ASSERT_TRUE(rig.logged("Volume: 2 of 2 players done")) << rig.log().join('\n').toStdString();

    for (int i : {0, 1}) {
        EXPECT_NE(rig.journal(i).find("\"name\":\"/reboot\""), std::string::npos) << i;
        EXPECT_EQ(readBytes(rig.folder(i) + "/multicmd.txt"), "Volume 31") << i;
    }
    EXPECT_EQ(rig.journal(2), "");
}

// The log names a command in the window's language; what the player history records stays English.
TEST(CommandsEndToEnd, theLogNamesTheCommandInTheWindowsLanguage)
{
    struct CommandsTranslator : QTranslator {
        bool isEmpty() const override { return false; }
        QString translate(const char* context, const char* source, const char*, int) const override
        {
            return qstrcmp(context, "Commands") == 0 ? QStringLiteral("<%1>").arg(QString::fromUtf8(source)) : QString();
        }
    } translator;
    QCoreApplication::installTranslator(&translator);
    PlayerRig rig(1, 0.0);
    std::vector<std::string> recorded;
    rig.window->transfers()->runner().setOutcomeListener(
        [&](const std::string&, const std::string& line) { recorded.push_back(line); });
    rig.mark(0, true, true);
    rig.find<QComboBox>("SystemCMDBox")->setCurrentIndex(0);
    rig.click("SystemCMDButton");
    EXPECT_TRUE(rig.logged("<Reboot>: 1 of 1 player done")) << rig.log().join('\n').toStdString();
    EXPECT_TRUE(rig.log().contains("<Reboot> 127.0.0.2 row 0: done"));
    EXPECT_EQ(recorded, std::vector<std::string>{"Reboot: done"});
    QCoreApplication::removeTranslator(&translator);
}

TEST(CommandsEndToEnd, fileListFetchesAndOpensEachServedPlayersListing)
{
    PlayerRig rig(3, 0.0, [](int i, const std::string& folder) {
        writeBytes(folder + "/HDD/clip" + std::to_string(i) + ".mpg", "video");
    });
    rig.mark(0, true, true);
    rig.mark(1, true, false);  // checked but offline
    rig.mark(2, true, true);
    writeBytes(rig.inStart("Q7_1_q7files.txt"), "from an earlier run");

    holdAt(rig, {{5, "Get HDD List /getfiles: 2 of 2 players done"}, {15, "Get HDD List /Q7files: 2 of 2 players done"}});
    rig.click("FileListButton");
    ASSERT_TRUE(rig.settled()) << rig.log().join('\n').toStdString();

    EXPECT_EQ(rig.platform.viewer.opened, (QStringList{QString::fromStdString(rig.inStart("Q7_0_q7files.txt")),
                                                       QString::fromStdString(rig.inStart("Q7_2_q7files.txt"))}));
    for (int i : {0, 2}) {
        const std::string listing = readBytes(rig.inStart("Q7_" + std::to_string(i) + "_q7files.txt"));
        EXPECT_EQ(listing, readBytes(rig.folder(i) + "/Q7files")) << i;
        EXPECT_NE(listing.find("clip" + std::to_string(i) + ".mpg"), std::string::npos) << listing;
    }
    EXPECT_FALSE(fileExists(rig.inStart("Q7_1_q7files.txt")));
}

TEST(CommandsEndToEnd, backupAndRestoreRoundTripAPlayersConfiguration) { backupAndRestoreRoundTrip(0.0, true); }

// When the player journalled `name`: milliseconds into the day (UTC), none when it did not.
std::optional<long> journalled(const std::string& journal, const std::string& name)
{
    const size_t at = journal.find("\"name\":\"" + name + "\"");
    if (at == std::string::npos)
        return std::nullopt;
    const size_t line = journal.rfind('\n', at) == std::string::npos ? 0 : journal.rfind('\n', at) + 1;
    const size_t clock = journal.find('T', line) + 1;  // "time":"YYYY-MM-DDTHH:MM:SS.mmmZ"
    const auto number = [&](size_t offset, size_t digits) { return std::stol(journal.substr(clock + offset, digits)); };
    return ((number(0, 2) * 60 + number(3, 2)) * 60 + number(6, 2)) * 1000 + number(9, 3);
}

// Closing the window while a Restore waits for the player to take its file: asked once, "Stop
// them" sends nothing more and leaves no file behind; "Wait" keeps the window open until the
// command has sent /restoreconfig after the full wait, then it closes by itself.
TEST(CommandsEndToEnd, closingDuringARestoreStopsItOrWaitsForIt)
{
    constexpr double kScale = 0.3;  // the 7.1 s wait takes 2.13 s
    constexpr int kWaitMs = int(7100 * kScale);
    for (const auto answer : {Dialogs::StillRunningAnswer::Stop, Dialogs::StillRunningAnswer::Wait}) {
        const bool stop = answer == Dialogs::StillRunningAnswer::Stop;
        SCOPED_TRACE(stop ? "Stop them" : "Wait");
        PlayerRig rig(1, kScale);
        rig.mark(0, true, true);
        rig.window->configPage()->enableBackupRestore();
        bool closed = false;
        QObject::connect(rig.window.get(), &MainWindow::closed, [&] { closed = true; });
        rig.window->show();

        rig.click("RestoreButton");
        ASSERT_TRUE(rig.logged("Restore /config.conf.put: 1 of 1 player done")) << rig.log().join('\n').toStdString();
        ASSERT_TRUE(rig.window->waitPanel()->isVisibleTo(rig.window.get()));  // still waiting
        rig.platform.dialogs.stillRunningAnswers.push_back(answer);
        EXPECT_EQ(rig.window->close(), stop);
        EXPECT_EQ(rig.platform.dialogs.stillRunningQuestions, std::vector<QString>{"1 command is still running."});
        Q7_WAIT_VERIFY_WITH_TIMEOUT(closed, 20000);
        EXPECT_FALSE(rig.window->isVisible());

        const std::optional<long> put = journalled(rig.journal(0), "/config.conf.put");
        ASSERT_TRUE(put.has_value()) << rig.journal(0);
        if (stop) {
            // Well past the end of the wait the player has still not been told to adopt the file.
            EXPECT_FALSE(waitUntil([&] { return journalled(rig.journal(0), "/restoreconfig").has_value(); },
                                   kWaitMs + 1000))
                << rig.journal(0);
        } else {
            const std::optional<long> adopt = journalled(rig.journal(0), "/restoreconfig");
            ASSERT_TRUE(adopt.has_value()) << rig.journal(0);
            // The put is journalled as it ends, a little after the wait began.
            EXPECT_GE((*adopt - *put + 86400000) % 86400000, kWaitMs - 250) << rig.journal(0);
        }
        for (const auto& entry : std::filesystem::directory_iterator(rig.startDir))
            EXPECT_FALSE(entry.path().filename().string().starts_with("tftp")) << entry.path();
    }
}

}  // namespace
