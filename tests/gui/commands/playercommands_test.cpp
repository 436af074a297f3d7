// The Remote Command page and the Configuration tab's Backup and Restore driven through the real
// main window, with the process seam, the dialogs and the viewer faked. A trace records, in order,
// each transfer the runner starts (remote name, local file and its bytes at that moment, rows), each
// step of the wait bar and each hiding of the wait panel. The fake players take every put at once,
// deliver the fetches of the rows in `delivers` and time out the others, unless a remote name is
// held: then its clients run until the test releases them. Commands run on from the event loop,
// so a test waits for them to settle.
#include "gui/mainwindow/mainwindow.h"
#include "gui/widgets/waitpanel.h"
#include "core/config/configfile.h"
#include "gui/config/configpage.h"
#include "gui/players/playerlistview.h"
#include "gui/mainwindow/signalclose.h"
#include "gui/transfer/playerlisttransfers.h"
#include "gui/widgets/textfilewindow.h"
#include "support/fakes.h"
#include "support/qtwait.h"
#include "support/tempdir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::test;

namespace {

using Lines = std::vector<std::string>;

struct Row {
    bool checked;
    bool online;
};

// One main window on fakes, players at 127.0.0.2 and on (row r at 127.0.0.(r + 2)).
class Harness : public QObject {
public:
    explicit Harness(const std::vector<Row>& rows = {{true, true}, {true, true}, {false, true}})
    {
        ::setenv("Q7_TFTP_PORT", "6969", 1);
        fs::create_directories(dir.file("lists"));
        window = std::make_unique<MainWindow>(platform.services());
        // The pages the tests drive, built as when the operator first shows them.
        window->commandPage();
        window->configPage()->buildSheets();
        auto* list = find<PlayerListView>("ListView1");
        for (size_t r = 0; r < rows.size(); ++r) {
            window->addPlayer(QStringLiteral("Q7"), QStringLiteral("127.0.0.%1").arg(r + 2));
            markRow(platform.echo, *list, int(r), rows[r].checked, rows[r].online);
        }
        bar = find<QProgressBar>("WaitBar");
        platform.processes.onStart = [this](const FakeProcessStarter::Start& start) { started(start); };
        connect(window->waitPanel(), &WaitPanel::stepped, this, [this](int position) { stepped(position); });
        window->waitPanel()->installEventFilter(this);
    }
    ~Harness() override { ::unsetenv("Q7_TFTP_PORT"); }

    template <typename T = QWidget>
    T* find(const char* name) const
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* button) { find<QPushButton>(button)->click(); }
    // Every command has ended and no fetch of one is still being written.
    bool settled(int timeoutMs = 5000) const
    {
        return waitUntil([this] { return window->transfers()->busyCommands() == 0; }, timeoutMs);
    }
    // Ends the held clients that still run, successfully.
    void release()
    {
        for (const size_t index : std::exchange(heldStarts, {}))
            platform.processes.finish(index, ProcessExit::How::Exited, 0);
    }
    std::string path(const std::string& name) const { return dir.file(name); }
    QString qpath(const std::string& name) const { return QString::fromStdString(dir.file(name)); }
    std::string relative(const QString& path) const
    {
        return fs::path(path.toStdString()).lexically_relative(dir.path()).string();
    }
    QStringList opened() const
    {
        QStringList names;
        for (const QString& p : platform.viewer.opened)
            names << QString::fromStdString(relative(p));
        return names;
    }
    QStringList log() const { return transferLogLines(*window); }

    // The trace, one line per transfer call with the rows it reached ("put /reboot
    // scratch/nullCMD.txt '' @0,1"), per run of wait steps ("wait 0..5/15") and per hiding ("hide").
    Lines trace() const
    {
        Lines out;
        for (const auto& [text, rows] : m_trace)
            out.push_back(rows.empty() ? text : text + " @" + rows);
        return out;
    }

    // Rows whose player delivers a fetched file (its bytes), remote names whose clients are held,
    // and what happens at a wait step.
    std::map<int, std::string> delivers;
    std::set<std::string> held;
    std::vector<size_t> heldStarts;
    std::function<void(int position)> onStep;

    TempDir dir;
    FakePlatform platform{QString::fromStdString(dir.path())};
    std::unique_ptr<MainWindow> window;
    QProgressBar* bar = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::HideToParent)
            m_trace.push_back({"hide", {}});
        return QObject::eventFilter(watched, event);
    }

