#include "gui/lists/examplepage.h"
#include "gui/widgets/colors.h"
#include "gui/widgets/tabcaptions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace q7 {
namespace {

constexpr const char* kMakerAddress = "https://www.q7player.example";

}  // namespace

// The explanations are in the operator's language; the examples of file contents, the file names
// and the tab captions (file names) stay as the files hold them.
QList<ExamplePage::Sheet> ExamplePage::exampleSheets()
{
    const QString rule77(77, u'='), rule60(60, u'=');
    //: Heading above the example lines of a list file.
    const QString example = tr("Example :");
    // A line of the update.q7 keys explained: the key as the file has it, then what it does.
    const auto updateLine = [](const char* key, const QString& what) { return QLatin1String(key) + what; };
    const auto ifPlay = [](const char* a, const char* b, const char* c) {
        //: Explains a line of info.txt: %1, %2 and %3 are media file names, kept as they are.
        return tr("if play %1 or %2 or %3").arg(QLatin1String(a), QLatin1String(b), QLatin1String(c));
    };
    const auto messageWith = [](const char* text) {
        //: Explains a line of info.txt: %1 is the example's message text, kept as it is.
        return tr("message with %1").arg(QLatin1String(text));
    };
    return {
        {QStringLiteral("down.lst"),
         {tr("Format : [Download File Path/File name] [/Target File Path/file name]"), "", example, "",
          "http://media.example.com/q7/play.lst /play.lst", "http://media.example.com/q7/001.mp3 /001.mp3",
          "http://media.example.com/q7/002.jpg /002.jpg", "http://media.example.com/q7/003.avi /003.avi",
          "http://media.example.com/q7/004.mp3 /004.mp3", "http://media.example.com/q7/005.jpg /005.jpg",
          "http://media.example.com/q7/006.avi /006.avi"}},
        {QStringLiteral("play.lst"),
         {tr("Format : [/File path/File name] [delay-time]"), "", example, "", "/001.mp3", "/002.jpg  10",
          "/003.avi", "/music/004.mp3", "/pictures/005.jpg", "/movies/006.avi", "", rule77,
          tr("Multi-Playlist file name"), rule77, "",
          //: %1 is a play list's file name, kept as it is.
          tr("Single playlist example : %1").arg(QLatin1String("play.lst")),
          //: %1 is a play list's file name, kept as it is.
          tr("Playlist example by date : %1").arg(QLatin1String("20080101.lst")),
          //: %1 is a play list's file name, kept as it is.
          tr("Playlist example by time : %1").arg(QLatin1String("_0830_1200.lst")),
          //: %1 is a play list's file name, kept as it is.
          tr("Playlist example by date&time : %1").arg(QLatin1String("20080101_0830_1200.lst "))}},
        {QStringLiteral("delete.lst"),
         {tr("Format : [/File path/File name]"), "", example, "", "/001.mp3", "/002.jpg", "/003.avi",
          "/music/004.mp3", "/pictures/005.jpg", "/movies/006.avi"}},
        {QStringLiteral("update.q7"),
         {tr("Format : [Download file name] [Value(1/0)]"), "", example + u' ', "", "delete.lst      1",
          "message.txt   0", "play.lst         1", "down.lst       1", "upload.lst     0", "volume       16   (0~32)",
          "FWupdate    1", "Version      20080315", "config          0", rule60, "",
          updateLine("delete.lst        ", tr("Deletes files according to the delete.lst file")),
          updateLine("message.txt     ", tr("Downloads the message.txt file")),
          updateLine("play.lst           ", tr("Downloads the play.lst file")),
          updateLine("down.lst          ", tr("Downloads files according to the down.lst file")),
          updateLine("upload            ", tr("Uploads files according to the upload.lst file")),
          updateLine("volume           ", tr("Changes Volume")),
          updateLine("FWupdate       ", tr("Updates Firmware")),
          updateLine("config             ", tr("Restores settings according to the config.conf file"))}},
        {QStringLiteral("upload.lst"),
         {tr("Format : [/Source File Path/File name on Q7] [Upload File Path/Folder name on FTP site]"), "", example,
          "", "/play.lst     ftp://ftp.example.net/q7/upload/", "/001.mp3     ftp://ftp.example.net/q7/upload/",
          "/002.jpg     ftp://ftp.example.net/q7/upload/", "/003.avi     ftp://ftp.example.net/q7/upload/",
          "/004.mp3     ftp://ftp.example.net/q7/upload/", "/005.jpg     ftp://ftp.example.net/q7/upload/",
          "/006.avi     ftp://ftp.example.net/q7/upload/"}},
        {QStringLiteral("info.txt"),
         {tr("Format : [Filename]=[message]"), "", example, "",
          "aaaabbbbcccc=Welcome to our store",  // untranslated: the example file's lines
          "bbb123=Today only: two for one",     // untranslated: the example file's lines
          "info=Thank you for visiting",        // untranslated: the example file's lines
          "", "", rule60, "", ifPlay("aaaabbbbcccc.avi", "aaaabbbbcccc.mpg", "aaaabbbbcccc.jpg"),
          messageWith("Welcome to our store"),  // untranslated: the example file's message
          "", ifPlay("bbb123.avi", "bbb123.wmv", "bbb123.mp3"),
          messageWith("Today only: two for one"),  // untranslated: the example file's message
          "", ifPlay("ABC.avi", "BBBB123.mpg", "0123456.jpg "),
          messageWith("Thank you for visiting")}},  // untranslated: the example file's message
    };
}

ExamplePage::ExamplePage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* sheets = new QTabWidget(this);
    sheets->setObjectName(QStringLiteral("ExamplePageControl"));
    fitCaptions(sheets);
    for (const auto& [name, items] : exampleSheets()) {
        auto* notes = new QListWidget(sheets);
        notes->setSelectionMode(QAbstractItemView::NoSelection);
        notes->setAccessibleName(name);
        setColor(notes, QPalette::Base, QColor(0xd4, 0xd0, 0xc8));
        notes->addItems(items);
        sheets->addTab(notes, name);
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
