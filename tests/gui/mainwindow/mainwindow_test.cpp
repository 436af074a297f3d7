#include "core/settings/appsettings.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/mainwindow/signalclose.h"
#include "gui/widgets/waitpanel.h"
#include "gui/config/configpage.h"
#include "gui/platform/translators.h"
#include "support/fakes.h"
#include "support/programs.h"
#include "support/tempdir.h"
#include "support/qtwait.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::test;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<MainWindow> start()
    {
        auto window = std::make_unique<MainWindow>(platform.services());
        // The operator looks at every page: each is built when its tab is first shown.
        auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        for (int i = pages->count() - 1; i >= 0; --i)
            pages->setCurrentIndex(i);
        return window;
    }
    std::string settingsFile() const { return dir.file(kSettingsWriteName); }

    TempDir dir;
    FakePlatform platform{QString::fromStdString(dir.path())};
};

template <typename T>
T* child(QWidget* window, const char* name)
{
    T* widget = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QStringList rows(QWidget* window, int column)
{
    QStringList out;
    auto* list = child<QTreeWidget>(window, "ListView1");
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(column);
    return out;
}

TEST_F(MainWindowTest, firstStartWithoutSettingsFile)
{
    platform.system.addresses = {QStringLiteral("198.18.0.5"), QStringLiteral("198.18.1.5")};
    auto window = start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Q7 Configuration Tool v3.8.9"));
    EXPECT_EQ(window->size(), QSize(775, MainWindow::kHeight));
    EXPECT_TRUE(fileExists(dir.file(kSettingsReadName)));
    EXPECT_EQ(readBytes(dir.file(kSettingsReadName)), "");
    EXPECT_EQ(rows(window.get(), 2), QStringList());

    auto* ipBox = child<QComboBox>(window.get(), "LocalIPBox");
    EXPECT_EQ(ipBox->count(), 3);
    EXPECT_EQ(ipBox->itemText(0), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(ipBox->currentText(), QStringLiteral("198.18.1.5"));

    // Private scratch folder with an empty command file.
    const std::string scratch = platform.system.scratch.toStdString();
    EXPECT_EQ(readBytes(scratch + "/nullCMD.txt"), "");
    struct stat st {};
    ASSERT_EQ(::stat(scratch.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    EXPECT_EQ(child<QScrollBar>(window.get(), "ScrollBar1")->maximum(), 496);
    EXPECT_EQ(child<QLabel>(window.get(), "FontNameLabel")->text(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(child<QComboBox>(window.get(), "CodePageBox")->currentIndex(), 0);

    // The wait panel is centred and hidden.
    auto* wait = child<QWidget>(window.get(), "WaitPanel");
    EXPECT_FALSE(wait->isVisibleTo(window.get()));
    EXPECT_EQ(wait->x(), (775 - wait->width()) / 2);
}

TEST_F(MainWindowTest, everyNamedControlExists)
{
    auto window = start();
    for (const char* name : {"LocalIPBox", "ListView1", "SearchBar", "SearchQ7Button", "PageControl1", "WaitPanel",
                             "WaitBar", "Image6", "Image4", "Image5", "Image2", "CoolTrayIcon1", "PopupMenu1",
                             "PopupMenu2", "PingTimer", "ForeColor", "BackColor", "FontNameLabel",
                             "CodePageBox", "DownEdit", "UpEdit", "DateTimePicker1", "OKRightDlg",
                             "FWVersion", "Image1", "Image3"})
        EXPECT_NE(window->findChild<QObject*>(QLatin1String(name)), nullptr) << name;

    auto* pages = child<QTabWidget>(window.get(), "PageControl1");
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions << pages->tabText(i);
    EXPECT_EQ(captions, (QStringList{"Configuration", "Remote Command", "Message Control", "File List Manager",
                                     "Example"}));
}

TEST_F(MainWindowTest, japaneseLocaleStartsWithShiftJis)
{
    platform.system.locale = QStringLiteral("ja_JP.UTF-8");
    auto window = start();
    EXPECT_EQ(child<QComboBox>(window.get(), "CodePageBox")->currentText(), QStringLiteral("Japanese (Shift-JIS)"));
}

TEST_F(MainWindowTest, settingsRoundTripCompactsSlotsAndCleansUp)
{
    fs::create_directory(dir.file("media"));
    const std::string media = dir.file("media");
    writeBytes(dir.file(kSettingsReadName),
               "\r\n[FONT]\r\nBACK=$00123456\r\nFORE=clRed\r\nSIZE=12\r\nNAME=DejaVu Serif\r\n"
               "\r\n[LIST_EDIT]\r\nUPURL=ftp://up\r\nDOWNURL=http://down/\r\nROOT=" + media + "\r\n"
               "\r\n[Q7_Dev]\r\nIP_5=198.18.0.6\r\nNAME_5=Five\r\nIP_0=198.18.0.1\r\nNAME_0=Zero\r\n"
               "IP_7=198.18.0.1\r\nNAME_7=Duplicate\r\n");
    ::chmod(dir.file(kSettingsReadName).c_str(), 0444);
    // The user's own files stay; only a temporary this tool names goes.
    const std::vector<std::string> users{"tftp-notes.txt", "TFTP-notes.txt", "Tftpd.conf", "tftpX", "xtftp"};
    for (const std::string& name : users)
        writeBytes(dir.file(name), "x");
    writeBytes(dir.file("tftp-Q7_0_-ABC123"), "x");

    auto window = start();
    EXPECT_EQ(rows(window.get(), 1), (QStringList{"Zero", "Five"}));
    EXPECT_EQ(rows(window.get(), 2), (QStringList{"198.18.0.1", "198.18.0.6"}));
    EXPECT_EQ(child<QLabel>(window.get(), "FontNameLabel")->text(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(child<QFrame>(window.get(), "ForeColor")->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(child<QFrame>(window.get(), "BackColor")->palette().color(QPalette::Window), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(child<QLineEdit>(window.get(), "DownEdit")->text(), QStringLiteral("http://down/"));
    EXPECT_EQ(child<QLineEdit>(window.get(), "UpEdit")->text(), QStringLiteral("ftp://up"));
    EXPECT_TRUE(child<QTimer>(window.get(), "PingTimer")->isActive());

    EXPECT_TRUE(window->close());
    EXPECT_TRUE(platform.dialogs.errors.empty());
    EXPECT_EQ(readBytes(settingsFile()),
              "\r\n[FONT]\r\nBACK=$00123456\r\nFORE=clRed\r\nSIZE=12\r\nNAME=DejaVu Serif\r\n"
              "\r\n[LIST_EDIT]\r\nUPURL=ftp://up\r\nDOWNURL=http://down/\r\nROOT=" + media + "\r\n"
              "\r\n[Q7_Dev]\r\nIP_1=198.18.0.6\r\nNAME_1=Five\r\nIP_0=198.18.0.1\r\nNAME_0=Zero\r\n");
    EXPECT_FALSE(fileExists(dir.file(kSettingsReadName)));  // one file, in the written spelling
    EXPECT_FALSE(fileExists(dir.file("tftp-Q7_0_-ABC123")));
    for (const std::string& name : users)
        EXPECT_TRUE(fileExists(dir.file(name))) << name;
}

// Pages never shown keep what was loaded for them: the file is rebuilt as when they were shown.
TEST_F(MainWindowTest, pagesNeverShownSaveWhatWasLoadedForThem)
{
    fs::create_directory(dir.file("media"));
    const std::string stored = "\r\n[FONT]\r\nBACK=$00123456\r\nFORE=clRed\r\nSIZE=12\r\nNAME=DejaVu Serif\r\n"
                               "\r\n[LIST_EDIT]\r\nUPURL=ftp://up\r\nDOWNURL=http://down/\r\nROOT=" +
                               dir.file("media") + "\r\n\r\n[Q7_Dev]\r\nIP_0=198.18.0.1\r\nNAME_0=Zero\r\n";
    writeBytes(dir.file(kSettingsReadName), stored);
    MainWindow window(platform.services());
    EXPECT_TRUE(window.close());
    EXPECT_EQ(readBytes(settingsFile()), stored);
}

TEST_F(MainWindowTest, onlySlotsUpTo128AreLoaded)
{
    std::string file = "\r\n[Q7_Dev]\r\n";
    for (int n = 139; n >= 0; --n)
        file += "IP_" + std::to_string(n) + "=198.18.2." + std::to_string(n) + "\r\nNAME_" + std::to_string(n) +
                "=P" + std::to_string(n) + "\r\n";
    writeBytes(dir.file(kSettingsReadName), file);
    auto window = start();
    const QStringList names = rows(window.get(), 1);
    ASSERT_EQ(names.size(), 129);
    EXPECT_EQ(names.first(), QStringLiteral("P0"));
    EXPECT_EQ(names.last(), QStringLiteral("P128"));
}

TEST_F(MainWindowTest, unusableValuesKeepDefaultsAndAreWrittenBackUnharmed)
{
    writeBytes(dir.file(kSettingsReadName),
               "\r\n[FONT]\r\nBACK=$FF000005\r\nFORE=purple\r\nSIZE=big\r\nNAME=DejaVu Sans\r\n"
               "\r\n[LIST_EDIT]\r\nUPURL=u\r\nDOWNURL=d\r\nROOT=/no/such/folder\r\n"
               "\r\n[Q7_Dev]\r\nIP_2=10.0.0.300\r\nNAME_2=Big\r\nIP_1=-V\r\nNAME_1=Opt\r\nIP_0=198.18.0.1\r\nNAME_0=Zero\r\n");
    platform.system.scratch = QStringLiteral("/proc/q7-cannot-be-created");
    auto window = start();
    // Stored addresses that are none (one tftp would take as an option) are not listed, said once.
    EXPECT_EQ(rows(window.get(), 1), QStringList{"Zero"});
    const QString rule = QStringLiteral("\" is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)");
    EXPECT_EQ(platform.dialogs.messages,
              std::vector<QString>{"These players of the settings file are not listed:\nIP Address of Opt: \"-V" + rule +
                                   "\nIP Address of Big: \"10.0.0.300" + rule +
                                   "\n\nThey stay in the settings file as they are."});
    EXPECT_EQ(child<QFrame>(window.get(), "ForeColor")->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(child<QLineEdit>(window.get(), "DownEdit")->text(), QStringLiteral("d"));

    EXPECT_TRUE(window->close());
    EXPECT_EQ(readBytes(settingsFile()),
              "\r\n[FONT]\r\nBACK=$FF000005\r\nFORE=purple\r\nSIZE=big\r\nNAME=DejaVu Sans\r\n"
              "\r\n[LIST_EDIT]\r\nUPURL=u\r\nDOWNURL=d\r\nROOT=/no/such/folder\r\n"
              "\r\n[Q7_Dev]\r\nIP_2=10.0.0.300\r\nNAME_2=Big\r\nIP_1=-V\r\nNAME_1=Opt\r\nIP_0=198.18.0.1\r\nNAME_0=Zero\r\n");
}

TEST_F(MainWindowTest, failedSaveShowsErrorKeepsWindowOpenAndLosesNothing)
{
    const std::string original = "\r\n[Q7_Dev]\r\nIP_0=198.18.0.1\r\nNAME_0=Zero\r\n";
    writeBytes(dir.file(kSettingsReadName), original);
    fs::create_directory(settingsFile());  // something in the way of the new file
    auto window = start();
    window->show();
    EXPECT_FALSE(window->close());
    ASSERT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(readBytes(dir.file(kSettingsReadName)), original);

    fs::remove(settingsFile());
    EXPECT_TRUE(window->close());
    EXPECT_NE(readBytes(settingsFile()).find("IP_0=198.18.0.1"), std::string::npos);
}

TEST_F(MainWindowTest, windowHoldsTheSettingsLockWhileItRuns)
{
    auto window = start();
    std::string why;
    EXPECT_FALSE(SettingsLock::acquire(dir.path(), std::chrono::milliseconds(0), &why).held());
    EXPECT_NE(why.find("in use by a running Q7 Configuration Tool window"), std::string::npos) << why;
    window.reset();
    EXPECT_TRUE(SettingsLock::acquire(dir.path(), std::chrono::milliseconds(0)).held());
}

// A second window in a folder whose settings a running window holds asks what to do. Read-only it
// saves nothing and removes no file of the folder, so what the first saved and what was added
// after it (q7ctl may take the file once the first has closed) stays; otherwise it ends at once.
TEST_F(MainWindowTest, secondWindowInTheSameFolderAsksAndNeverOverwritesTheFirst)
{
    using Answer = Dialogs::SettingsInUseAnswer;
    const struct {
        Answer answer;
        bool q7ctlMeanwhile;  // else the settings file is edited directly
    } cases[] = {{Answer::ReadOnly, false}, {Answer::ReadOnly, true}, {Answer::BringForward, false}, {Answer::Quit, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.answer));
        TempDir folder;
        FakePlatform firstFakes{QString::fromStdString(folder.path())};
        FakePlatform secondFakes{QString::fromStdString(folder.path())};
        auto first = std::make_unique<MainWindow>(firstFakes.services());
        first->addPlayer(QStringLiteral("First"), QStringLiteral("198.18.0.1"));
        QSignalSpy forward(first.get(), &MainWindow::broughtForward);

        secondFakes.dialogs.settingsInUseAnswers.push_back(c.answer);
        MainWindow second(secondFakes.services());
        ASSERT_EQ(secondFakes.dialogs.settingsInUseQuestions.size(), 1u);
        EXPECT_EQ(secondFakes.dialogs.settingsInUseQuestions[0],
                  QStringLiteral("Another Q7 Configuration Tool window is running in \"%1\" and keeps its settings.\n\n"
                                 "Bring that window forward, open this one read-only (it saves nothing), or quit?")
                      .arg(QString::fromStdString(folder.path())));
        EXPECT_TRUE(second.readOnly());  // one that ends at once saves nothing either
        EXPECT_EQ(second.endsAtStart(), c.answer != Answer::ReadOnly);
        if (c.answer == Answer::BringForward)
            Q7_WAIT_COMPARE(forward.count(), 1);
        if (c.answer != Answer::ReadOnly) {
            EXPECT_TRUE(second.close());
            EXPECT_FALSE(fileExists(folder.file(kSettingsWriteName)));  // the first has not saved yet
            EXPECT_TRUE(first->close());
            EXPECT_NE(readBytes(folder.file(kSettingsWriteName)).find("NAME_0=First"), std::string::npos);
            EXPECT_TRUE(secondFakes.dialogs.errors.empty());
            continue;
        }
        EXPECT_EQ(second.windowTitle(), QStringLiteral("Q7 Configuration Tool v3.8.9 (read-only)"));
        EXPECT_EQ(rows(&second, 1), QStringList());  // it works on what it read at start-up

        EXPECT_TRUE(first->close());
        first.reset();
        if (c.q7ctlMeanwhile) {
            // The read-only window does not keep the settings from the command-line tool.
            const RunResult scan = runProgram({Q7CTL, "scan", "--address", "127.0.0.1", "--add"}, folder.path());
            EXPECT_EQ(scan.status, 0) << scan.output;
        } else {
            writeBytes(folder.file(kSettingsWriteName), readBytes(folder.file(kSettingsWriteName)) +
                                                            "IP_1=198.18.0.9\r\nNAME_1=Added\r\n");
        }
        const std::string saved = readBytes(folder.file(kSettingsWriteName));
        EXPECT_NE(saved.find("NAME_0=First"), std::string::npos);
        writeBytes(folder.file("tftp-Q7_0_q7files.txt-AbC123"), "a fetch of another window");

        second.addPlayer(QStringLiteral("Second"), QStringLiteral("198.18.0.2"));
        EXPECT_EQ(rows(&second, 1), QStringList{"Second"});
        EXPECT_TRUE(second.close());
        EXPECT_EQ(readBytes(folder.file(kSettingsWriteName)), saved);
        EXPECT_TRUE(fileExists(folder.file("tftp-Q7_0_q7files.txt-AbC123")));
        EXPECT_EQ(forward.count(), 0);
        EXPECT_TRUE(secondFakes.dialogs.errors.empty());
    }
}

TEST_F(MainWindowTest, widthToggleAlternatesBetween775And550)
{
    auto window = start();
    auto* image5 = child<QToolButton>(window.get(), "Image5");
    auto* image2 = child<QToolButton>(window.get(), "Image2");
    window->show();
    EXPECT_TRUE(image2->isVisible());
    EXPECT_FALSE(image5->isVisible());
    QTest::mouseClick(image2, Qt::LeftButton);
    EXPECT_EQ(window->width(), 550);
    EXPECT_TRUE(image5->isVisible());
    EXPECT_FALSE(image2->isVisible());
    QTest::mouseClick(image5, Qt::LeftButton);
    EXPECT_EQ(window->width(), 775);
    window->toggleWidth();
    EXPECT_EQ(window->width(), 550);
}

// The window opens where it was closed while a screen still shows it there (its frame clamped onto
// the screen's free area), else centred; the place is kept in a file of its own, never in the settings.
TEST_F(MainWindowTest, windowOpensWhereItWasClosedWhileAScreenShowsIt)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint centred((screen.width() - MainWindow::kWideWidth) / 2, (screen.height() - MainWindow::kHeight) / 2);
    struct Case {
        const char* kept;  // the place file; nullptr: none
        QPoint opensAt;    // the frame's top left corner
    };
    const Case cases[] = {
        {nullptr, centred},
        {"[MainConfig]\nleft=10\ntop=50\n", {10, 50}},
        {"[MainConfig]\nleft=-300\ntop=100\n", {0, 100}},   // partly off the left edge
        {"[MainConfig]\nleft=10\ntop=-50\n", {10, 0}},      // title bar above the screen
        {"[MainConfig]\nleft=5000\ntop=5000\n", centred},   // on a screen that is gone
        {"[MainConfig]\nleft=middle\ntop=50\n", centred},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kept ? c.kept : "none");
        TempDir folder;
        FakePlatform fakes{QString::fromStdString(folder.path())};
        Services services = fakes.services();
        services.placePath = QString::fromStdString(folder.file("config/window.ini"));
        if (c.kept) {
            fs::create_directory(folder.file("config"));
            writeBytes(folder.file("config/window.ini"), c.kept);
        }
        MainWindow window(services);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(window.frameGeometry().topLeft(), c.opensAt);
        EXPECT_EQ(window.size(), QSize(MainWindow::kWideWidth, MainWindow::kHeight));
    }

    // Moved and closed, the next window opens there; the settings file holds no trace of it.
    TempDir config;
    Services services = platform.services();
    services.placePath = QString::fromStdString(config.file("q7/window.ini"));
    {
        auto window = std::make_unique<MainWindow>(services);
        window->show();
        window->move(10, 30);
        window->close();
    }
    EXPECT_EQ(readBytes(settingsFile()).find("MainConfig"), std::string::npos);
    MainWindow again(services);
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(again.frameGeometry().topLeft(), QPoint(10, 30));
}

TEST_F(MainWindowTest, hideWithoutTrayMinimisesAndOpenRestores)
{
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
    auto window = start();
    window->show();
    window->hideToTray();
    EXPECT_TRUE(window->isMinimized());
    window->showFromTray();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
}

TEST_F(MainWindowTest, exitAndCloseButtonSaveTheSettings)
{
    auto window = start();
    window->addPlayer(QStringLiteral("A"), QStringLiteral("198.18.0.9"));
    bool closed = false;
    QObject::connect(window.get(), &MainWindow::closed, [&] { closed = true; });
    window->show();
    QTest::mouseClick(child<QToolButton>(window.get(), "Image6"), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_NE(readBytes(settingsFile()).find("IP_0=198.18.0.9"), std::string::npos);
}

TEST_F(MainWindowTest, terminationSignalClosesTheWindowAndSaves)
{
    auto window = start();
    window->addPlayer(QStringLiteral("B"), QStringLiteral("198.18.0.10"));
    window->show();
    closeOnTerminationSignals(window.get());
    ::raise(SIGTERM);
    Q7_WAIT_VERIFY(!window->isVisible());
    EXPECT_NE(readBytes(settingsFile()).find("IP_0=198.18.0.10"), std::string::npos);
    std::signal(SIGTERM, SIG_DFL);
}

// The value of the line that starts with `prefix` in a file of CR LF lines.
std::string lineAfter(const std::string& file, const std::string& prefix)
{
    const auto at = file.find("\r\n" + prefix);
    if (at == std::string::npos)
        return "(no line " + prefix + ")";
    const auto begin = at + 2 + prefix.size();
    return file.substr(begin, file.find("\r\n", begin) - begin);
}

// Types text the way a keyboard layout delivers it: one key event per character, whatever its script.
void typeText(QWidget* field, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

TEST_F(MainWindowTest, everyByteReadComesBackUnlessTheOperatorChangedIt)
{
    const std::string longUrl(40000, 'u');  // beyond QLineEdit's default limit of 32767 characters
    const struct {
        const char* what;
        const char* locale;
        std::string stored;   // a value as the settings file and a config file hold it
        QString typed;        // typed over it into UpEdit and WirelessSSID; null: left alone
        std::string written;  // the typed text in the system's code page
    } cases[] = {
        {"Latin-1", "C", "Caf\xE9", {}, {}},
        {"bytes 1252 leaves undefined", "de_DE.UTF-8", "\x81\x8D\x8F\x90\x9D\xFF\xFE", {}, {}},
        {"UTF-8 under 1252", "C.UTF-8", "\xC3\xA9", {}, {}},
        {"Shift-JIS, '^' as a second byte", "ja_JP.UTF-8", "A \x83\x5E B", {}, {}},
        {"bytes Shift-JIS cannot decode", "ja_JP.UTF-8", "\xFF\x7F\x83", {}, {}},
        {"BIG5, '^' as a second byte", "zh_TW.UTF-8", "\xA4\xA4 \xA4\x5E", {}, {}},
        {"typed under 1252", "C.UTF-8", "\xFF", QStringLiteral("Zoë € あ"), "Zo\xEB \x80 ?"},
        {"typed under 932", "ja_JP.UTF-8", "\xFF", QStringLiteral("タ é"), "\x83\x5E ?"},
        {"typed under 936", "zh_CN.UTF-8", "x", QStringLiteral("中文"), "\xD6\xD0\xCE\xC4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir run;
        FakePlatform fakes{QString::fromStdString(run.path())};
        fakes.system.locale = QLatin1String(c.locale);
        writeBytes(run.file(kSettingsReadName), "\r\n[LIST_EDIT]\r\nUPURL=" + c.stored + "\r\nDOWNURL=" + longUrl +
                                                    c.stored + "\r\n\r\n[Q7_Dev]\r\nIP_0=198.18.0.1\r\nNAME_0=" +
                                                    c.stored + "\r\n");
        writeBytes(run.file("in.conf"),
                   "\r\n[NETWORK SETTING]\r\n[Wireless SSID]=" + c.stored + "\r\n[PC1 Dir]=" + c.stored + "\r\n");
        {
            MainWindow window(fakes.services());
            fakes.dialogs.fileAnswers = {QString::fromStdString(run.file("in.conf")),
                                         QString::fromStdString(run.file("out.conf"))};
            window.configPage()->openChosenFile();
            if (!c.typed.isNull()) {
                window.fileListPage();  // else never shown: what was read goes back
                for (const char* name : {"UpEdit", "WirelessSSID"}) {
                    child<QLineEdit>(&window, name)->clear();
                    typeText(child<QLineEdit>(&window, name), c.typed);
                }
            }
            window.configPage()->saveToChosenFile();
            EXPECT_TRUE(window.close());
        }
        EXPECT_TRUE(fakes.dialogs.errors.empty());
        const std::string expected = c.typed.isNull() ? c.stored : c.written;
        const std::string settings = readBytes(run.file(kSettingsWriteName));
        EXPECT_EQ(lineAfter(settings, "UPURL="), expected);
        EXPECT_EQ(lineAfter(settings, "DOWNURL="), longUrl + c.stored);
        EXPECT_EQ(lineAfter(settings, "NAME_0="), c.stored);
        const std::string config = readBytes(run.file("out.conf"));
        EXPECT_EQ(lineAfter(config, "[Wireless SSID]="), expected);
        EXPECT_EQ(lineAfter(config, "[PC1 Dir]="), c.stored);
    }
}

mode_t modeOf(const std::string& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 0777;
}

TEST_F(MainWindowTest, strangeSettingsFilesNeverHangStartUpAndKeepTheirLinkAndMode)
{
    const std::string onePlayer = "\r\n[Q7_Dev]\r\nIP_0=198.18.0.7\r\nNAME_0=Seven\r\n";
    using Step = std::function<void(const TempDir& run, const std::string& settings)>;
    const Step nothingMore = [](const TempDir&, const std::string&) {};
    const struct {
        const char* what;
        Step make;
        bool usable;  // read as the settings file; otherwise the operator is told and the defaults are used
        Step after;   // checks after shut-down, beyond the new settings file
    } cases[] = {
        {"FIFO", [](const TempDir&, const std::string& s) { ASSERT_EQ(::mkfifo(s.c_str(), 0600), 0); }, false,
         nothingMore},
        {"link to /dev/zero", [](const TempDir&, const std::string& s) { fs::create_symlink("/dev/zero", s); }, false,
         [](const TempDir&, const std::string&) { EXPECT_TRUE(fs::is_character_file("/dev/zero")); }},
        {"folder", [](const TempDir&, const std::string& s) { fs::create_directories(s + "/inside"); }, false,
         [](const TempDir&, const std::string& s) { EXPECT_TRUE(fs::is_directory(s + "/inside")); }},
        {"larger than 16 MB",
         [&](const TempDir&, const std::string& s) {
             writeBytes(s, onePlayer);
             fs::resize_file(s, (16u << 20) + 1);
         },
         false, nothingMore},
        {"link to a regular file",
         [&](const TempDir& run, const std::string& s) {
             fs::create_directory(run.file("real"));
             writeBytes(run.file("real/settings.ini"), onePlayer);
             ::chmod(run.file("real/settings.ini").c_str(), 0640);
             fs::create_symlink("real/settings.ini", s);
         },
         true,
         [](const TempDir& run, const std::string&) {
             EXPECT_TRUE(fs::is_symlink(run.file(kSettingsWriteName)));  // renamed to the written spelling
             EXPECT_NE(readBytes(run.file("real/settings.ini")).find("NAME_1=Eight"), std::string::npos);
             EXPECT_EQ(modeOf(run.file("real/settings.ini")), 0640u);
         }},
        {"0600 file",
         [&](const TempDir&, const std::string& s) {
             writeBytes(s, onePlayer);
             ::chmod(s.c_str(), 0600);
         },
         true, [](const TempDir& run, const std::string&) { EXPECT_EQ(modeOf(run.file(kSettingsWriteName)), 0600u); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir run;
        FakePlatform fakes{QString::fromStdString(run.path())};
        const std::string settings = run.file(kSettingsReadName);
        c.make(run, settings);
        {
            MainWindow window(fakes.services());
            if (c.usable) {
                EXPECT_TRUE(fakes.dialogs.errors.empty());
                EXPECT_EQ(rows(&window, 1), QStringList{"Seven"});
            } else {
                ASSERT_EQ(fakes.dialogs.errors.size(), 1u);
                EXPECT_TRUE(fakes.dialogs.errors[0].contains(QString::fromStdString(settings)))
                    << fakes.dialogs.errors[0].toStdString();
                EXPECT_EQ(rows(&window, 1), QStringList());
            }
            window.addPlayer(QStringLiteral("Eight"), QStringLiteral("198.18.0.8"));
            EXPECT_TRUE(window.close());
        }
        EXPECT_EQ(fakes.dialogs.errors.size(), c.usable ? 0u : 1u);
        EXPECT_NE(readBytes(run.file(kSettingsWriteName)).find("=198.18.0.8\r\n"), std::string::npos);
        c.after(run, settings);
    }
}

// Through the real program: a termination signal while start-up is still under way (here it
// waits on the message about a FIFO settings file) ends it without writing anything.
TEST_F(MainWindowTest, terminationSignalDuringStartUpWritesNothing)
{
    const std::string fifo = dir.file(kSettingsReadName);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(dir.file("run"));
    fs::permissions(dir.file("run"), fs::perms::owner_all);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(dir.file("run")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.setWorkingDirectory(QString::fromStdString(dir.path()));
    tool.start(QStringLiteral(Q7_TOOL_PATH), {});
    ASSERT_TRUE(tool.waitForStarted());
    Q7_WAIT_VERIFY_WITH_TIMEOUT(fileExists(dir.file("run/q7-config-tool/nullCMD.txt")), 60000);  // start-up step 6
    tool.terminate();
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitStatus(), QProcess::CrashExit);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_FALSE(fileExists(dir.file(kSettingsWriteName)));
}

// Started from the desktop entry ("--desktop") the tool works in a folder of its own under the
// user's data folder, made on the first start, not in the home folder it is started in.
TEST_F(MainWindowTest, desktopStartWorksInItsOwnFolder)
{
    fs::create_directory(dir.file("home"));
    fs::create_directory(dir.file("run"));
    fs::permissions(dir.file("run"), fs::perms::owner_all);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(dir.file("run")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(dir.file("data")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.setWorkingDirectory(QString::fromStdString(dir.file("home")));
    tool.start(QStringLiteral(Q7_TOOL_PATH), {QStringLiteral("--desktop")});
    ASSERT_TRUE(tool.waitForStarted());
    const std::string work = dir.file("data/q7-config-tool/work");
    Q7_WAIT_VERIFY_WITH_TIMEOUT(fileExists(work + "/.Q7_Configuration_V3.ini.lock"), 60000);
    tool.kill();
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_TRUE(fs::is_empty(dir.file("home")));
}

// The panel shows while any command holds a turn; the latest turn moves the bar and Cancel stops
// its command, after which the earlier turn has the bar again at its own position.
TEST_F(MainWindowTest, waitPanelShowsTheLatestTurnAndCancelStopsIt)
{
    auto window = start();
    WaitPanel* panel = window->waitPanel();
    auto* bar = child<QProgressBar>(window.get(), "WaitBar");
    auto* cancel = child<QPushButton>(window.get(), "WaitCancelButton");
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    const auto shown = [&] { return panel->isVisibleTo(window.get()); };
    EXPECT_FALSE(shown());

    WaitPanel::Turn first = 0, second = 0;
    std::vector<int> cancelled;
    first = panel->take([&] {
        cancelled.push_back(1);
        panel->release(first);
    });
    const QString listing = QStringLiteral("for the players to list their disks");
    panel->step(first, 3, 15, listing, 12);
    EXPECT_TRUE(shown());
    EXPECT_EQ(std::pair(bar->value(), bar->maximum()), std::pair(3, 15));
    second = panel->take([&] {
        cancelled.push_back(2);
        panel->release(second);
    });
    panel->step(second, 0, 70, QStringLiteral("for the players to take the file"), 8);
    panel->step(first, 4, 15, listing, 11);  // the earlier wait goes on beneath
    EXPECT_EQ(std::pair(bar->value(), bar->maximum()), std::pair(0, 70));
    auto* detail = child<QLabel>(window.get(), "WaitDetail");
    EXPECT_EQ(detail->text(), QStringLiteral("Waiting for the players to take the file: 8 s left"));

    cancel->click();
    EXPECT_EQ(cancelled, std::vector<int>{2});
    EXPECT_TRUE(shown());
    EXPECT_EQ(std::pair(bar->value(), bar->maximum()), std::pair(4, 15));
    EXPECT_EQ(detail->text(), QStringLiteral("Waiting for the players to list their disks: 11 s left"));
    cancel->click();
    EXPECT_EQ(cancelled, (std::vector<int>{2, 1}));
    EXPECT_FALSE(shown());
}

}  // namespace

namespace {

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint local)
{
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST_F(MainWindowTest, leftButtonOnBackgroundOrExamplePictureDragsTheWindow)
{
    auto window = start();
    window->show();
    window->move(100, 100);
    const QPoint before = window->pos();
    // The form's background, inside the scroll area that fills the window.
    auto* background = child<QWidget>(window.get(), "MainForm");
    // Right button: nothing.
    sendMouse(background, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {300, 590});
    sendMouse(background, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, {340, 600});
    EXPECT_EQ(window->pos(), before);
    sendMouse(background, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {340, 600});

    sendMouse(background, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {300, 590});
    sendMouse(background, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {340, 600});
    EXPECT_EQ(window->pos(), before + QPoint(40, 10));
    sendMouse(background, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {340, 600});

    auto* picture = child<QWidget>(window.get(), "Image1");
    const QPoint start = window->pos();
    sendMouse(picture, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {5, 5});
    sendMouse(picture, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {25, 5});
    EXPECT_EQ(window->pos(), start + QPoint(20, 0));
}

}  // namespace

// The window and q7ctl in each catalog language, from the catalogs the build compiled: the tabs,
// buttons and help speak it, while what they write (the settings file, a saved config.conf, q7ctl's
// --json) is byte for byte what an English run writes.
TEST(Languages, eachCatalogTranslatesTheTextsButNoFileOrJson)
{
    const struct {
        const char* language;
        QStringList tabs;
        const char* search;    // SearchQ7Button
        const char* save;      // SaveConfigFile
        const char* ctlHelp;   // a line of q7ctl --help
    } cases[] = {
        {"", {"Configuration", "Remote Command", "Message Control", "File List Manager", "Example"}, "&Search Q7",
         "Sa&ve Config File", "usage: q7ctl"},
        {"zh_TW", {"設定", "遠端指令", "訊息控制", "檔案清單管理", "範例"}, "搜尋 Q7(&S)", "儲存設定檔(&V)",
         "用法：q7ctl"},
        {"zh_CN", {"配置", "远程命令", "消息控制", "文件列表管理", "示例"}, "搜索 Q7(&S)", "保存配置文件(&V)",
         "用法：q7ctl"},
        {"ja", {"設定", "リモートコマンド", "メッセージ管理", "ファイルリスト管理", "記述例"}, "Q7 を検索(&S)",
         "設定ファイルを保存(&V)", "使い方: q7ctl"},
        {"ko", {"설정", "원격 명령", "메시지 제어", "파일 목록 관리자", "예제"}, "Q7 검색(&S)", "설정 파일 저장(&V)",
         "사용법: q7ctl"},
    };
    std::string englishSettings, englishConfig, englishJson;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_TRUE(installTranslators(c.language, {Q7_CATALOGS}));
        TempDir dir;
        FakePlatform platform{QString::fromStdString(dir.path())};
        writeBytes(dir.file(kSettingsReadName),
                   "\r\n[FONT]\r\nBACK=$00123456\r\nFORE=clRed\r\nSIZE=12\r\nNAME=DejaVu Serif\r\n"
                   "\r\n[Q7_Dev]\r\nIP_1=198.18.0.6\r\nNAME_1=Five\r\nIP_0=198.18.0.1\r\nNAME_0=Zero\r\n");
        {
            MainWindow window(platform.services());
            auto* pages = child<QTabWidget>(&window, "PageControl1");
            QStringList tabs;
            for (int i = pages->count() - 1; i >= 0; --i) {
                pages->setCurrentIndex(i);  // each page built as the operator opens it
                tabs.prepend(pages->tabText(i));
            }
            EXPECT_EQ(tabs, c.tabs);
            EXPECT_EQ(child<QPushButton>(&window, "SearchQ7Button")->text(), QString::fromUtf8(c.search));
            EXPECT_EQ(child<QPushButton>(&window, "SaveConfigFile")->text(), QString::fromUtf8(c.save));
            ASSERT_TRUE(window.configPage()->saveConfigTo(QString::fromStdString(dir.file("config.conf"))));
            EXPECT_TRUE(window.close());
        }
        const RunResult help = runProgram({"env", std::string("LANGUAGE=") + c.language, Q7CTL, "--help"});
        EXPECT_NE(help.output.find(c.ctlHelp), std::string::npos) << help.output;
        const RunResult json =
            runProgram({"env", std::string("LANGUAGE=") + c.language, Q7CTL, "players", "--json"}, dir.path());
        EXPECT_EQ(json.status, 0) << json.output;
        if (!*c.language) {
            englishSettings = readBytes(dir.file(kSettingsWriteName));
            englishConfig = readBytes(dir.file("config.conf"));
            englishJson = json.output;
            continue;
        }
        EXPECT_EQ(readBytes(dir.file(kSettingsWriteName)), englishSettings);
        EXPECT_EQ(readBytes(dir.file("config.conf")), englishConfig);
        EXPECT_EQ(json.output, englishJson);
    }
    installTranslators("", {});
}