private:
    void add(const std::string& text, int row)
    {
        const std::string r = std::to_string(row);
        if (!m_trace.empty() && m_trace.back().first == text)
            m_trace.back().second += "," + r;
        else
            m_trace.push_back({text, r});
    }
    void started(const FakeProcessStarter::Start& start)
    {
        const QStringList& a = start.arguments;
        const size_t index = platform.processes.starts.size() - 1;
        const auto end = [this, index](int code, const QByteArray& output = {}) {
            QTimer::singleShot(0, this, [this, index, code, output] {
                platform.processes.finish(index, ProcessExit::How::Exited, code, output);
            });
        };
        const bool put = a.value(5) == QStringLiteral("put");
        const std::string remote = (put ? a[7] : a[4]).toStdString();
        if (put) {
            const int row = a[2].section('.', 3).toInt() - 2;
            std::string bytes = readBytes(a[6].toStdString());
            if (bytes.size() > 40)
                bytes = "<long>";
            add("put " + remote + " " + relative(a[6]) + " '" + bytes + "'", row);
        } else {
            const int row = a[0].section('.', 3).toInt() - 2;
            add("get " + remote, row);
            if (const auto it = delivers.find(row); it != delivers.end())
                writeBytes(dir.file(a[5].toStdString()), it->second);
            else if (!held.count(remote))
                return end(69, "Transfer timed out.\n");
        }
        if (held.count(remote))
            heldStarts.push_back(index);
        else
            end(0);
    }
    void stepped(int position)
    {
        // "wait FROM..TO/MAXIMUM", extended while the steps follow on under the same maximum.
        const std::string maximum = "/" + std::to_string(bar->maximum());
        const std::string next = ".." + std::to_string(position - 1) + maximum;
        if (!m_trace.empty() && m_trace.back().first.starts_with("wait ") && m_trace.back().first.ends_with(next)) {
            std::string& last = m_trace.back().first;
            last = last.substr(0, last.size() - next.size()) + ".." + std::to_string(position) + maximum;
        } else {
            m_trace.push_back({"wait " + std::to_string(position) + ".." + std::to_string(position) + maximum, {}});
        }
        if (onStep)
            onStep(position);
    }

    std::vector<std::pair<std::string, std::string>> m_trace;
};

constexpr const char* kNull = "scratch/nullCMD.txt ''";
std::string put(const std::string& remote, const std::string& local = kNull, const std::string& rows = "0,1")
{
    return "put " + remote + " " + local + " @" + rows;
}

// ---- The catalogue ----

struct Case {
    const char* name;
    const char* box;
    int index;  // -1: text typed into the box
    std::vector<std::optional<std::string>> chosen = {};  // open dialog answers, files under "lists/"
    int filterIndex = 0;
    const char* volume = nullptr;  // Edit2's text before sending
    Lines trace = {};
    QStringList opened = {};
    std::vector<QString> errors = {};
    const char* volumeAfter = nullptr;
    bool asks = false;  // asks yes or no first (answered "Yes")
};

const std::string kOpenFilter = "Config|*.conf|List|*.lst|Text|*.txt|All|*.*";
const std::string kList = "lists/chosen.lst '/001.mpg'";
const std::string kConf = "lists/chosen.conf '[MISC3]'";

const Case kCatalogue[] = {
    {"Put Down.lst", "DownloadBox", 0, {"lists/chosen.lst"}, 2, nullptr, {put("/down.lst", kList)}},
    {"Put Down.lst cancelled", "DownloadBox", 0, {std::nullopt}, 2, nullptr, {}},
    {"Download Now", "DownloadBox", 1, {}, 0, nullptr, {put("/downnow")}},
    {"Download From Server", "DownloadBox", 2, {}, 0, nullptr, {put("/downfromserver")}},
    {"Put Play.lst", "DownloadBox", 3, {"lists/chosen.lst"}, 2, nullptr, {put("/play.lst", kList)}},
    {"Put Upload.lst", "DownloadBox", 4, {"lists/chosen.lst"}, 2, nullptr, {put("/upload.lst", kList)}},
    {"Upload Now", "DownloadBox", 5, {}, 0, nullptr, {put("/upload")}},
    {"SMB Now", "DownloadBox", 6, {}, 0, nullptr, {put("/smbnow")}},
    {"Download typed text", "DownloadBox", -1, {}, 0, nullptr, {}},
    {"Erase HDD", "EraseBox", 0, {}, 0, nullptr, {put("/eraseHDD")}, {}, {}, nullptr, true},
    {"Delete Files", "EraseBox", 1, {"lists/chosen.lst"}, 2, nullptr,
     {put("/delete.lst", kList), "wait 0..5/5", put("/delfiles"), "hide"}},
    {"Delete Files cancelled", "EraseBox", 1, {std::nullopt}, 2, nullptr, {}},
    {"Get HDD List", "FileListCMDBox", 0, {}, 0, nullptr,
     {put("/getfiles"), "wait 0..5/15", "get /Q7files @0,1", "wait 5..5/15", "hide"},
     {"Q7_0_q7files.txt"}},
    {"Get HDD List, typed text", "FileListCMDBox", -1, {}, 0, nullptr,
     {put("/getfiles"), "wait 0..5/15", "get /Q7files @0,1", "wait 5..5/15", "hide"},
     {"Q7_0_q7files.txt"}},
    {"Restore Config", "ConfigBox", 0, {"lists/chosen.conf"}, 1, nullptr,
     {put("/config.conf.put", kConf), "wait 0..3/3", put("/restoreconfig"), "hide"}},
    {"Backup Config", "ConfigBox", 1, {}, 0, nullptr,
     {put("/saveconfig"), "wait 0..5/15", "get /config.conf @0,1", "wait 5..5/15", "hide"},
     {"Q7_0_config.conf"}},
    {"OSD ON", "OSDBox", 0, {}, 0, nullptr, {put("/osd_on")}},
    {"OSD OFF", "OSDBox", 1, {}, 0, nullptr, {put("/osd_off")}},
    {"Scrolling ON", "OSDBox", 2, {}, 0, nullptr, {put("/scrolling_on")}},
    {"Scrolling OFF", "OSDBox", 3, {}, 0, nullptr, {put("/scrolling_off")}},
    {"Volume 45", "OSDBox", 4, {}, 0, "45", {put("/multicmd.txt", "scratch/multicmd.txt 'Volume 31'")}, {}, {}, "31"},
    {"Volume 07", "OSDBox", 4, {}, 0, "07", {put("/multicmd.txt", "scratch/multicmd.txt 'Volume 07'")}, {}, {}, "07"},
    {"Volume empty", "OSDBox", 4, {}, 0, "", {}, {}, {"'' is not a valid integer value"}, ""},
    {"MUTE", "OSDBox", 5, {}, 0, nullptr, {put("/multicmd.txt", "scratch/multicmd.txt 'MUTE 0'")}},
    {"Reboot", "SystemCMDBox", 0, {}, 0, nullptr, {put("/reboot")}},
    {"Refresh Content", "SystemCMDBox", 1, {}, 0, nullptr, {put("/refreshcontent")}},
    {"Play List by Single", "SystemCMDBox", 2, {}, 0, nullptr,
     {put("/playmode.txt", "scratch/playmode.txt 'Signle'")}},
    {"Play List by Date", "SystemCMDBox", 3, {}, 0, nullptr, {put("/playmode.txt", "scratch/playmode.txt 'Date'")}},
    {"Play List by Time", "SystemCMDBox", 4, {}, 0, nullptr, {put("/playmode.txt", "scratch/playmode.txt 'Time'")}},
    {"Play List by Date/Time", "SystemCMDBox", 5, {}, 0, nullptr,
     {put("/playmode.txt", "scratch/playmode.txt 'DateTime'")}},
    {"Repeat Mode", "SystemCMDBox", 6, {}, 0, nullptr, {put("/playmode.txt", "scratch/playmode.txt 'Repeat'")}},
    {"Stop Auto Play", "SystemCMDBox", 7, {}, 0, nullptr, {put("/playmode.txt", "scratch/playmode.txt 'Stop'")}},
    {"empty System item", "SystemCMDBox", 8, {}, 0, nullptr, {}},
    {"System typed text", "SystemCMDBox", -1, {}, 0, nullptr, {}},
};

