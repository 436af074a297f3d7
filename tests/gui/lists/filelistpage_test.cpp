// The File List Manager and Example tabs driven through the real main window and the dialog seam.
#include "gui/mainwindow/mainwindow.h"
#include "support/fakes.h"
#include "support/tempdir.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::test;

namespace {

class FileListPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.system.addresses = {QStringLiteral("198.18.7.1")};
        for (const char* name : {"001.mp3", "002.jpg", "music/004.mp3", "music/deep/x.mp3", "notes.doc"}) {
            fs::create_directories(fs::path(media.file(name)).parent_path());
            writeBytes(media.file(name), "x");
        }
        window = std::make_unique<MainWindow>(platform.services());
        window->fileListPage();
    }

    template <typename T>
    T* child(const char* name)
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QStringList items(const char* list)
    {
        QStringList out;
        auto* widget = child<QListWidget>(list);
        for (int i = 0; i < widget->count(); ++i)
            out << widget->item(i)->text();
        return out;
    }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    void chooseMode(const char* caption)
    {
        for (auto* radio : child<QGroupBox>("ListModeGroup")->findChildren<QRadioButton*>())
            if (radio->text() == QLatin1String(caption))
                radio->click();
    }
    void chooseRoot(const std::optional<std::string>& folder)
    {
        platform.dialogs.folderAnswers.push_back(folder ? std::optional(QString::fromStdString(*folder)) : std::nullopt);
        click("SetRootBtn");
    }
    // Saves through the dialog into `name` inside `out`; returns the bytes written and checks the proposal.
    std::string save(const std::string& name, const QString& proposed)
    {
        platform.dialogs.fileAnswers.push_back(QString::fromStdString(out.file(name)));
        click("SaveListBtn");
        const auto& request = platform.dialogs.fileRequests.back();
        EXPECT_TRUE(request.save);
        EXPECT_EQ(request.filterIndex, 3);
        EXPECT_EQ(request.fileName, QString::fromStdString(media.path()) + QLatin1Char('/') + proposed);
        return readBytes(out.file(name));
    }

    TempDir dir, media, out;
    FakePlatform platform{QString::fromStdString(dir.path())};
    std::unique_ptr<MainWindow> window;
};

