// The runner end to end: the main window's put and get start the real
// tftp-hpa client against test players on loopback, and the transfer log shows what happened.
#include "gui/mainwindow/mainwindow.h"
#include "gui/transfer/playerlisttransfers.h"
#include "gui/platform/process.h"
#include "gui/players/playerlistview.h"
#include "gui/transfer/transferrunner.h"
#include "support/endlessserver.h"
#include "support/fakes.h"
#include "support/programs.h"
#include "support/tempdir.h"
#include "support/qtwait.h"

#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::test;

namespace {

class TransferEndToEndTest : public ::testing::Test {
protected:
    // Players at 127.0.0.2.. with their folders under the test's folder; `served` rows are checked
    // and online.
    void start(const std::vector<std::string>& options, int players)
    {
        std::vector<std::string> arguments = options;
        for (int i = 0; i < players; ++i)
            arguments.push_back(address(i) + "=" + folder(i));
        sim = std::make_unique<PlayerSim>(arguments, dir.file("sim.out"));
        qputenv("Q7_TFTP_PORT", QByteArray::number(sim->port()));
        openWindow(players);
    }
    void openWindow(int players)
    {
        window = std::make_unique<MainWindow>(
            Services{platform.dialogs, platform.system, processes, platform.resolver, platform.echo, platform.viewer, QString::fromStdString(startDir), 0.0});
        list = window->findChild<PlayerListView*>(QStringLiteral("ListView1"));
        for (int i = 0; i < players; ++i)
            window->addPlayer(QStringLiteral("Q7"), QString::fromStdString(address(i)));
    }
    void TearDown() override
    {
        qunsetenv("Q7_TFTP_PORT");
        qunsetenv("Q7_TEST_FETCH_LIMIT");
    }
    void mark(int row, bool checked, bool online) { markRow(platform.echo, *list, row, checked, online); }
    static std::string address(int i) { return "127.0.0." + std::to_string(i + 2); }
    std::string folder(int i) const { return dir.file("player" + std::to_string(i)); }
    QStringList log() const { return transferLogLines(*window); }
    // Waits for the summary of a call and returns the lines logged since `from`.
    QStringList waitForSummary(const QString& summary, qsizetype from, int timeoutMs = 20000)
    {
        [&] { Q7_WAIT_VERIFY_WITH_TIMEOUT(log().contains(summary), timeoutMs); }();
        return log().mid(from);
    }
    std::vector<std::string> startDirFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(startDir))
            if (entry.is_regular_file())
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
    std::string startDir = dir.file("start");
    FakePlatform platform{QString::fromStdString(startDir)};
    QtProcessStarter processes;
    std::unique_ptr<PlayerSim> sim;
    std::unique_ptr<MainWindow> window;
    PlayerListView* list = nullptr;
};