const char* sendButton(const std::string& box)
{
    static const std::map<std::string, const char*> buttons = {
        {"DownloadBox", "DownloadButton"}, {"EraseBox", "EraseButton"}, {"FileListCMDBox", "FileListButton"},
        {"ConfigBox", "ConfigButton"},     {"OSDBox", "OSDButton"},     {"SystemCMDBox", "SystemCMDButton"}};
    return buttons.at(box);
}

void choose(QComboBox* box, int index)
{
    if (index >= 0) {
        box->setCurrentIndex(index);
        return;
    }
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("typed"));
}

TEST(RemoteCommandPage, everyCatalogueRowSendsItsTransfersWaitsAndOpensItsCopies)
{
    for (const Case& c : kCatalogue) {
        SCOPED_TRACE(c.name);
        Harness h;
        writeBytes(h.path("lists/chosen.lst"), "/001.mpg");
        writeBytes(h.path("lists/chosen.conf"), "[MISC3]");
        // Stale copies of both fetched kinds: row 1 stays silent, row 2 is not served.
        for (const char* suffix : {"q7files.txt", "config.conf"})
            for (int row : {1, 2})
                writeBytes(h.path("Q7_" + std::to_string(row) + "_" + suffix), "stale");
        fs::permissions(h.path("Q7_1_q7files.txt"), fs::perms::owner_read);  // read-only copies go too
        h.delivers[0] = "fetched";
        for (const auto& answer : c.chosen)
            h.platform.dialogs.fileAnswers.push_back(answer ? std::optional(h.qpath(*answer)) : std::nullopt);
        if (c.asks)
            h.platform.dialogs.yesNoAnswers.push_back(true);
        auto* box = h.find<QComboBox>(c.box);
        choose(box, c.index);
        ASSERT_EQ(box->currentIndex(), c.index);
        if (c.volume)
            h.find<QLineEdit>("Edit2")->setText(QLatin1String(c.volume));

        h.click(sendButton(c.box));
        ASSERT_TRUE(h.settled());

        EXPECT_EQ(h.trace(), c.trace);
        EXPECT_EQ(h.opened(), c.opened);
        EXPECT_EQ(h.platform.dialogs.errors, c.errors);
        EXPECT_TRUE(h.platform.dialogs.messages.empty());
        EXPECT_EQ(h.platform.dialogs.yesNoQuestions.size(), c.asks ? 1u : 0u);
        ASSERT_EQ(h.platform.dialogs.fileRequests.size(), c.chosen.size());
        for (const auto& request : h.platform.dialogs.fileRequests) {
            EXPECT_FALSE(request.save);
            EXPECT_EQ(request.filter.toStdString(), kOpenFilter);
            EXPECT_EQ(request.filterIndex, c.filterIndex);
        }
        if (c.volumeAfter) {
            EXPECT_EQ(h.find<QLineEdit>("Edit2")->text(), QLatin1String(c.volumeAfter));
        }
        EXPECT_FALSE(h.window->waitPanel()->isVisibleTo(h.window.get()));
        // A fetch removes every row's earlier copy first; only what arrived is there afterwards.
        if (!c.opened.isEmpty()) {
            const std::string suffix = c.opened.front().mid(5).toStdString();
            EXPECT_EQ(readBytes(h.path("Q7_0_" + suffix)), "fetched");
            EXPECT_FALSE(fs::exists(h.path("Q7_1_" + suffix)));
            EXPECT_FALSE(fs::exists(h.path("Q7_2_" + suffix)));
        }
    }
}

