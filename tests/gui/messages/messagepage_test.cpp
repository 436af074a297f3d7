// The message pages through the real main window: text messages in every code page, Put and Get
// Message, the bitmap preview rules, Send and Save as; and both messages end to end through the
// real tftp client to a test player. The bitmap file equals what q7ctl writes for the same input.
#include "gui/mainwindow/mainwindow.h"
#include "core/messages/bitmapfile.h"
#include "gui/messages/bitmapmessagesheet.h"
#include "gui/platform/process.h"
#include "gui/players/playerlistview.h"
#include "gui/transfer/playerlisttransfers.h"
#include "support/fakes.h"
#include "support/programs.h"
#include "support/tempdir.h"
#include "support/qtwait.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::test;

namespace {

class MessagePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(scratch());
        window = std::make_unique<MainWindow>(platform.services());
        window->messagePage();
        list = window->findChild<PlayerListView*>(QStringLiteral("ListView1"));
    }
    // Rows at 198.18.3.1..; `served` ones are checked and online.
    void players(const std::vector<bool>& served)
    {
        for (size_t i = 0; i < served.size(); ++i) {
            window->addPlayer(QStringLiteral("Q7"), QStringLiteral("198.18.3.%1").arg(i + 1));
            markRow(platform.echo, *list, int(i), served[i], served[i]);
        }
    }
    template <typename T>
    T* child(const char* name)
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* name) { child<QPushButton>(name)->click(); }
    std::string scratch() const { return dir.file("scratch"); }
    // The (remote name, local file) of every put started so far.
    std::vector<std::pair<QString, QString>> puts() const
    {
        std::vector<std::pair<QString, QString>> out;
        for (const auto& start : platform.processes.starts)
            if (start.arguments.contains(QStringLiteral("put")))
                out.emplace_back(start.arguments.last(), start.arguments[start.arguments.size() - 2]);
        return out;
    }
    void preview(const QString& text)
    {
        child<QLineEdit>("MessageEdit")->setText(text);
        click("PreviewButton");
    }

    TempDir dir;
    FakePlatform platform{QString::fromStdString(dir.path())};
    std::unique_ptr<MainWindow> window;
    PlayerListView* list = nullptr;
};

TEST_F(MessagePageTest, textMessagesAreConvertedStoredAndSent)
{
    click("SendTextButton");
    EXPECT_EQ(platform.dialogs.messages, std::vector<QString>{"Please select at least one device before sending the command!"});
    EXPECT_FALSE(fs::exists(scratch() + "/message.txt"));

    players({true, false});
    // Characters the code page cannot hold are announced first; answered No, nothing is written or sent.
    const struct {
        int item;
        QString text;
        std::string bytes;        // message.txt; empty with `send` false: not written
        std::string systemBytes;  // message_Unicode.txt, in the system's code page (1252 here)
        QString question = {};    // empty: none asked
        bool send = true;
    } cases[] = {{0, QStringLiteral("abc"), "abc\r\n", "abc\r\n"},
                 {0, QString(), "\r\n", "\r\n"},
                 {2, QStringLiteral("\u4E2D\u6587!"), "\xD6\xD0\xCE\xC4!\r\n", "?\x3F!\r\n"},
                 {4, QStringLiteral("\uD55C \u4E2D\u00E9"), "\xC7\xD1 \xF1\xE9?\r\n", "? ?\xE9\r\n",
                  "1 character cannot be written in the chosen code page and will be sent as \"?\". Send anyway?"},
                 {2, QStringLiteral("\uD55C\uAD6D\uC5B4"), "", "",
                  "3 characters cannot be written in the chosen code page and will be sent as \"?\". Send anyway?", false},
                 {2, QStringLiteral("\uD55C\uAD6D\uC5B4"), "???\r\n", "???\r\n",
                  "3 characters cannot be written in the chosen code page and will be sent as \"?\". Send anyway?"},
                 {-1, QStringLiteral("abc"), "", "abc\r\n"}};
    for (const auto& c : cases) {
        const size_t sent = puts().size();
        fs::remove(scratch() + "/message.txt");
        fs::remove(scratch() + "/message_Unicode.txt");
        platform.dialogs.yesNoQuestions.clear();
        if (!c.question.isEmpty())
            platform.dialogs.yesNoAnswers.push_back(c.send);
        child<QComboBox>("CodePageBox")->setCurrentIndex(c.item);
        child<QLineEdit>("MessageTextEdit")->setText(c.text);
        click("SendTextButton");
        EXPECT_EQ(platform.dialogs.yesNoQuestions,
                  c.question.isEmpty() ? std::vector<QString>{} : std::vector<QString>{c.question}) << c.item;
        if (!c.send) {
            EXPECT_FALSE(fs::exists(scratch() + "/message.txt"));
            EXPECT_FALSE(fs::exists(scratch() + "/message_Unicode.txt"));
            EXPECT_EQ(puts().size(), sent);
            continue;
        }
        EXPECT_EQ(readBytes(scratch() + "/message.txt"), c.bytes) << c.item;
        EXPECT_EQ(readBytes(scratch() + "/message_Unicode.txt"), c.systemBytes) << c.item;
        ASSERT_EQ(puts().size(), sent + 1);
        EXPECT_EQ(puts().back(), std::pair(QStringLiteral("/message.txt"), QString::fromStdString(scratch() + "/message.txt")));
    }
    EXPECT_EQ(puts().size(), 6u);  // one served row each time it was sent
    EXPECT_TRUE(child<QPlainTextEdit>("MessageMemo")->toPlainText().isEmpty());  // the empty file of the last case

    // Put Message: the chosen file goes as it is and shows in the memo.
    writeBytes(dir.file("ready.txt"), "Caf\xE9\r\n");
    platform.dialogs.fileAnswers.push_back(QString::fromStdString(dir.file("ready.txt")));
    click("PutTextButton");
    EXPECT_EQ(platform.dialogs.fileRequests.back().filterIndex, 3);
    EXPECT_EQ(puts().back().second, QString::fromStdString(dir.file("ready.txt")));
    EXPECT_EQ(child<QPlainTextEdit>("MessageMemo")->toPlainText(), QStringLiteral("Caf\u00E9\n"));
    platform.dialogs.fileAnswers.push_back(std::nullopt);
    click("PutTextButton");
    EXPECT_EQ(puts().size(), 7u);

    // A scratch folder that is gone: the file error is shown and nothing is sent.
    fs::remove_all(scratch());
    click("SendTextButton");
    EXPECT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_EQ(puts().size(), 7u);
}