TEST_F(FileListPageTest, buildAndSaveListsOfEveryKind)
{
    chooseRoot(media.path());
    EXPECT_EQ(items("PreviewListBox"), (QStringList{"/001.mp3", "/002.jpg", "/music/004.mp3"}));
    click("AddAllBtn");
    EXPECT_TRUE(items("PreviewListBox").isEmpty());

    // Edit the second entry into a play delay.
    auto* destination = child<QListWidget>("CreatListBox");
    destination->setCurrentRow(1);
    QTest::mouseClick(destination->viewport(), Qt::LeftButton, {},
                      destination->visualItemRect(destination->item(1)).center());
    EXPECT_EQ(child<QLineEdit>("ModifyEdit")->text(), "/002.jpg");
    ASSERT_TRUE(child<QPushButton>("ModifyButton")->isEnabled());
    child<QLineEdit>("ModifyEdit")->setText(QStringLiteral("/002.jpg  10"));
    click("ModifyButton");
    EXPECT_FALSE(child<QPushButton>("ModifyButton")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>("ModifyEdit")->text().isEmpty());

    EXPECT_EQ(save("play.lst", "play.lst"), "/001.mp3\r\n/002.jpg  10\r\n/music/004.mp3\r\n");

    // Date and time naming.
    child<QDateTimeEdit>("DateTimePicker1")->setDate(QDate(2008, 1, 1));
    child<QSpinBox>("StartHour")->setValue(7);
    child<QSpinBox>("StartMin")->setValue(5);
    child<QSpinBox>("EndHour")->setValue(12);
    for (auto* radio : child<QGroupBox>("PlayListGroup")->findChildren<QRadioButton*>())
        if (radio->text() == QLatin1String("Date and Time"))
            radio->click();
    EXPECT_EQ(child<QPushButton>("SaveListBtn")->text(), "20080101_0705_1200.lst");
    save("dated.lst", "20080101_0705_1200.lst");

    // Download list: the local address enters the captions when the mode is chosen.
    auto* localIP = child<QComboBox>("LocalIPBox");
    localIP->setCurrentIndex(0);
    chooseMode("Download List");
    localIP->setCurrentIndex(1);  // a later choice waits for the next mode switch
    EXPECT_EQ(child<QPushButton>("SaveListBtn")->text(), "down.lst");
    EXPECT_TRUE(child<QGroupBox>("PlayListGroupBox")->isHidden());
    EXPECT_FALSE(child<QGroupBox>("DownGroupBox")->isHidden());
    EXPECT_EQ(child<QRadioButton>("DownFTPSelect")->text(), "ftp://127.0.0.1");
    child<QLineEdit>("DownEdit")->setText(QStringLiteral("http://media.example.com/q7//"));
    EXPECT_EQ(save("down.lst", "down.lst"),
              "http://media.example.com/q7//001.mp3 /001.mp3\r\nhttp://media.example.com/q7//002.jpg  10 /002.jpg  10\r\n"
              "http://media.example.com/q7//music/004.mp3 /music/004.mp3\r\n");
    EXPECT_EQ(child<QLineEdit>("DownEdit")->text(), "http://media.example.com/q7/");
    child<QCheckBox>("DownDefinationCheck")->click();
    EXPECT_FALSE(child<QLineEdit>("DownEdit")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>("UpEdit")->isEnabled() && child<QCheckBox>("UpDefinationCheck")->isChecked());
    child<QRadioButton>("DownFTPSelect")->click();
    EXPECT_EQ(save("down2.lst", "down.lst").substr(0, 36), "ftp://127.0.0.1/001.mp3 /001.mp3\r\nft");

    // Upload list with an empty URL, then delete list (the naming choice is disabled).
    chooseMode("Upload List");
    EXPECT_EQ(child<QRadioButton>("UpHTTPSelect")->text(), "http://198.18.7.1");
    EXPECT_EQ(save("upload.lst", "upload.lst"), "/001.mp3 /\r\n/002.jpg  10 /\r\n/music/004.mp3 /music/\r\n");
    chooseMode("Delete List");
    EXPECT_FALSE(child<QGroupBox>("PlayListGroup")->isEnabled());
    EXPECT_EQ(save("delete.lst", "delete.lst"), "/001.mp3\r\n/002.jpg  10\r\n/music/004.mp3\r\n");

    // A file that cannot be created is reported with its name; a cancelled dialog writes nothing.
    platform.dialogs.fileAnswers.push_back(QString::fromStdString(out.file("missing/x.lst")));
    click("SaveListBtn");
    ASSERT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_TRUE(platform.dialogs.errors[0].contains(QStringLiteral("missing/x.lst")));
    platform.dialogs.fileAnswers.push_back(std::nullopt);
    click("SaveListBtn");
    EXPECT_FALSE(fs::exists(out.file("delete.lst.tmp")));

    // Moving back keeps the order; an empty destination list writes an empty file.
    click("DelAllBtn");
    EXPECT_EQ(items("PreviewListBox"), (QStringList{"/001.mp3", "/002.jpg  10", "/music/004.mp3"}));
    EXPECT_EQ(save("empty.lst", "delete.lst"), "");
}

TEST_F(FileListPageTest, rootCaptionReloadAndCancel)
{
    auto caption = [&](const std::string& folder) {
        fs::create_directories(folder);
        chooseRoot(folder);
        return child<QPushButton>("SetRootBtn")->text();
    };
    EXPECT_EQ(child<QPushButton>("SetRootBtn")->text(), "Root Path");
    const std::string base = media.path() + "/";
    const std::string at29 = base + std::string(29 - base.size(), 'a');
    const std::string at30 = base + std::string(30 - base.size(), 'b');
    EXPECT_EQ(caption(at29), QString::fromStdString(at29));
    EXPECT_EQ(caption(at30), "../" + QString::fromStdString(at30.substr(4)));

    chooseRoot(media.path());
    child<QListWidget>("PreviewListBox")->setCurrentRow(0);
    click("AddFileBtn");
    EXPECT_EQ(items("CreatListBox"), QStringList{"/001.mp3"});
    writeBytes(media.file("003.avi"), "x");
    chooseRoot(std::nullopt);  // cancel: reload from the same root, destination emptied
    EXPECT_TRUE(items("CreatListBox").isEmpty());
    EXPECT_EQ(items("PreviewListBox").size(), 4);
    fs::remove_all(media.path());  // a root removed while shown gives an empty list
    chooseRoot(std::nullopt);
    EXPECT_TRUE(items("PreviewListBox").isEmpty());
    EXPECT_TRUE(platform.dialogs.errors.empty());
}