TEST(RemoteCommandPage, withNoCheckedPlayerEveryButtonOnlySaysSo)
{
    Harness h({{false, true}, {false, false}});
    for (const char* button :
         {"DownloadButton", "EraseButton", "FileListButton", "ConfigButton", "OSDButton", "SystemCMDButton"})
        h.click(button);
    EXPECT_EQ(h.platform.dialogs.messages,
              std::vector<QString>(6, QStringLiteral("Please select at least one driver before sending the command!")));
    EXPECT_EQ(h.trace(), Lines());
}

// Erase HDD names the players it will erase, and "No" (the default) sends nothing. Only served
// players are named: the others would not be erased.
TEST(RemoteCommandPage, eraseHddAsksFirstNamingThePlayers)
{
    struct EraseCase {
        std::vector<Row> rows;
        bool yes;
        QString question;
        Lines trace;
    };
    const std::vector<Row> fleet(8, {true, true});
    const EraseCase cases[] = {
        {{{true, true}, {true, true}, {true, false}}, false, "Erase all media on 2 players: P0, P1?", {}},
        {{{false, true}, {true, true}}, true, "Erase all media on 1 player: P1?", {put("/eraseHDD", kNull, "1")}},
        {fleet, false, "Erase all media on 8 players: P0, P1, P2, P3, P4 and 3 more?", {}},
    };
    for (const EraseCase& c : cases) {
        Harness h(c.rows);
        auto* list = h.find<PlayerListView>("ListView1");
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            list->setPlayer(row, QStringLiteral("P%1").arg(row), list->topLevelItem(row)->text(2));
        h.platform.dialogs.yesNoAnswers.push_back(c.yes);
        h.find<QComboBox>("EraseBox")->setCurrentIndex(0);
        h.click("EraseButton");
        ASSERT_TRUE(h.settled());
        EXPECT_EQ(h.platform.dialogs.yesNoQuestions, std::vector<QString>{c.question});
        EXPECT_EQ(h.trace(), c.trace);
        EXPECT_EQ(h.platform.processes.starts.size(), c.trace.size());
    }
}

// With nobody served, nothing reaches a player, but the command keeps its wait before the fetch
// (the wait for the fetches has none to wait for).
TEST(RemoteCommandPage, checkedButOfflinePlayersGetNothingAndTheLogSaysSo)
{
    Harness h({{true, false}, {false, true}});
    h.find<QComboBox>("ConfigBox")->setCurrentIndex(1);
    h.click("ConfigButton");
    ASSERT_TRUE(h.settled());
    EXPECT_EQ(h.trace(), (Lines{"wait 0..5/15", "hide"}));
    EXPECT_TRUE(h.opened().isEmpty());
    EXPECT_EQ(h.log(), (QStringList{"Backup Config /saveconfig: no served player",
                                    "Backup Config /config.conf: no served player"}));
}

TEST(RemoteCommandPage, aScratchFileThatCannotBeWrittenShowsTheErrorAndSendsNothing)
{
    Harness h;
    fs::remove_all(h.platform.system.scratch.toStdString());
    h.find<QComboBox>("OSDBox")->setCurrentIndex(5);
    h.click("OSDButton");
    h.find<QComboBox>("SystemCMDBox")->setCurrentIndex(2);
    h.click("SystemCMDButton");
    EXPECT_EQ(h.trace(), Lines());
    ASSERT_EQ(h.platform.dialogs.errors.size(), 2u);
    EXPECT_TRUE(h.platform.dialogs.errors[0].contains(QStringLiteral("multicmd.txt")));
    EXPECT_TRUE(h.platform.dialogs.errors[1].contains(QStringLiteral("playmode.txt")));
}

// ---- Descriptions ----

const std::string kDownFromServer =
    "Starts the download function but only if the path has previously been set and the schedule is set to OFF or a "
    "particular time. When set to download every xx minutes, this command will not work. Refer to the Q7 user guide "
    "for\nfurther details about this function.";
const std::string kFileList =
    "Creates a file index of the current media files on the Q7 and downloads the list to your computer. This will "
    "take a couple of seconds. Once the list has been downloaded,\nit can be opened and viewed in any standard text "
    "editor.";
const std::string kRestoreConfig =
    "Uploads the config.conf file and starts the restoreconfig process. Before pressing this button, use the "
    "configuration tool and adjust the settings to your requirements. \nSave them to a text file with the file name "
    "config.conf. You are now ready to upload the file and update the settings.";
const std::string kEraseHDD = "Erases all files stored on the local drive or CF card.";
const std::string kOSDOn =
    "Turns the OSD (on-screen display) menu ON. This can be used to turn on the OSD during playback, instead of "
    "stopping playback and accessing the setup menu to change it.";
const std::string kPutDown =
    "Prompts for and uploads the download list. Before pressing this button, the \"down.lst\" file has to be created.";

struct Description {
    const char* box;
    int index;  // -1: text typed into the box
    const char* memo;
    std::string text;
};