TEST_F(MessagePageTest, getMessageFetchesFromServedRowsAndOpensWhatArrived)
{
    players({false, true, false, true});
    writeBytes(dir.file("Q7_2_message_old.txt"), "stale");
    // Each client ends successfully once the window's wait is under way.
    platform.processes.onStart = [this](const FakeProcessStarter::Start&) {
        const size_t index = platform.processes.starts.size() - 1;
        QTimer::singleShot(0, [this, index] { platform.processes.finish(index, ProcessExit::How::Exited, 0); });
    };
    click("GetTextButton");
    Q7_WAIT_VERIFY(window->transfers()->busyCommands() == 0);
    EXPECT_FALSE(fs::exists(dir.file("Q7_2_message_old.txt")));
    EXPECT_EQ(platform.viewer.opened, (QStringList{QString::fromStdString(dir.file("Q7_1_message_old.txt")),
                                                   QString::fromStdString(dir.file("Q7_3_message_old.txt"))}));
}

TEST_F(MessagePageTest, bitmapFileIsWhatQ7ctlWritesForTheSameInput)
{
    const std::string text = "Hello Q7, 08:00 - 22:00";
    preview(QString::fromStdString(text));
    TempDir window;
    platform.dialogs.fileAnswers.push_back(QString::fromStdString(window.file("message.target")));
    click("SaveAsButton");
    const std::string drawn = readBytes(window.file("message.target"));
    ASSERT_EQ(drawn.size() % messages::kSegmentFileBytes, 0u);

    TempDir ctl;
    fs::create_directories(ctl.file("runtime"));
    ::chmod(ctl.file("runtime").c_str(), 0700);
    const RunResult saved =
        runProgram({"env", "XDG_RUNTIME_DIR=" + ctl.file("runtime"), Q7CTL, "bitmap", text, "--save", "."}, ctl.path());
    ASSERT_EQ(saved.status, 0) << saved.output;
    EXPECT_EQ(readBytes(ctl.file("message.target")), drawn);
}

