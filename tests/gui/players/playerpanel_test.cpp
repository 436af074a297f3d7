// The player list, the Driver Setup dialog, the sweep and the echo timer in the real main window,
// offscreen, with the network seams faked.

#include "gui/mainwindow/mainwindow.h"
#include "gui/players/playerdialog.h"
#include "gui/players/playerlistview.h"
#include "gui/players/playerpanel.h"
#include "support/fakes.h"
#include "support/tempdir.h"
#include "support/qtwait.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace q7;
using namespace q7::test;

namespace {

const QString kSelectDriver = QStringLiteral("Please select at least one driver.");

class PlayerPanelTest : public ::testing::Test {
protected:
    void SetUp() override { window = std::make_unique<MainWindow>(platform.services()); }

    template <typename T = QWidget>
    T* child(const char* name) const
    {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    PlayerListView* list() const { return child<PlayerListView>("ListView1"); }
    PlayerDialog* dialog() const { return child<PlayerDialog>("OKRightDlg"); }
    PlayerPanel* panel() const { return child<PlayerPanel>("PlayerPanel"); }
    QTimer* pingTimer() const { return child<QTimer>("PingTimer"); }
    QLineEdit* field(const char* name) const { return dialog()->findChild<QLineEdit*>(QLatin1String(name)); }
    void menu(const char* action) const { list()->popupMenu()->findChild<QAction*>(QLatin1String(action))->trigger(); }
    void click(const char* button) const
    {
        QTest::mouseClick(dialog()->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }

    // One row as "caption|name|address|checked|state".
    QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list()->topLevelItem(i);
            out << QStringLiteral("%1|%2|%3|%4|%5")
                       .arg(item->text(0), item->text(1), item->text(2),
                            item->checkState(0) == Qt::Checked ? "checked" : "unchecked", item->toolTip(0));
        }
        return out;
    }

    // Answers an open dialog with OK after typing into its fields.
    void answer(const QString& name, const QString& address)
    {
        field("Q7_Name")->setText(name);
        field("IP_Addr")->clear();
        QTest::keyClicks(field("IP_Addr"), address);
        click("OKBtn");
    }

    void waitForSearch() const { Q7_WAIT_VERIFY_WITH_TIMEOUT(!panel()->searching(), 10000); }

    TempDir dir;
    FakePlatform platform{QString::fromStdString(dir.path())};
    std::unique_ptr<MainWindow> window;
};

TEST(PlayerPanelControls, namedControlsAndTexts)
{
    TempDir dir;
    FakePlatform platform(QString::fromStdString(dir.path()));
    platform.system.addresses = {QStringLiteral("198.18.0.5"), QStringLiteral("198.18.1.5")};
    MainWindow window(platform.services());
    auto* list = window.findChild<PlayerListView*>(QStringLiteral("ListView1"));
    QStringList captions;
    for (const QAction* action : list->popupMenu()->actions())
        captions << action->objectName() + "=" + action->text();
    EXPECT_EQ(captions, (QStringList{"ADD1=Add", "Modify1=Modify", "Delete1=Delete", "Clear1=Clear", "Undo1=Undo"}));
    EXPECT_EQ(list->popupMenu()->objectName(), QStringLiteral("PopupMenu1"));
    for (const char* name : {"Q7_Name", "IP_Addr", "OKBtn", "CancelBtn", "PlayerPanel"})
        EXPECT_NE(window.findChild<QObject*>(QLatin1String(name)), nullptr) << name;
    // The host's addresses are offered for the sweep, the last one chosen.
    auto* localIPBox = window.findChild<QComboBox*>(QStringLiteral("LocalIPBox"));
    QStringList offered;
    for (int i = 0; i < localIPBox->count(); ++i)
        offered << localIPBox->itemText(i);
    EXPECT_EQ(offered, (QStringList{"127.0.0.1", "198.18.0.5", "198.18.1.5"}));
    EXPECT_EQ(localIPBox->currentText(), QStringLiteral("198.18.1.5"));
    auto* dialog = window.findChild<QDialog*>(QStringLiteral("OKRightDlg"));
    EXPECT_EQ(dialog->size(), QSize(309, 67));
    EXPECT_EQ(dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("SearchQ7Button"))->text(), QStringLiteral("&Search Q7"));
}