TEST_F(FileListPageTest, openQ7filesReadsListingsAndRefusesWhatIsNoListing)
{
    chooseRoot(media.path());
    const std::string listing = out.file("Q7_0_q7files.txt");
    writeBytes(listing, "/tmp/ccc/HDD:\n-rwxr-xr-x 1 root root 4 Jan 1 00:00 001.mp3\n/tmp/ccc/HDD/music:\n"
                        "-rwxr-xr-x 1 root root 4 Jan 1 00:00 caf\xE9.mp3\n");
    platform.dialogs.fileAnswers.push_back(QString::fromStdString(listing));
    click("RemoteBtn");
    EXPECT_EQ(platform.dialogs.fileRequests.back().filterIndex, 3);
    EXPECT_EQ(items("PreviewListBox"), (QStringList{"/001.mp3", QStringLiteral("/music/caf\u00E9.mp3")}));
    click("AddAllBtn");
    chooseMode("Delete List");  // 8-bit names go back out as the bytes they came in as
    EXPECT_EQ(save("delete.lst", "delete.lst"), "/001.mp3\r\n/music/caf\xE9.mp3\r\n");
    platform.dialogs.fileAnswers.push_back(std::nullopt);  // cancel reloads the last listing
    click("RemoteBtn");
    EXPECT_EQ(items("PreviewListBox").size(), 2);
    EXPECT_EQ(items("CreatListBox").size(), 2);

    // Bad inputs: a missing file changes nothing, an oversized one is refused, a folder is ignored.
    platform.dialogs.fileAnswers.push_back(QString::fromStdString(out.file("none.txt")));
    click("RemoteBtn");
    EXPECT_EQ(items("PreviewListBox").size(), 2);
    const std::string huge = out.file("huge.txt");
    writeBytes(huge, "-rwxr-xr-x " + std::string(20 * 1024 * 1024, 'a'));
    platform.dialogs.fileAnswers.push_back(QString::fromStdString(huge));
    click("RemoteBtn");
    EXPECT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_EQ(items("PreviewListBox").size(), 2);
    platform.dialogs.fileAnswers.push_back(QString::fromStdString(out.path()));
    click("RemoteBtn");
    EXPECT_EQ(items("PreviewListBox").size(), 2);
}

TEST_F(FileListPageTest, examplePageDocumentsEveryListFormat)
{
    window->examplePage();
    auto* sheets = child<QTabWidget>("ExamplePageControl");
    ASSERT_EQ(sheets->count(), 6);
    const QStringList names = {"down.lst", "play.lst", "delete.lst", "update.q7", "upload.lst", "info.txt"};
    auto sheet = [&](int i) {
        EXPECT_EQ(sheets->tabText(i), names[i]);
        QStringList lines;
        auto* list = qobject_cast<QListWidget*>(sheets->widget(i));
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
        return lines;
    };
    const QString rule77(77, QLatin1Char('=')), rule60(60, QLatin1Char('='));
    const QStringList play = sheet(1);
    EXPECT_EQ(play, (QStringList{"Format : [/File path/File name] [delay-time]", "", "Example :", "", "/001.mp3",
                                 "/002.jpg  10", "/003.avi", "/music/004.mp3", "/pictures/005.jpg", "/movies/006.avi",
                                 "", rule77, "Multi-Playlist file name", rule77, "",
                                 "Single playlist example : play.lst", "Playlist example by date : 20080101.lst",
                                 "Playlist example by time : _0830_1200.lst",
                                 "Playlist example by date&time : 20080101_0830_1200.lst "}));
    EXPECT_EQ(sheet(2), (QStringList{"Format : [/File path/File name]", "", "Example :", "", "/001.mp3", "/002.jpg",
                                     "/003.avi", "/music/004.mp3", "/pictures/005.jpg", "/movies/006.avi"}));
    const QStringList update = sheet(3);
    ASSERT_EQ(update.size(), 23);
    EXPECT_EQ(update[2], "Example : ");
    EXPECT_EQ(update[13], rule60);
    EXPECT_EQ(update[22], "config             Restores settings according to the config.conf file");
    const QStringList targets = {"/play.lst", "/001.mp3", "/002.jpg", "/003.avi", "/004.mp3", "/005.jpg", "/006.avi"};
    const QStringList down = sheet(0), up = sheet(4);
    ASSERT_EQ(down.size(), 11);
    ASSERT_EQ(up.size(), 11);
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(down[4 + i].startsWith(QStringLiteral("http://")) && down[4 + i].endsWith(" " + targets[i]));
        EXPECT_TRUE(up[4 + i].startsWith(targets[i] + " ") && up[4 + i].contains(QStringLiteral(" ftp://")));
    }
    const QStringList info = sheet(5);
    ASSERT_EQ(info.size(), 19);
    EXPECT_EQ(info[9], rule60);
    EXPECT_EQ(info[17], "if play ABC.avi or BBBB123.mpg or 0123456.jpg ");
    EXPECT_EQ(info[18], "message with " + info[6].section('=', 1));
}

}  // namespace