const Description kDescriptions[] = {
    {"DownloadBox", 0, "DownloadMemo", kPutDown},
    {"DownloadBox", 1, "DownloadMemo",
     "Downloads files according to the down.lst. The down.lst file has to be stored on the local hard drive first, "
     "or this function will not work. The download path in the setup menu will not be used for this command."},
    {"DownloadBox", 2, "DownloadMemo", kDownFromServer},
    {"DownloadBox", 3, "DownloadMemo",
     "Prompts for and uploads the play list. Before pressing this button, the \"play.lst\" file has to be created."},
    {"DownloadBox", 4, "DownloadMemo", "Put upload.lst."},
    {"DownloadBox", 5, "DownloadMemo", "Put upload command."},
    {"DownloadBox", 6, "DownloadMemo", ""},
    {"DownloadBox", -1, "DownloadMemo", ""},
    {"EraseBox", 1, "EraseMemo",
     "Prompts for and uploads the \"delete.lst\" and then starts the delfiles process. Before pressing this button, "
     "the \"delete.lst\" file has to be created."},
    {"EraseBox", 0, "EraseMemo", kEraseHDD},
    {"EraseBox", -1, "EraseMemo", kEraseHDD},
    {"FileListCMDBox", 0, "FileListMemo", kFileList},
    {"FileListCMDBox", -1, "FileListMemo", kFileList},
    {"ConfigBox", 1, "ConfigMemo",
     "Saves current settings and downloads the config.conf file to your computer. Once the file has been "
     "downloaded, you can edit it with the configuration tool or any standard text editor."},
    {"ConfigBox", -1, "ConfigMemo",
     "Saves current settings and downloads the config.conf file to your computer. Once the file has been "
     "downloaded, you can edit it with the configuration tool or any standard text editor."},
    {"ConfigBox", 0, "ConfigMemo", kRestoreConfig},
    {"OSDBox", 1, "OSDMemo",
     "Turns the OSD (on-screen display) menu OFF. This can be used to turn off the OSD during playback, instead of "
     "stopping playback and accessing the setup menu to change it."},
    {"OSDBox", 2, "OSDMemo",
     "Turns the scrolling text message ON. This can be used to turn on the scrolling text message during playback, "
     "instead of stopping playback and accessing the setup menu to change it. \nTo display the message, the "
     "message.txt file has to be stored on the HDD first."},
    {"OSDBox", 3, "OSDMemo",
     "Turns the scrolling text message OFF. This can be used to turn off the scrolling text message during "
     "playback, instead of stopping playback and accessing the setup menu to change it. \nOnce the command has been "
     "sent, the scrolling text message will stop and as soon as the next file is loaded, the message will "
     "disappear."},
    {"OSDBox", -1, "OSDMemo",
     "Turns the scrolling text message OFF. This can be used to turn off the scrolling text message during "
     "playback, instead of stopping playback and accessing the setup menu to change it. \nOnce the command has been "
     "sent, the scrolling text message will stop and as soon as the next file is loaded, the message will "
     "disappear."},
    {"OSDBox", 4, "OSDMemo", ""},
    {"OSDBox", 5, "OSDMemo", ""},
    {"OSDBox", 0, "OSDMemo", kOSDOn},
    {"SystemCMDBox", 1, "SystemCMDMemo",
     "Reloads the playlist and repeat list. Press this button if you have updated the playlist but not rebooted the "
     "unit yet. If the playback mode is set to repeat and you have updated the content, \nbut have not rebooted the "
     "unit yet, you can also press this button to refresh the list."},
    {"SystemCMDBox", 0, "SystemCMDMemo", "Reboots the device immediately."},
    {"SystemCMDBox", 2, "SystemCMDMemo", ""},
    {"SystemCMDBox", 0, "SystemCMDMemo", "Reboots the device immediately."},
    {"SystemCMDBox", -1, "SystemCMDMemo", ""},
    {"SystemCMDBox", 3, "SystemCMDMemo", ""},
    {"SystemCMDBox", 8, "SystemCMDMemo", ""},
};

TEST(RemoteCommandPage, groupsStartWithTheirItemsAndFirstDescriptions)
{
    Harness h;
    const std::pair<const char*, QStringList> items[] = {
        {"DownloadBox",
         {"Put Down.lst", "Download Now", "Download From Server", "Put Play.lst", "Put Upload.lst", "Upload Now",
          "SMB Now"}},
        {"EraseBox", {"Erase HDD", "Delete Files"}},
        {"FileListCMDBox", {"Get HDD List"}},
        {"ConfigBox", {"Restore Config", "Backup Config"}},
        {"OSDBox", {"OSD ON", "OSD OFF", "Scrolling ON", "Scrolling OFF", "Volume", "MUTE"}},
        {"SystemCMDBox",
         {"Reboot", "Refresh Content", "Play List by Single", "Play List by Date", "Play List by Time",
          "Play List by Date/Time", "Repeat Mode", "Stop Auto Play", ""}},
    };
    QStringList accessibleNames;
    for (const auto& [name, expected] : items) {
        auto* box = h.find<QComboBox>(name);
        QStringList actual;
        for (int i = 0; i < box->count(); ++i)
            actual << box->itemText(i);
        EXPECT_EQ(actual, expected) << name;
        EXPECT_TRUE(box->isEditable()) << name;
        EXPECT_EQ(box->currentIndex(), std::string(name) == "DownloadBox" ? -1 : 0) << name;
        EXPECT_EQ(box->currentText(), expected.front()) << name;
        EXPECT_EQ(h.find<QPushButton>(sendButton(name))->text(), QStringLiteral("Send ")) << name;
        accessibleNames << h.find<QPushButton>(sendButton(name))->accessibleName();
    }
    // Screen readers tell the six "Send " buttons apart by what they send.
    EXPECT_EQ(accessibleNames, (QStringList{"Send download command", "Send erase command", "Send file list command",
                                            "Send configuration command", "Send OSD and scrolling command",
                                            "Send system command"}));
    const std::pair<const char*, std::string> memos[] = {
        {"DownloadMemo", kPutDown},      {"EraseMemo", kEraseHDD},  {"FileListMemo", kFileList},
        {"ConfigMemo", kRestoreConfig},  {"OSDMemo", kOSDOn},      {"SystemCMDMemo", "Reboots the device immediately."},
    };
    for (const auto& [name, text] : memos) {
        auto* memo = h.find<QPlainTextEdit>(name);
        EXPECT_EQ(memo->toPlainText().toStdString(), text) << name;
        EXPECT_TRUE(memo->isReadOnly()) << name;
        EXPECT_EQ(memo->focusPolicy(), Qt::NoFocus) << name;
        EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(0, 128, 0)) << name;
    }
}