TEST_F(PlayerPanelTest, addModifyAndAddAgainThroughTheDialog)
{
    menu("ADD1");
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_FALSE(dialog()->isModal());  // the main window stays usable
    EXPECT_EQ(dialog()->windowTitle(), QStringLiteral("Driver Setup"));
    EXPECT_EQ(field("Q7_Name")->text(), QStringLiteral("Q7_"));
    EXPECT_EQ(field("IP_Addr")->text(), QString());
    EXPECT_FALSE(pingTimer()->isActive());

    // The key filter lets digits, "." and backspace through.
    answer(QStringLiteral("Hall"), QStringLiteral("198.18.a0.5x9\b"));
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(rows(), QStringList{"198.18.0.5|Hall|198.18.0.5|unchecked|Offline"});
    EXPECT_TRUE(pingTimer()->isActive());
    EXPECT_EQ(pingTimer()->interval(), 100);

    list()->selectRow(0);
    menu("Modify1");
    EXPECT_EQ(field("Q7_Name")->text(), QStringLiteral("Hall"));
    EXPECT_EQ(field("IP_Addr")->text(), QStringLiteral("198.18.0.5"));
    answer(QStringLiteral("Hall 2"), QStringLiteral("198.18.0.6"));
    EXPECT_EQ(rows(), QStringList{"198.18.0.5|Hall 2|198.18.0.6|unchecked|Offline"});  // the caption stays

    // The next Add starts from "Q7_" and the address as the dialog was left; it adds, not modifies.
    menu("ADD1");
    EXPECT_EQ(field("Q7_Name")->text(), QStringLiteral("Q7_"));
    EXPECT_EQ(field("IP_Addr")->text(), QStringLiteral("198.18.0.6"));
    QTest::keyClick(field("IP_Addr"), Qt::Key_Backspace);
    QTest::keyClicks(field("IP_Addr"), QStringLiteral("7"));
    click("OKBtn");
    EXPECT_EQ(rows(), (QStringList{"198.18.0.5|Hall 2|198.18.0.6|unchecked|Offline",
                                   "198.18.0.7|Q7_|198.18.0.7|unchecked|Offline"}));

    // Adding a listed address changes nothing.
    menu("ADD1");
    answer(QStringLiteral("Again"), QStringLiteral("198.18.0.7"));
    EXPECT_EQ(list()->topLevelItemCount(), 2);
    EXPECT_TRUE(platform.dialogs.messages.empty());
}

TEST_F(PlayerPanelTest, answersThatAddNothing)
{
    const auto expectNothing = [&](const char* what) {
        EXPECT_EQ(list()->topLevelItemCount(), 0) << what;
        EXPECT_FALSE(dialog()->isVisible()) << what;
        EXPECT_FALSE(pingTimer()->isActive()) << what;  // stays stopped until the list changes
    };
    menu("ADD1");
    click("CancelBtn");
    expectNothing("Cancel");
    menu("ADD1");
    QTest::keyClick(dialog(), Qt::Key_Escape);
    expectNothing("Escape");
    menu("ADD1");
    dialog()->close();
    expectNothing("close box");
    menu("ADD1");
    answer(QStringLiteral("Short"), QStringLiteral("1"));
    expectNothing("one-character address");
    menu("ADD1");
    answer(QStringLiteral(" "), QStringLiteral("198.18.0.5"));
    expectNothing("a name of one space");

    // Enter presses OK; an empty name is accepted.
    menu("ADD1");
    field("Q7_Name")->clear();
    field("IP_Addr")->clear();
    QTest::keyClicks(field("IP_Addr"), QStringLiteral("198.18.0.12"));
    QTest::keyClick(field("IP_Addr"), Qt::Key_Return);
    EXPECT_EQ(rows(), QStringList{"198.18.0.12||198.18.0.12|unchecked|Offline"});
}