TEST_F(TransferEndToEndTest, filesReachServedPlayersAndComeBack)
{
    fs::create_directories(startDir);
    start({"--deny", "/reboot"}, 3);
    mark(0, true, true);
    mark(1, true, false);  // checked but offline
    mark(2, false, true);  // online but unchecked

    // A put arrives byte-exact at the served player only; a local path with blanks is one argument.
    fs::create_directories(dir.file("my files"));
    const std::string message = std::string("Hello\r\nplayers\n\x00\xff", 17);
    const QString local = QString::fromStdString(dir.file("my files/message one.txt"));
    writeBytes(local.toStdString(), message);
    EXPECT_EQ(window->transfers()->put(local, "/message.txt", -1), QStringLiteral("127.0.0.2"));
    EXPECT_EQ(waitForSummary("put /message.txt: 1 of 1 player done", 0),
              (QStringList{"put /message.txt 127.0.0.2 row 0: done", "put /message.txt: 1 of 1 player done"}));
    EXPECT_EQ(readBytes(folder(0) + "/message.txt"), message);
    EXPECT_FALSE(fileExists(folder(1) + "/message.txt"));
    EXPECT_FALSE(fileExists(folder(2) + "/message.txt"));

    // A get in netascii lands as Q7_<row>_<suffix>, byte-exact, from every served row.
    mark(1, true, true);
    qsizetype from = log().size();
    EXPECT_EQ(window->transfers()->get("/config.conf", "config.conf", -1), QStringLiteral("Q7_1_config.conf"));
    const QStringList got = waitForSummary("get /config.conf: 2 of 2 players done", from);
    EXPECT_TRUE(got.contains("get /config.conf 127.0.0.2 row 0: done")) << got.join('\n').toStdString();
    EXPECT_TRUE(got.contains("get /config.conf 127.0.0.3 row 1: done")) << got.join('\n').toStdString();
    EXPECT_EQ(readBytes(startDir + "/Q7_0_config.conf"), readBytes(folder(0) + "/config.conf"));
    EXPECT_EQ(readBytes(startDir + "/Q7_1_config.conf"), readBytes(folder(1) + "/config.conf"));
    EXPECT_EQ(readBytes(startDir + "/Q7_1_config.conf").substr(0, 21), "\r\n[NETWORK SETTING]\r\n");

    // Refused transfers: no file under a looked-up name, no temporary file left behind.
    from = log().size();
    window->transfers()->get("/Q7files", "q7files.txt", 0);
    window->transfers()->put(local, "/reboot", 1);
    waitForSummary("get /Q7files: 0 of 1 player done", from);
    const QStringList refused = waitForSummary("put /reboot: 0 of 1 player done", from);
    EXPECT_TRUE(refused.contains("get /Q7files 127.0.0.2 row 0: failed (refused: File not found)"))
        << refused.join('\n').toStdString();
    EXPECT_TRUE(refused.contains("put /reboot 127.0.0.3 row 1: failed (refused: Access violation)"))
        << refused.join('\n').toStdString();
    EXPECT_EQ(startDirFiles(), (std::vector<std::string>{".Q7_Configuration_V3.ini.lock", "Q7_0_config.conf",
                                                         "Q7_1_config.conf", "Q7_Configuration_v3.ini"}));

    // The player's journal saw exactly what reached it.
    EXPECT_NE(readBytes(folder(0) + "/journal.jsonl").find("\"name\":\"/message.txt\",\"mode\":\"octet\",\"bytes\":17"),
              std::string::npos);
    EXPECT_EQ(readBytes(folder(2) + "/journal.jsonl"), "");
}

// A device that answers a read with endless data: every kind of fetch is cut off at its byte
// bound (made small here) or its time bound, or when the window closes; the client is ended and
// the temporary removed, so nothing is left in the start folder and no client goes on writing.
TEST_F(TransferEndToEndTest, endlessFetchesAreCutOffAndLeaveNothing)
{
    struct Case {
        const char* remote;
        const char* suffix;
        std::chrono::milliseconds pause;  // between DATA blocks
        std::chrono::milliseconds timeLimit;
        bool closeWindow;
        const char* outcome;
    };
    using std::chrono::milliseconds;
    const Case cases[] = {
        {"/config.conf", "config.conf", milliseconds(0), milliseconds(60000), false, "failed (larger than 65536 bytes)"},
        {"/Q7files", "q7files.txt", milliseconds(0), milliseconds(60000), false, "failed (larger than 65536 bytes)"},
        {"/message_old.txt", "message_old.txt", milliseconds(20), milliseconds(1000), false,
         "failed (no end within 1 s)"},
        {"/config.conf", "", milliseconds(20), milliseconds(60000), true, "failed (stopped)"},
    };
    fs::create_directories(startDir);
    qputenv("Q7_TEST_FETCH_LIMIT", "65536");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remote + std::string(c.closeWindow ? " at close" : ""));
        EndlessServer server(address(0), c.pause);
        qputenv("Q7_TFTP_PORT", QByteArray::fromStdString(server.portText()));
        openWindow(1);
        mark(0, true, true);
        window->transfers()->runner().setFetchTimeLimit(c.timeLimit);
        window->transfers()->get(QString::fromLatin1(c.remote), QString::fromLatin1(c.suffix), 0);
        Q7_WAIT_VERIFY(server.reads() == 1);
        if (c.closeWindow) {
            Q7_WAIT_VERIFY(server.bytesSent() > 2048);  // the client is writing
            EXPECT_TRUE(window->close());
        }
        const QString caption = QStringLiteral("get ") + QString::fromLatin1(c.remote);
        const QStringList lines = waitForSummary(caption + QStringLiteral(": 0 of 1 player done"), 0, 30000);
        EXPECT_TRUE(lines.contains(caption + QStringLiteral(" 127.0.0.2 row 0: ") + QString::fromLatin1(c.outcome)))
            << lines.join('\n').toStdString();
        EXPECT_EQ(runningClients(server.portText()), 0);
        EXPECT_LT(server.bytesSent(), 16 * 1024 * 1024);
        for (const std::string& name : startDirFiles())
            EXPECT_FALSE(name.starts_with("tftp") || name.starts_with("Q7_0_")) << name;
        window.reset();
    }
}

}  // namespace
