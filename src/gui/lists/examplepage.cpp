#include "gui/lists/examplepage.h"
#include "gui/widgets/colors.h"
#include "gui/widgets/tabcaptions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <string>
#include <utility>
#include <vector>

namespace q7 {
namespace {
constexpr const char* kMakerAddress = "https://www.q7player.example";

using Sheet = std::pair<std::string, std::vector<std::string>>;

// The format notes of each list file, item by item; "" is an empty item.
const std::vector<Sheet>& exampleSheets()
{
    const std::string rule77(77, '='), rule60(60, '=');
    static const std::vector<Sheet> sheets = {
        {"down.lst",
         {"Format : [Download File Path/File name] [/Target File Path/file name]", "", "Example :", "",
          "http://media.example.com/q7/play.lst /play.lst", "http://media.example.com/q7/001.mp3 /001.mp3",
          "http://media.example.com/q7/002.jpg /002.jpg", "http://media.example.com/q7/003.avi /003.avi",
          "http://media.example.com/q7/004.mp3 /004.mp3", "http://media.example.com/q7/005.jpg /005.jpg",
          "http://media.example.com/q7/006.avi /006.avi"}},
        {"play.lst",
         {"Format : [/File path/File name] [delay-time]", "", "Example :", "", "/001.mp3", "/002.jpg  10",
          "/003.avi", "/music/004.mp3", "/pictures/005.jpg", "/movies/006.avi", "", rule77,
          "Multi-Playlist file name", rule77, "", "Single playlist example : play.lst",
          "Playlist example by date : 20080101.lst", "Playlist example by time : _0830_1200.lst",
          "Playlist example by date&time : 20080101_0830_1200.lst "}},
        {"delete.lst",
         {"Format : [/File path/File name]", "", "Example :", "", "/001.mp3", "/002.jpg", "/003.avi",
          "/music/004.mp3", "/pictures/005.jpg", "/movies/006.avi"}},
        {"update.q7",
         {"Format : [Download file name] [Value(1/0)]", "", "Example : ", "", "delete.lst      1",
          "message.txt   0", "play.lst         1", "down.lst       1", "upload.lst     0",
          "volume       16   (0~32)", "FWupdate    1", "Version      20080315", "config          0", rule60, "",
          "delete.lst        Deletes files according to the delete.lst file",
          "message.txt     Downloads the message.txt file", "play.lst           Downloads the play.lst file",
          "down.lst          Downloads files according to the down.lst file",
          "upload            Uploads files according to the upload.lst file", "volume           Changes Volume",
          "FWupdate       Updates Firmware", "config             Restores settings according to the config.conf file"}},
        {"upload.lst",
         {"Format : [/Source File Path/File name on Q7] [Upload File Path/Folder name on FTP site]", "",
          "Example :", "", "/play.lst     ftp://ftp.example.net/q7/upload/",
          "/001.mp3     ftp://ftp.example.net/q7/upload/", "/002.jpg     ftp://ftp.example.net/q7/upload/",
          "/003.avi     ftp://ftp.example.net/q7/upload/", "/004.mp3     ftp://ftp.example.net/q7/upload/",
          "/005.jpg     ftp://ftp.example.net/q7/upload/", "/006.avi     ftp://ftp.example.net/q7/upload/"}},
        {"info.txt",
         {"Format : [Filename]=[message]", "", "Example :", "", "aaaabbbbcccc=Welcome to our store",
          "bbb123=Today only: two for one", "info=Thank you for visiting", "", "", rule60, "",
          "if play aaaabbbbcccc.avi or aaaabbbbcccc.mpg or aaaabbbbcccc.jpg", "message with Welcome to our store", "",
          "if play bbb123.avi or bbb123.wmv or bbb123.mp3", "message with Today only: two for one", "",
          "if play ABC.avi or BBBB123.mpg or 0123456.jpg ", "message with Thank you for visiting"}},
    };
    return sheets;
}

}  // namespace

ExamplePage::ExamplePage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* sheets = new QTabWidget(this);
    sheets->setObjectName(QStringLiteral("ExamplePageControl"));
    fitCaptions(sheets);
    for (const auto& [name, items] : exampleSheets()) {
        auto* notes = new QListWidget(sheets);
        notes->setSelectionMode(QAbstractItemView::NoSelection);
        notes->setAccessibleName(QString::fromStdString(name));
        setColor(notes, QPalette::Base, QColor(0xd4, 0xd0, 0xc8));
        for (const std::string& item : items)
            notes->addItem(QString::fromStdString(item));
        sheets->addTab(notes, QString::fromStdString(name));
    }
    layout->addWidget(sheets, 1);

    m_picturePanel = new QWidget(this);
    m_picturePanel->setObjectName(QStringLiteral("PicturePanel"));
    m_picturePanel->setVisible(false);
    auto* pictures = new QHBoxLayout(m_picturePanel);
    for (const char* name : {"Image1", "Image3"}) {
        auto* picture = new QLabel(QStringLiteral("Q7"), m_picturePanel);
        picture->setObjectName(QLatin1String(name));
        picture->setToolTip(QLatin1String(kMakerAddress));
        picture->setAlignment(Qt::AlignCenter);
        QFont face = picture->font();
        face.setBold(true);
        face.setPixelSize(20);
        picture->setFont(face);
        setColor(picture, QPalette::WindowText, QColor(0x1a, 0x4b, 0x8c));
        pictures->addWidget(picture);
        m_pictures.append(picture);
    }
    layout->addWidget(m_picturePanel);
}

void ExamplePage::showPictures() { m_picturePanel->setVisible(true); }

}  // namespace q7