// OK reports the fields' texts with `answered`, and the panel applies them before the click returns:
// an Add answer adds, a Modify answer changes the selected entry, and an answer the rules refuse
// changes nothing and, like Cancel, closes the dialog.
TEST_F(PlayerPanelTest, dialogAnswerIsAppliedTheMomentOkIsPressed)
{
    struct Case {
        const char* what;
        const char* openedBy;  // the menu action
        const char* name;
        const char* address;  // typed into the address field
        const char* button;   // OKBtn or CancelBtn
        QStringList rowsAfter;
    };
    const QString first = QStringLiteral("198.18.0.1|A|198.18.0.1|unchecked|Offline");
    const Case cases[] = {
        {"add", "ADD1", "Hall", "198.18.0.2", "OKBtn", {first, "198.18.0.2|Hall|198.18.0.2|unchecked|Offline"}},
        {"modify", "Modify1", "B", "198.18.0.3", "OKBtn", {"198.18.0.1|B|198.18.0.3|unchecked|Offline"}},
        {"add, address too short", "ADD1", "Short", "1", "OKBtn", {first}},
        {"modify, address too short", "Modify1", "Short", "1", "OKBtn", {first}},
        {"add, a name of one space", "ADD1", " ", "198.18.0.2", "OKBtn", {first}},
        {"add, address listed", "ADD1", "Again", "198.18.0.1", "OKBtn", {first}},
        {"add, no IPv4 address", "ADD1", "Big", "10.0.0.300", "OKBtn", {first}},
        {"add, two characters", "ADD1", "Two", "12", "OKBtn", {first}},
        {"modify, no IPv4 address", "Modify1", "B", "01.2.3.4", "OKBtn", {first}},
        {"cancel", "Modify1", "B", "198.18.0.3", "CancelBtn", {first}},
    };
    for (const Case& c : cases) {
        menu("Clear1");
        window->addPlayer(QStringLiteral("A"), QStringLiteral("198.18.0.1"));
        list()->selectRow(0);
        QSignalSpy answered(dialog(), &PlayerDialog::answered);
        menu(c.openedBy);
        ASSERT_TRUE(dialog()->isVisible()) << c.what;
        field("Q7_Name")->setText(QLatin1String(c.name));
        field("IP_Addr")->clear();
        QTest::keyClicks(field("IP_Addr"), QLatin1String(c.address));
        click(c.button);
        EXPECT_EQ(rows(), c.rowsAfter) << c.what;
        EXPECT_FALSE(dialog()->isVisible()) << c.what;
        if (QLatin1String(c.button) == QLatin1String("OKBtn")) {
            ASSERT_EQ(answered.size(), 1) << c.what;
            EXPECT_EQ(answered[0], (QVariantList{QLatin1String(c.name), QLatin1String(c.address)})) << c.what;
        } else {
            EXPECT_EQ(answered.size(), 0) << c.what;
        }
    }
    // The entry opened for Modify takes the answer, also when another row was selected meanwhile.
    menu("Clear1");
    window->addPlayer(QStringLiteral("A"), QStringLiteral("198.18.0.1"));
    window->addPlayer(QStringLiteral("B"), QStringLiteral("198.18.0.2"));
    list()->selectRow(0);
    menu("Modify1");
    list()->selectRow(1);
    field("Q7_Name")->setText(QStringLiteral("A2"));
    click("OKBtn");
    EXPECT_EQ(rows(), (QStringList{first.section(QLatin1Char('|'), 0, 0) + QStringLiteral("|A2|198.18.0.1|unchecked|Offline"),
                                   QStringLiteral("198.18.0.2|B|198.18.0.2|unchecked|Offline")}));
    // Only the addresses that are no IPv4 address were refused with a message naming the field.
    const QString rule = QStringLiteral("\" is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)\n\n");
    EXPECT_EQ(platform.dialogs.messages,
              (std::vector<QString>{"IP Address: \"10.0.0.300" + rule + "No player was added.",
                                    "IP Address: \"12" + rule + "No player was added.",
                                    "IP Address: \"01.2.3.4" + rule + "The player was not changed."}));
}