TEST_F(MessagePageTest, bitmapPreviewSendAndSaveAs)
{
    players({true});
    auto* send = child<QPushButton>("SaveButton");
    auto* saveAs = child<QPushButton>("SaveAsButton");
    EXPECT_FALSE(send->isEnabled());
    EXPECT_EQ(child<QScrollBar>("ScrollBar1")->maximum(), 496);
    EXPECT_EQ(child<QScrollBar>("ScrollBar2")->maximum(), 560);
    child<QScrollBar>("ScrollBar1")->setValue(496);
    EXPECT_EQ(child<QWidget>("DrawBox")->x(), -4960);

    // An empty text clears the strip to the background and enables nothing.
    platform.dialogs.colorAnswers.push_back(QColor(0, 0, 128));
    QTest::mouseClick(child<QWidget>("BackColor"), Qt::LeftButton);
    // The swatches take focus and open their dialog with Space or Enter too.
    auto* fore = child<QWidget>("ForeColor");
    EXPECT_EQ(fore->focusPolicy(), Qt::StrongFocus);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        platform.dialogs.colorAnswers.push_back(QColor(Qt::black));
        QTest::keyClick(fore, key);
        EXPECT_TRUE(platform.dialogs.colorAnswers.empty()) << key;
    }
    preview(QString());
    const QImage& strip = window->findChild<BitmapMessageSheet*>()->drawing();
    EXPECT_EQ(strip.pixelColor(5399, 89), QColor(0, 0, 128));
    EXPECT_FALSE(send->isEnabled());

    // A short text is drawn at x = 5 and enables sending.
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPixelSize(40);
    platform.dialogs.fontAnswers.push_back(big);
    click("FontButton");
    EXPECT_EQ(child<QLabel>("FontNameLabel")->text(), QStringLiteral("DejaVu Sans"));
    preview(QStringLiteral("Hello"));
    ASSERT_TRUE(send->isEnabled() && saveAs->isEnabled());
    EXPECT_GT(child<QProgressBar>("ProgressBar1")->value(), 0);
    int lit = -1;
    for (int x = 0; x < 100 && lit < 0; ++x)
        for (int y = 0; y < 90 && lit < 0; ++y)
            if (strip.pixelColor(x, y) != QColor(0, 0, 128))
                lit = x;
    EXPECT_GE(lit, 5);
    EXPECT_LE(lit, 10);

    // Too wide: the earlier picture stays, and both buttons act on it.
    const QImage before = strip.copy();
    preview(QString(400, QLatin1Char('W')));
    EXPECT_EQ(platform.dialogs.messages.back(), QStringLiteral("Message too long."));
    EXPECT_EQ(child<QProgressBar>("ProgressBar1")->value(), 5380);
    EXPECT_EQ(strip, before);
    EXPECT_TRUE(send->isEnabled());

    click("SaveButton");
    const std::string target = scratch() + "/message.target";
    EXPECT_EQ(fs::file_size(target), messages::kSegmentFileBytes);
    EXPECT_EQ(puts(), (std::vector{std::pair(QStringLiteral("/message.target"), QString::fromStdString(target))}));
    EXPECT_EQ(child<QScrollBar>("ScrollBar2")->maximum(), 64);
    EXPECT_EQ(child<QProgressBar>("ProgressBar2")->value(), 0);

    // Save as: another typed name only chooses the folder.
    TempDir out;
    writeBytes(out.file("banner.target"), "keep");
    platform.dialogs.fileAnswers.push_back(QString::fromStdString(out.file("banner.target")));
    click("SaveAsButton");
    EXPECT_EQ(platform.dialogs.fileRequests.back().filterIndex, 5);
    EXPECT_EQ(readBytes(out.file("banner.target")), "keep");
    EXPECT_EQ(readBytes(out.file("message.target")), readBytes(target));
    EXPECT_EQ(puts().size(), 1u);
}

TEST(MessagesEndToEnd, textAndBitmapMessagesReachAPlayerByteExact)
{
    if (!haveProgram("tftp"))
        GTEST_SKIP() << "the tftp client (tftp-hpa) is not installed";
    TempDir dir;
    const std::string player = dir.file("player");
    PlayerSim sim({"127.0.0.2=" + player}, dir.file("sim.out"));
    qputenv("Q7_TFTP_PORT", QByteArray::number(sim.port()));
    FakePlatform platform{QString::fromStdString(dir.file("start"))};
    fs::create_directories(dir.file("start/scratch"));
    QtProcessStarter processes;
    MainWindow window(Services{platform.dialogs, platform.system, processes, platform.resolver, platform.echo,
                                platform.viewer, platform.startDir, 0.0});
    window.messagePage();
    window.addPlayer(QStringLiteral("Q7"), QStringLiteral("127.0.0.2"));
    auto* list = window.findChild<PlayerListView*>(QStringLiteral("ListView1"));
    markRow(platform.echo, *list, 0, true, true);

    window.findChild<QComboBox*>(QStringLiteral("CodePageBox"))->setCurrentIndex(3);
    window.findChild<QLineEdit*>(QStringLiteral("MessageTextEdit"))->setText(QStringLiteral("\u65E5\u672C abc"));
    window.findChild<QPushButton*>(QStringLiteral("SendTextButton"))->click();
    Q7_WAIT_COMPARE_WITH_TIMEOUT(QString::fromStdString(fs::exists(player + "/message.txt") ? readBytes(player + "/message.txt") : ""),
                              QString::fromStdString("\x93\xFA\x96\x7B abc\r\n"), 15000);

    window.findChild<QLineEdit*>(QStringLiteral("MessageEdit"))->setText(QStringLiteral("Good morning"));
    window.findChild<QPushButton*>(QStringLiteral("PreviewButton"))->click();
    window.findChild<QPushButton*>(QStringLiteral("SaveButton"))->click();
    const std::string sent = readBytes(dir.file("start/scratch/message.target"));
    ASSERT_EQ(sent.size(), messages::kSegmentFileBytes);
    Q7_WAIT_VERIFY_WITH_TIMEOUT(fs::exists(player + "/message.target") && readBytes(player + "/message.target") == sent, 15000);
    qunsetenv("Q7_TFTP_PORT");
}

}  // namespace
