// The Compare players window end to end: three test players on loopback through the real tftp
// client, a fourth that refuses its config file, the waits cut short.
#include "support/playerrig.h"
#include "gui/config/compareplayers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace q7;
using namespace q7::test;

namespace {

TEST(ComparePlayers, tableMarksDifferingSettingsAndSilentPlayersAndExchangesWithThePages)
{
    // Player 1 has its own volume, player 2 scrolls its text: two settings differ.
    PlayerRig rig(3, 0.0, [](int i, const std::string& folder) {
        config::FieldValues values = config::defaultFieldValues();
        if (i == 1)
            values["Volume"].text = "17";
        if (i == 2)
            values["ScrollingText"] = {"On", 1};
        IniStore store;
        config::saveConfigFile(store, folder + "/config.conf", values, CodePage(1252));
    });
    const std::string silent = rig.dir.file("silent");
    std::filesystem::create_directories(silent + "/HDD");
    PlayerSim refusing({"--port", rig.sim->portText(), "--deny", "/config.conf", "127.0.0.9=" + silent},
                       rig.dir.file("refusing.out"));
    rig.window->addPlayer(QStringLiteral("Q7"), QStringLiteral("127.0.0.9"));
    for (int row = 0; row < 4; ++row)
        rig.mark(row, true, true);
    writeBytes(rig.inStart("Q7_3_compare.conf"), "[MISC3]\r\n[Volume]=1\r\n");  // stale: must not count
    rig.window->configPage()->enableBackupRestore();

    holdAt(rig, {{50, "Compare /saveconfig: 4 of 4 players done"}, {100, "Compare /config.conf: 3 of 4 players done"}});
    rig.click("ComparePlayersButton");
    ASSERT_TRUE(rig.settled()) << rig.log().join('\n').toStdString();
    auto* view = rig.find("ComparePlayers");
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isWindow());
    auto* table = view->findChild<QTableWidget*>(QStringLiteral("CompareTable"));
    ASSERT_EQ(table->columnCount(), 4);
    ASSERT_GT(table->rowCount(), 2);
    const auto setting = [&](int row) { return table->verticalHeaderItem(row)->text(); };
    EXPECT_TRUE(setting(0).startsWith(QStringLiteral("differs: "))) << setting(0).toStdString();
    EXPECT_TRUE(setting(1).startsWith(QStringLiteral("differs: "))) << setting(1).toStdString();
    EXPECT_FALSE(setting(2).startsWith(QStringLiteral("differs: "))) << setting(2).toStdString();
    EXPECT_TRUE(table->item(0, 0)->font().bold());
    EXPECT_FALSE(table->item(2, 0)->font().bold());
    const int volume = setting(0).contains(QStringLiteral("Volume")) ? 0 : 1;
    EXPECT_TRUE(setting(volume).contains(QStringLiteral("[Volume]"))) << setting(volume).toStdString();
    EXPECT_EQ(table->item(volume, 1)->text(), QStringLiteral("17"));
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QStringLiteral("Q7\n127.0.0.2"));
    EXPECT_EQ(table->horizontalHeaderItem(3)->text(), QStringLiteral("Q7\n127.0.0.9\n(no answer)"));
    for (int row = 0; row < table->rowCount(); ++row)
        EXPECT_EQ(table->item(row, 3)->text(), QString()) << row;
    EXPECT_TRUE(fileExists(rig.inStart("Q7_0_compare.conf")));

    // Player 1's column into the pages.
    ConfigPage* page = rig.window->configPage();
    table->selectColumn(1);
    rig.click("LoadIntoPagesButton");  // lives in the view, found through the window
    EXPECT_EQ(page->fieldValues().at("Volume").text, "17");
    // The page says whose configuration it holds: the player and when its copy arrived.
    const auto* source = rig.find<QLabel>("PagesSource");
    const QDateTime fetched = QFileInfo(QString::fromStdString(rig.inStart("Q7_1_compare.conf"))).lastModified();
    EXPECT_EQ(source->toolTip(), "The pages hold the configuration of Q7 127.0.0.3, fetched " +
                                     fetched.toString(QStringLiteral("hh:mm")) + ".");

    // The pages, changed, to player 2 only.
    rig.find<QLineEdit>("Volume")->setText(QStringLiteral("9"));
    table->clearSelection();
    table->selectColumn(2);
    holdAt(rig, {{70, "Compare /config.conf.put: 1 of 1 player done"}});
    rig.click("PutPagesButton");
    ASSERT_TRUE(rig.logged("Compare /restoreconfig: 1 of 1 player done")) << rig.log().join('\n').toStdString();
    ASSERT_TRUE(page->saveConfigTo(QString::fromStdString(rig.dir.file("saved.conf"))));
    const std::string saved = readBytes(rig.dir.file("saved.conf"));
    EXPECT_NE(saved.find("[Volume]=9\r\n"), std::string::npos);
    EXPECT_EQ(readBytes(rig.folder(2) + "/config.conf"), saved);
    EXPECT_NE(rig.journal(2).find("adopted config.conf.put"), std::string::npos);
    EXPECT_EQ(rig.journal(1).find("config.conf.put"), std::string::npos);

    // An address field that is none: nothing is written, nothing is sent.
    auto& messages = rig.platform.dialogs.messages;
    rig.find<QLineEdit>("IPGateway")->setText(QStringLiteral("999.1.1.1"));
    EXPECT_FALSE(page->saveConfigTo(QString::fromStdString(rig.dir.file("refused.conf"))));
    EXPECT_FALSE(fileExists(rig.dir.file("refused.conf")));
    table->selectColumn(0);
    rig.click("PutPagesButton");
    ASSERT_EQ(messages.size(), 2u);
    for (const QString& message : messages)
        EXPECT_TRUE(message.startsWith(QStringLiteral("IP Gateway: \"999.1.1.1\" is not an IPv4 address"))) << message.toStdString();
    rig.find<QLineEdit>("IPGateway")->setText(QStringLiteral("0.0.0.0"));

    // A fixed address to two players: refused; with each player's own address kept, both get the pages
    // with their own network settings.
    rig.find<QComboBox>("AutomaticIP")->setCurrentText(QStringLiteral("Off"));
    rig.find<QLineEdit>("IPAddress")->setText(QStringLiteral("198.18.0.50"));
    table->clearSelection();
    for (const int column : {0, 1})
        table->selectionModel()->select(table->model()->index(0, column),
                                        QItemSelectionModel::Select | QItemSelectionModel::Columns);
    rig.click("PutPagesButton");
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_TRUE(messages.back().startsWith(QStringLiteral("The pages give a fixed IP address (Automatic IP \"Off\"): 2 players")))
        << messages.back().toStdString();
    EXPECT_EQ(rig.journal(0).find("config.conf.put"), std::string::npos);
    EXPECT_EQ(rig.journal(1).find("config.conf.put"), std::string::npos);

    auto* keep = view->findChild<QCheckBox*>(QStringLiteral("KeepAddressCheck"));
    ASSERT_NE(keep, nullptr);
    EXPECT_EQ(keep->text(), QStringLiteral("Keep each player's own IP address"));
    keep->setChecked(true);
    holdAt(rig, {{70, "Compare /config.conf.put: 2 of 2 players done"}});
    rig.click("PutPagesButton");
    ASSERT_TRUE(rig.logged("Compare /restoreconfig: 2 of 2 players done")) << rig.log().join('\n').toStdString();
    EXPECT_EQ(messages.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        const std::string adopted = readBytes(rig.folder(i) + "/config.conf");
        EXPECT_NE(adopted.find("[Automatic IP]=On\r\n[IP Address]=0.0.0.0\r\n"), std::string::npos) << adopted;
        EXPECT_NE(adopted.find("[Volume]=9\r\n"), std::string::npos) << adopted;
    }

    // It stops naming the player once the list holds that player no more; another player's removal
    // leaves it.
    rig.list->removeRows({3});
    EXPECT_FALSE(source->toolTip().isEmpty());
    rig.list->removeRows({1});
    EXPECT_EQ(source->toolTip(), QString());
    EXPECT_EQ(source->text(), QString());

    // Escape or the Close button closes the window.
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());
    view->show();
    rig.click("CloseButton");
    EXPECT_FALSE(view->isVisible());
}

}  // namespace
