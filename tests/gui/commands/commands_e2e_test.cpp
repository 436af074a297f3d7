// The Remote Command page and Backup / Restore end to end: the real tftp client against test
// players on loopback. The waits are cut short; where a command depends on the players having
// acted, the test lets the window run until the transfer it waits for has ended.
#include "support/playerrig.h"

#include <QLineEdit>
#include <gtest/gtest.h>

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

}  // namespace