TEST_F(PlayerPanelTest, modifyAndDeleteNeedASelection)
{
    window->addPlayer(QStringLiteral("A"), QStringLiteral("198.18.0.1"));
    window->addPlayer(QStringLiteral("B"), QStringLiteral("198.18.0.2"));
    window->addPlayer(QStringLiteral("C"), QStringLiteral("198.18.0.3"));
    list()->clearSelection();
    ASSERT_TRUE(pingTimer()->isActive());

    menu("Modify1");
    menu("Delete1");
    QTest::keyClick(list(), Qt::Key_Delete);  // nothing, and no message
    EXPECT_EQ(platform.dialogs.messages, (std::vector<QString>{kSelectDriver, kSelectDriver}));
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(pingTimer()->isActive());
    EXPECT_EQ(list()->topLevelItemCount(), 3);

    list()->selectRow(1);
    menu("Delete1");  // no confirmation
    EXPECT_EQ(list()->addresses(), (std::vector<std::string>{"198.18.0.1", "198.18.0.3"}));
    EXPECT_FALSE(pingTimer()->isActive());
    EXPECT_EQ(list()->selectedRow(), -1);

    list()->selectRow(1);  // a list change starts the echo timer again
    EXPECT_TRUE(pingTimer()->isActive());
    QTest::keyClick(list(), Qt::Key_Delete);
    list()->selectRow(0);
    QTest::keyClick(list(), Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(platform.dialogs.messages.size(), 2u);
}

// Space, Ctrl+A, Ctrl+Z, the context menu keys and a mnemonic, as a keyboard user reaches them in the shown window.
TEST_F(PlayerPanelTest, keyboardChecksSelectsAndOpensTheMenuAtTheCurrentRow)
{
    for (const char* address : {"198.18.0.1", "198.18.0.2", "198.18.0.3"})
        window->addPlayer(QStringLiteral("P"), QLatin1String(address));
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    list()->setFocus();
    list()->setCurrentItem(list()->topLevelItem(1), 2);  // the address cell of row 1
    const auto checked = [this] {
        std::vector<bool> out;
        for (const PlayerEntry& entry : list()->entries())
            out.push_back(entry.checked);
        return out;
    };
    QTest::keyClick(list(), Qt::Key_Space);
    EXPECT_EQ(checked(), (std::vector<bool>{false, true, false}));
    QTest::keyClick(list(), Qt::Key_Space);
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, false}));

    QTest::keyClick(list(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list()->selectedRows(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(list()->selectedRow(), 1);  // Modify and History take the current row
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, false}));  // selected is not checked

    // Shift+F10 and the Menu key (which the platform turns into a keyboard context-menu event) open
    // the menu below the current row, wherever the mouse is.
    const QRect current = list()->visualRect(list()->currentIndex());
    const QPoint below = list()->viewport()->mapToGlobal(current.bottomLeft());
    QMenu* popup = list()->popupMenu();
    QTest::keyClick(list(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), popup);
    EXPECT_EQ(popup->pos(), below);
    popup->close();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(list(), &menuKey);
    EXPECT_EQ(QApplication::activePopupWidget(), popup);
    EXPECT_EQ(popup->pos(), below);
    // An item triggered without a click (a screen reader's "Press") acts and closes the menu.
    menu("Delete1");
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(list()->topLevelItemCount(), 0);  // every selected row, at once
    QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(list()->addresses(), (std::vector<std::string>{"198.18.0.1", "198.18.0.2", "198.18.0.3"}));

    QSignalSpy search(child<QPushButton>("SearchQ7Button"), &QPushButton::clicked);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);  // "&Search Q7", clicked a moment later
    Q7_WAIT_COMPARE(search.count(), 1);
    waitForSearch();
}