TEST(RemoteCommandPage, eachSelectionShowsItsDescription)
{
    Harness h;
    for (const Description& d : kDescriptions) {
        SCOPED_TRACE(std::string(d.box) + " " + std::to_string(d.index));
        choose(h.find<QComboBox>(d.box), d.index);
        EXPECT_EQ(h.find<QPlainTextEdit>(d.memo)->toPlainText().toStdString(), d.text);
    }
}

TEST(RemoteCommandPage, volumeFieldShowsOnlyForVolumeAndTakesTwoDigits)
{
    Harness h;
    auto* box = h.find<QComboBox>("OSDBox");
    auto* volume = h.find<QLineEdit>("Edit2");
    auto* range = h.find<QLabel>("Label59");
    const auto shown = [](QWidget* w) { return !w->isHidden(); };  // the tab itself is not on top
    EXPECT_EQ(volume->text(), QStringLiteral("31"));
    EXPECT_EQ(range->text(), QStringLiteral("( 0~31 )"));
    EXPECT_EQ(range->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(box->width(), 145);
    EXPECT_FALSE(shown(volume));
    EXPECT_FALSE(shown(range));

    for (int index : {4, 5, 4, 0}) {
        box->setCurrentIndex(index);
        EXPECT_EQ(box->width(), index == 4 ? 65 : 145) << index;
        EXPECT_EQ(shown(volume), index == 4) << index;
        EXPECT_EQ(shown(range), index == 4) << index;
        if (index == 4) {
            EXPECT_LT(box->geometry().right(), volume->geometry().left());
        }
    }

    // The digit filter of the settings pages: only digits, at most two.
    volume->clear();
    QTest::keyClicks(volume, QStringLiteral("a5-x79"));
    EXPECT_EQ(volume->text(), QStringLiteral("57"));
    QTest::keyClick(volume, Qt::Key_Backspace);
    EXPECT_EQ(volume->text(), QStringLiteral("5"));
}

// ---- Waits on one panel ----

// The transfers of the trace that mention `remote` names, in order.
Lines only(const Lines& trace, const std::set<std::string>& remotes)
{
    Lines out;
    for (const std::string& line : trace)
        for (const std::string& remote : remotes)
            if (line.find(" " + remote + " ") != std::string::npos)
                out.push_back(line);
    return out;
}

TEST(RemoteCommandPage, anOperationStartedDuringAWaitTakesTheBarAndThePanelHidesAfterTheLast)
{
    Harness h;
    h.find<QPushButton>("RestoreButton")->setEnabled(true);
    std::vector<bool> shownDuring;  // at each step of either wait
    int maximumAfterRestore = -1;
    bool nested = false;
    h.onStep = [&](int position) {
        shownDuring.push_back(h.window->waitPanel()->isVisibleTo(h.window.get()));
        if (position == 2 && !nested) {
            nested = true;
            h.click("RestoreButton");  // during the File List wait, as the operator's click would
            maximumAfterRestore = h.bar->maximum();
        }
    };
    h.find<QComboBox>("FileListCMDBox")->setCurrentIndex(0);
    h.click("FileListButton");
    ASSERT_TRUE(h.settled());

    EXPECT_EQ(maximumAfterRestore, 70);  // the later wait has the bar
    const Lines trace = h.trace();
    EXPECT_EQ(only(trace, {"/getfiles", "/Q7files"}), (Lines{put("/getfiles"), "get /Q7files @0,1"}));
    EXPECT_EQ(only(trace, {"/config.conf.put", "/restoreconfig"}),
              (Lines{put("/config.conf.put", "127.0.0.2_config.conf '<long>'", "0"), put("/restoreconfig", kNull, "0")}));
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "hide"), 1);
    EXPECT_EQ(trace.back(), "hide");
    EXPECT_EQ(shownDuring, std::vector<bool>(71 + 6 + 1, true));  // the fetch's wait ends with the fetch
    EXPECT_FALSE(h.window->waitPanel()->isVisibleTo(h.window.get()));
}

TEST(RemoteCommandPage, theWaitPanelSaysWhatEachWaitIsForAndTheSecondsLeft)
{
    Harness h;
    QStringList details;  // at each step
    h.onStep = [&](int) { details << h.find<QLabel>("WaitDetail")->text(); };
    h.find<QComboBox>("FileListCMDBox")->setCurrentIndex(0);  // 0..5 then 5..15, one second a step
    h.click("FileListButton");
    ASSERT_TRUE(h.settled());

    ASSERT_GE(details.size(), 6 + 1);  // the fetch's wait may end once every copy is in
    EXPECT_EQ(details.mid(0, 2), (QStringList{"Waiting for the players to list their disks: 6 s left",
                                              "Waiting for the players to list their disks: 5 s left"}));
    EXPECT_EQ(details[5], "Waiting for the players to list their disks: 1 s left");
    EXPECT_EQ(details[6], "Waiting for the copies to arrive: 11 s left");
}

TEST(RemoteCommandPage, aCopyNoViewerCanOpenShowsInAReadOnlyWindowOfItsOwn)
{
    Harness h;
    h.platform.viewer.refuse = true;
    h.delivers[0] = "caf\xe9 1.mpg\r\n/002.jpg\n";  // the system code page's 8-bit text
    h.find<QComboBox>("FileListCMDBox")->setCurrentIndex(0);
    for (int run = 0; run < 2; ++run) {  // fetched again: the same window shows the new copy
        h.click("FileListButton");
        ASSERT_TRUE(h.settled());
    }

    EXPECT_EQ(h.opened(), (QStringList{"Q7_0_q7files.txt", "Q7_0_q7files.txt"}));
    const QList<TextFileWindow*> windows = h.window->findChildren<TextFileWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.front()->isVisible());
    EXPECT_FALSE(windows.front()->isModal());
    EXPECT_EQ(windows.front()->windowTitle(), "Q7_0_q7files.txt");
    const auto* text = windows.front()->findChild<QPlainTextEdit*>();
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->toPlainText(), QString::fromUtf8("caf\u00e9 1.mpg\n/002.jpg\n"));
}

// Stopping a command: Cancel on the wait panel, a termination signal, or closing the window while
// it is busy (asked once: "Wait" or "Stop them"). A stopped command takes no further step, its
// running clients are ended and a fetch's temporary is removed; shut-down runs only after it.
TEST(RemoteCommandPage, aBusyCommandIsStoppedOrWaitedForAndNothingOfItIsLeft)
{
    enum class Action { Cancel, TerminationSignal, CloseStop, CloseWait };
    struct Case {
        const char* name;
        const char* box;
        int index;
        std::set<std::string> held;  // clients that run on until the test releases them
        Action action;
        const char* busyAt;  // the trace's last line when the test acts (Cancel acts at step 10)
        Lines trace;
        bool closed;
        size_t stoppedClients;
        std::vector<QString> questions = {};
    };
    const Case cases[] = {
        {"Cancel during the fetch's wait", "ConfigBox", 1, {"/config.conf"}, Action::Cancel, "",
         {put("/saveconfig"), "wait 0..5/15", "get /config.conf @0,1", "wait 5..10/15", "hide"}, false, 2},
        {"a termination signal while the list is put", "EraseBox", 1, {"/delete.lst"}, Action::TerminationSignal,
         "wait 0..5/5", {put("/delete.lst", kList), "wait 0..5/5", "hide"}, true, 2},
        {"closing, Stop them, while a fetch is written", "ConfigBox", 1, {"/config.conf"}, Action::CloseStop, "hide",
         {put("/saveconfig"), "wait 0..5/15", "get /config.conf @0,1", "wait 5..15/15", "hide"}, true, 2,
         {"1 command is still running."}},
        {"closing, Wait, while the list is put", "EraseBox", 1, {"/delete.lst"}, Action::CloseWait, "wait 0..5/5",
         {put("/delete.lst", kList), "wait 0..5/5", put("/delfiles"), "hide"}, true, 0,
         {"1 command is still running."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        writeBytes(h.path("lists/chosen.lst"), "/001.mpg");
        h.platform.dialogs.fileAnswers.push_back(h.qpath("lists/chosen.lst"));
        h.held = c.held;
        bool closed = false;
        QObject::connect(h.window.get(), &MainWindow::closed, [&] { closed = true; });
        h.window->show();
        closeOnTerminationSignals(h.window.get());
        if (c.action == Action::Cancel)
            h.onStep = [&](int position) {
                if (position == 10)
                    h.find<QPushButton>("WaitCancelButton")->click();
            };
        h.find<QComboBox>(c.box)->setCurrentIndex(c.index);
        h.click(sendButton(c.box));

        if (c.action != Action::Cancel) {
            Q7_WAIT_VERIFY(h.trace().back() == c.busyAt);
            EXPECT_EQ(h.window->transfers()->busyCommands(), 1);
        }
        switch (c.action) {
        case Action::Cancel:
            break;
        case Action::TerminationSignal:
            ::raise(SIGTERM);
            break;
        case Action::CloseStop:
        case Action::CloseWait:
            h.platform.dialogs.stillRunningAnswers.push_back(c.action == Action::CloseStop
                                                                 ? Dialogs::StillRunningAnswer::Stop
                                                                 : Dialogs::StillRunningAnswer::Wait);
            EXPECT_EQ(h.window->close(), c.action == Action::CloseStop);
            if (c.action == Action::CloseWait) {
                EXPECT_FALSE(h.window->close());  // asked once only: it closes by itself
                EXPECT_FALSE(closed);
                h.release();
            }
            break;
        }
        if (c.closed) {
            Q7_WAIT_VERIFY(closed);
        }
        ASSERT_TRUE(h.settled());
        EXPECT_EQ(closed, c.closed);
        EXPECT_EQ(h.trace(), c.trace);
        EXPECT_EQ(h.platform.dialogs.stillRunningQuestions, c.questions);
        EXPECT_EQ(size_t(std::count_if(h.platform.processes.starts.begin(), h.platform.processes.starts.end(),
                                       [](const auto& start) { return start.stopped; })),
                  c.stoppedClients);
        for (const auto& entry : fs::directory_iterator(h.dir.path()))
            EXPECT_FALSE(entry.path().filename().string().starts_with("tftp")) << entry.path();
        EXPECT_FALSE(h.window->waitPanel()->isVisibleTo(h.window.get()));
    }
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}

// ---- Backup and Restore on the Configuration tab ----

// A config file as Save Config File writes it, with some fields changed from their defaults.
std::string configFile(const config::FieldValues& changes)
{
    TempDir tmp;
    IniStore store;
    config::FieldValues values = config::defaultFieldValues();
    for (const auto& [name, value] : changes)
        values[name] = value;
    config::saveConfigFile(store, tmp.file("config.conf"), values, CodePage(1252));
    return readBytes(tmp.file("config.conf"));
}

class ConfigExchangeTest : public ::testing::Test {
protected:
    void start(const std::vector<Row>& rows)
    {
        h = std::make_unique<Harness>(rows);
        page = h->window->configPage();
        page->enableBackupRestore();
    }
    std::unique_ptr<Harness> h;
    ConfigPage* page = nullptr;
    const config::FieldValues changes{{"ScrollingText", {"On", 1}}, {"Volume", {"17", -1}}};
};

TEST_F(ConfigExchangeTest, withoutACheckedPlayerEachButtonSaysSoInItsOwnWords)
{
    start({{false, true}});
    h->click("BackupButton");
    h->click("RestoreButton");
    EXPECT_EQ(h->platform.dialogs.messages,
              (std::vector<QString>{"Please select a drive first.", "Please select a driver."}));
    EXPECT_EQ(h->trace(), Lines());
    for (const auto& entry : fs::directory_iterator(h->dir.path()))
        EXPECT_FALSE(entry.path().string().ends_with("config.conf")) << entry.path();  // no restore file written
}

TEST_F(ConfigExchangeTest, backupLoadsTheTopmostCheckedPlayersConfigurationAndRunsThePageRules)
{
    start({{false, true}, {true, true}, {true, true}});
    writeBytes(h->path("127.0.0.3_config.conf"), "an older restore file");
    h->delivers[1] = configFile(changes);
    EXPECT_FALSE(h->find("ScrollingTextColor")->isEnabled());

    h->click("BackupButton");
    ASSERT_TRUE(h->settled());

    EXPECT_EQ(h->trace(), (Lines{put("/saveconfig", kNull, "1"), "wait 0..50/100", "get /config.conf @1",
                                 "wait 51..51/100", "hide"}));
    EXPECT_EQ(page->fieldValues().at("Volume").text, "17");
    EXPECT_EQ(page->fieldValues().at("ScrollingText").chosen, 1);
    EXPECT_TRUE(h->find("ScrollingTextColor")->isEnabled());
    EXPECT_EQ(readBytes(h->path("Q7_1_")), h->delivers[1]);  // the backup copy stays
    EXPECT_FALSE(fs::exists(h->path("Q7_1_.tmp")));
    EXPECT_FALSE(fs::exists(h->path("127.0.0.3_config.conf")));
    EXPECT_TRUE(h->platform.dialogs.messages.empty());
    EXPECT_TRUE(h->platform.dialogs.errors.empty());
}

TEST_F(ConfigExchangeTest, backupNeverLoadsAStaleCopyWhenThePlayerStaysSilentOrOffline)
{
    for (const bool online : {true, false}) {
        SCOPED_TRACE(online ? "silent player" : "offline player");
        start({{true, online}});
        writeBytes(h->path("Q7_0_"), configFile(changes));  // left by an earlier backup of row 0
        const config::FieldValues before = page->fieldValues();

        h->click("BackupButton");
        ASSERT_TRUE(h->settled());

        EXPECT_EQ(page->fieldValues(), before);
        EXPECT_FALSE(fs::exists(h->path("Q7_0_")));
        // An offline player gets nothing, and Backup still gives it the time to save its settings;
        // the wait for the fetch ends with it, or is skipped without one.
        EXPECT_EQ(h->trace(), online ? (Lines{put("/saveconfig", kNull, "0"), "wait 0..50/100", "get /config.conf @0",
                                              "wait 51..51/100", "hide"})
                                     : (Lines{"wait 0..50/100", "hide"}));
    }
}

TEST_F(ConfigExchangeTest, restoreWritesThePagesForTheTopmostCheckedPlayerAndHasItAdoptThem)
{
    for (const bool online : {true, false}) {
        SCOPED_TRACE(online ? "online player" : "offline player");
        start({{false, true}, {true, online}, {true, true}});
        h->find<QLineEdit>("Volume")->setText(QStringLiteral("9"));
        h->find<QLineEdit>("DownloadTimeHour")->setText(QStringLiteral("77"));

        h->click("RestoreButton");
        ASSERT_TRUE(h->settled());

        const Lines sent{put("/config.conf.put", "127.0.0.3_config.conf '<long>'", "1"), "wait 0..70/70",
                         put("/restoreconfig", kNull, "1"), "hide"};
        EXPECT_EQ(h->trace(), online ? sent : (Lines{"wait 0..70/70", "hide"}));
        // Exactly what Save Config File writes, the download time normalised on the page too.
        EXPECT_EQ(h->find<QLineEdit>("DownloadTimeHour")->text(), QStringLiteral("00"));
        ASSERT_TRUE(page->saveConfigTo(h->qpath("saved.conf")));
        EXPECT_EQ(readBytes(h->path("127.0.0.3_config.conf")), readBytes(h->path("saved.conf")));
        EXPECT_NE(readBytes(h->path("saved.conf")).find("9"), std::string::npos);
        EXPECT_FALSE(fs::exists(h->path("127.0.0.3_config.conf.tmp")));
        EXPECT_TRUE(h->platform.dialogs.messages.empty());
    }
}

}  // namespace