// Delete, the Delete key and Clear stay immediate; Undo brings the players back as they were, in
// their rows, newest removal first, and takes no address twice.
TEST_F(PlayerPanelTest, undoPutsRemovedPlayersBackInTheirRows)
{
    QAction* undo = list()->popupMenu()->findChild<QAction*>(QStringLiteral("Undo1"));
    EXPECT_FALSE(undo->isEnabled());
    const char* names[] = {"Lobby", "Cafe", "Entrance", "Hall"};
    for (int row = 0; row < 4; ++row) {
        window->addPlayer(QLatin1String(names[row]), QStringLiteral("198.18.0.%1").arg(row + 1));
        markRow(platform.echo, *list(), row, row % 2 == 0, row < 2);
    }
    const QStringList before = rows();

    list()->selectRow(1);
    QTest::keyClick(list(), Qt::Key_Delete);
    list()->selectRow(2);
    menu("Delete1");
    menu("Clear1");
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_TRUE(platform.dialogs.yesNoQuestions.empty());  // nothing asked
    EXPECT_TRUE(undo->isEnabled());

    window->addPlayer(QStringLiteral("New"), QStringLiteral("198.18.0.1"));
    pingTimer()->stop();
    menu("Undo1");  // Clear: Lobby's address is listed again, so it stays out
    EXPECT_EQ(rows(), (QStringList{"198.18.0.1|New|198.18.0.1|unchecked|Offline", before[2]}));
    EXPECT_TRUE(pingTimer()->isActive());  // the echo pass brings their state up to date
    menu("Undo1");  // Delete of Hall, then the Delete key's Cafe
    menu("Undo1");
    EXPECT_EQ(rows(), (QStringList{"198.18.0.1|New|198.18.0.1|unchecked|Offline", before[1], before[2], before[3]}));
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(PlayerPanelTest, echoTimerPeriodsAndClear)
{
    EXPECT_FALSE(pingTimer()->isActive());
    EXPECT_EQ(pingTimer()->interval(), 100);
    window->addPlayer(QStringLiteral("A"), QStringLiteral("198.18.0.1"));
    window->addPlayer(QStringLiteral("B"), QStringLiteral("198.18.0.2"));
    EXPECT_TRUE(pingTimer()->isActive());
    EXPECT_EQ(pingTimer()->interval(), 100);  // the first pass 100 ms after the list is filled

    panel()->echoTick();
    EXPECT_TRUE(pingTimer()->isActive());
    EXPECT_EQ(pingTimer()->interval(), 10000);
    Q7_WAIT_COMPARE(platform.echo.probed(), (std::vector<std::string>{"198.18.0.1", "198.18.0.2"}));

    menu("Clear1");
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_TRUE(pingTimer()->isActive());  // untouched: the next tick finds the list empty
    panel()->echoTick();
    EXPECT_FALSE(pingTimer()->isActive());
    EXPECT_EQ(pingTimer()->interval(), 100);
    window->addPlayer(QStringLiteral("C"), QStringLiteral("198.18.0.3"));
    EXPECT_TRUE(pingTimer()->isActive());
    EXPECT_EQ(pingTimer()->interval(), 100);
    EXPECT_EQ(platform.echo.probed().size(), 2u);  // the empty tick probed nothing
}

TEST_F(PlayerPanelTest, operatorLimitIs256AndTheSearchMayAddOneMore)
{
    for (int n = 0; n < 256; ++n)
        window->addPlayer(QStringLiteral("P"), QStringLiteral("198.18.%1.%2").arg(n / 200).arg(n % 200 + 1));
    pingTimer()->stop();
    window->addPlayer(QStringLiteral("Late"), QStringLiteral("198.18.9.1"));
    EXPECT_EQ(list()->topLevelItemCount(), 256);
    EXPECT_TRUE(pingTimer()->isActive());  // a full list still starts the echo timer
    menu("ADD1");
    answer(QStringLiteral("Late"), QStringLiteral("198.18.9.1"));
    EXPECT_EQ(list()->topLevelItemCount(), 256);

    panel()->addFoundPlayer({{0x00, 0xE0, 0x4C, 0x00, 0x01, 0x02}, "198.18.9.2"});
    panel()->addFoundPlayer({{0x00, 0xE0, 0x4C, 0x00, 0x01, 0x03}, "198.18.9.3"});
    EXPECT_EQ(list()->topLevelItemCount(), 257);
    EXPECT_EQ(rows().back(), QStringLiteral("198.18.9.2|Q7_00258|198.18.9.2|unchecked|Offline"));
    EXPECT_EQ(list()->selectedRow(), 256);
}

TEST_F(PlayerPanelTest, sweepEntersPlayersOnceNamedFromTheirHardwareAddress)
{
    platform.resolver.setDevice("198.18.5.10", {0x00, 0xE0, 0x4C, 0x00, 0x00, 0x07});
    platform.resolver.setDevice("198.18.5.20", {0x02, 0x11, 0x22, 0x33, 0x44, 0x55});
    platform.resolver.setDevice("198.18.5.30", {0x00, 0x01, 0xD2, 0x01, 0x01, 0x02});
    child<QComboBox>("LocalIPBox")->setEditText(QStringLiteral("198.18.5.17"));
    auto* button = child<QPushButton>("SearchQ7Button");
    auto* bar = child<QProgressBar>("SearchBar");

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(bar->minimum(), 2);
    EXPECT_EQ(bar->maximum(), 252);
    const std::vector<std::string> sweepList = panel()->sweepList();
    ASSERT_EQ(sweepList.size(), 253u);
    EXPECT_EQ(sweepList.front(), "198.18.5.2");
    EXPECT_EQ(sweepList.back(), "198.18.5.254");
    waitForSearch();
    EXPECT_TRUE(panel()->sweepList().empty());
    EXPECT_TRUE(button->isEnabled());
    EXPECT_LT(bar->value(), bar->minimum());  // empty again
    EXPECT_EQ(platform.resolver.asked().size(), 253u);

    QStringList found = rows();
    found.sort();
    EXPECT_EQ(found, (QStringList{"198.18.5.10|Q7_00007|198.18.5.10|unchecked|Offline",
                                  "198.18.5.30|Q7_00258|198.18.5.30|unchecked|Offline"}));
    EXPECT_EQ(list()->selectedRow(), 1);  // the last one entered
    EXPECT_TRUE(pingTimer()->isActive());

    QTest::mouseClick(button, Qt::LeftButton);
    waitForSearch();
    EXPECT_EQ(list()->topLevelItemCount(), 2);

    // Each search tells the log what it found and what was new to the list.
    platform.resolver.setDevice("198.18.6.40", {0x00, 0xE0, 0x4C, 0x00, 0x00, 0x09});
    child<QComboBox>("LocalIPBox")->setEditText(QStringLiteral("198.18.6.1"));
    QTest::mouseClick(button, Qt::LeftButton);
    waitForSearch();
    EXPECT_EQ(transferLogLines(*window), (QStringList{"Search of 198.18.5.0/24: 2 players found, 2 new",
                                                      "Search of 198.18.5.0/24: 2 players found, 0 new",
                                                      "Search of 198.18.6.0/24: 1 player found, 1 new"}));
}

TEST_F(PlayerPanelTest, echoRepliesSetTheStateAndSilenceClearsIt)
{
    auto* backup = child<QPushButton>("BackupButton");
    auto* restore = child<QPushButton>("RestoreButton");
    window->addPlayer(QStringLiteral("Fast"), QStringLiteral("198.18.0.1"));
    window->addPlayer(QStringLiteral("Slow"), QStringLiteral("198.18.0.2"));
    list()->topLevelItem(0)->setCheckState(0, Qt::Checked);
    platform.echo.setRoundTrip("198.18.0.1", 289);
    platform.echo.setRoundTrip("198.18.0.2", 290);
    EXPECT_FALSE(backup->isEnabled());

    panel()->echoTick();
    Q7_WAIT_COMPARE(platform.echo.probed().size(), 2u);
    Q7_WAIT_VERIFY(list()->isOnline(0));
    EXPECT_FALSE(list()->isOnline(1));
    EXPECT_EQ(rows().first(), QStringLiteral("198.18.0.1|Fast|198.18.0.1|checked|Online"));
    EXPECT_EQ(list()->topLevelItem(0)->data(0, Qt::AccessibleDescriptionRole).toString(), QStringLiteral("Online"));
    EXPECT_TRUE(backup->isEnabled());
    EXPECT_TRUE(restore->isEnabled());
    EXPECT_TRUE(list()->entries()[0].served());

    // A reply for an address that is not listed changes nothing.
    panel()->applyEchoReport({"198.18.0.9", 1});
    EXPECT_EQ(rows().size(), 2);

    platform.echo.setRoundTrip("198.18.0.1", std::nullopt);
    panel()->echoTick();
    Q7_WAIT_VERIFY(!list()->isOnline(0));
    EXPECT_EQ(list()->topLevelItem(0)->toolTip(0), QStringLiteral("Offline"));
    EXPECT_TRUE(backup->isEnabled());  // nothing disables them again
}

TEST_F(PlayerPanelTest, closingDuringASweepNeitherHangsNorDeliversLate)
{
    platform.resolver.holdUntilStopped();
    window->findChild<QComboBox*>(QStringLiteral("LocalIPBox"))->setEditText(QStringLiteral("198.18.5.1"));
    QTest::mouseClick(child<QPushButton>("SearchQ7Button"), Qt::LeftButton);
    Q7_WAIT_VERIFY(platform.resolver.asked().size() > 20);
    window->addPlayer(QStringLiteral("A"), QStringLiteral("198.18.5.40"));
    panel()->echoTick();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(panel()->searching());
    window.reset();  // every worker has ended; nothing is left to touch the freed window
    QCoreApplication::processEvents();
}

TEST_F(PlayerPanelTest, destroyingTheWindowStopsRunningWorkers)
{
    platform.resolver.holdUntilStopped();
    QTest::mouseClick(child<QPushButton>("SearchQ7Button"), Qt::LeftButton);
    Q7_WAIT_VERIFY(platform.resolver.asked().size() > 20);
    window.reset();
    QCoreApplication::processEvents();
}

}  // namespace
