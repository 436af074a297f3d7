// The Configuration tab driven through its real controls: layout and names, the enabling rules,
// the key filters, and Save / Open Config File through the dialog seam.
#include "gui/mainwindow/mainwindow.h"
#include "gui/config/configpage.h"
#include "core/config/addressfields.h"
#include "support/fakes.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::config;
using namespace q7::test;

namespace {

// Every field that has a label, with the label's text.
const std::pair<const char*, const char*> kLabels[] = {
    {"NetWorkType", "NetWork Type :"},
    {"AutomaticIP", "Automatic IP :"},
    {"IPAddress", "IP Address :"},
    {"IPMask", "IP Mask :"},
    {"IPGateway", "IP Gateway :"},
    {"IPPrimaryDNS", "IP Primary DNS :"},
    {"IPSecondaryDNS", "IP Secondary DNS :"},
    {"WirelessSSID", "Wireless SSID :"},
    {"WirelessKEY", "Wireless KEY :"},
    {"PC1Address", "PC1 IP Address :"},
    {"PC1Dir", "PC1 Directory : "},
    {"PC2Address", "PC2 IP Address :"},
    {"PC2Dir", "PC2 Directory : "},
    {"TimeZone", "Time Zone :"},
    {"NTPServer", "NTP Server :"},
    {"PlayList", "Play List :"},
    {"PlayListPath", "Play List Path :"},
    {"DownloadList", "Download List :"},
    {"DownloadTime", "Download List Time :"},
    {"DownloadPath", "Download List Path :"},
    {"PlayMode", "Play mode :"},
    {"RemoteCommandPath", "Remote Command Path :"},
    {"AutoOnOff", "Auto On/Off :"},
    {"PowerOnTimeHour", "Power On Time :"},
    {"PowerOffTimeHour", "Power Off Time :"},
    {"OSDOnOff", "OSD :"},
    {"ScrollingText", "Scrolling Text :"},
    {"ScrollingTextColor", "Scrolling Color :"},
    {"ScrollingTextSpeed", "Scrolling Speed :"},
    {"Volume", "Volume :"},
    {"PasswordOfSetupMenu", "Password of Setup Menu :"},
    {"HighQualityJPEG", "High Quality JPEG :"},
    {"ScreenMode", "Select screen mode : "},
    {"SPDIFOut", "SPDIF Out :"},
    {"SpeakersOut", "Speakers Out :"},
    {"TVType", "TV Type : "},
    {"YPbPrStandard", "YPbPr Standard :"},
    {"TVStandard", "TV Standard :"},
    {"VideoConnector", "Video Connector :"},
    {"VGAStandard", "VGA Standard :"},
};

std::string crlf(std::initializer_list<std::string> lines)
{
    std::string out;
    for (const auto& line : lines)
        out += line + "\r\n";
    return out;
}

class ConfigPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page.resize(480, 535);
        page.runUpdateRules();
        page.buildSheets();  // built after the rules ran, as when the operator first shows one
    }

    template <typename T = QWidget>
    T* get(const char* name)
    {
        T* widget = page.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QComboBox* box(const char* name) { return get<QComboBox>(name); }
    QLineEdit* line(const char* name) { return get<QLineEdit>(name); }
    QLabel* label(const QString& text)
    {
        for (QLabel* l : page.findChildren<QLabel*>())
            if (l->text() == text)
                return l;
        ADD_FAILURE() << "no label " << text.toStdString();
        return nullptr;
    }
    QRadioButton* radio(const char* text)
    {
        for (QRadioButton* r : page.findChildren<QRadioButton*>())
            if (r->text() == QLatin1String(text))
                return r;
        ADD_FAILURE() << "no choice " << text;
        return nullptr;
    }
    // The operator's way: arrow keys on the closed list.
    void choose(const char* name, int index)
    {
        QComboBox* list = box(name);
        ASSERT_TRUE(list->isEnabled()) << name;
        const Qt::Key key = index > list->currentIndex() ? Qt::Key_Down : Qt::Key_Up;
        while (list->currentIndex() != index)
            QTest::keyClick(list, key);
    }
    void type(const char* name, const QString& text, bool clear = true)
    {
        QLineEdit* field = line(name);
        ASSERT_TRUE(field->isEnabled()) << name;
        if (clear)
            field->clear();
        QTest::keyClicks(field, text);
    }
    std::string path(const char* name) const { return dir.file(name); }
    QString qpath(const char* name) const { return QString::fromStdString(dir.file(name)); }
    void saveTo(const char* name)
    {
        dialogs.fileAnswers.push_back(qpath(name));
        page.saveToChosenFile();
    }
    void openFrom(const std::string& bytes)
    {
        writeBytes(path("in.conf"), bytes);
        dialogs.fileAnswers.push_back(qpath("in.conf"));
        page.openChosenFile();
    }
    bool on(const char* name) { return get(name)->isEnabled(); }
    bool labelOn(const char* text) { return label(QLatin1String(text))->isEnabled(); }

    TempDir dir;
    FakeDialogs dialogs;
    IniStore store{dir.file("settings.ini")};
    ConfigPage page{dialogs, store, CodePage(1252)};
};

TEST_F(ConfigPageTest, everyFieldHasItsNameKindItemsDefaultAndLabel)
{
    for (const FieldSpec& def : fieldSpecs()) {
        const QString name = QString::fromLatin1(def.name.data(), def.name.size());
        QWidget* field = page.findChild<QWidget*>(name);
        ASSERT_NE(field, nullptr) << def.name;
        if (def.isList()) {
            auto* list = qobject_cast<QComboBox*>(field);
            ASSERT_NE(list, nullptr) << def.name;
            EXPECT_TRUE(list->isEditable());
            QStringList items;
            for (std::string_view item : def.items)
                items << QString::fromLatin1(item.data(), item.size());
            for (int i = 0; i < list->count(); ++i)
                EXPECT_EQ(list->itemText(i), items.value(i)) << def.name;
            EXPECT_EQ(list->count(), items.size());
            EXPECT_EQ(list->currentIndex(), def.defaultItem()) << def.name;
        } else {
            auto* edit = qobject_cast<QLineEdit*>(field);
            ASSERT_NE(edit, nullptr) << def.name;
            EXPECT_EQ(edit->text().toStdString(), def.defaultText) << def.name;
        }
        EXPECT_FALSE(field->accessibleName().isEmpty()) << def.name;
    }
    for (const auto& [name, text] : kLabels) {
        QLabel* caption = label(QLatin1String(text));
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->buddy(), get(name)) << name;
        EXPECT_EQ(get(name)->accessibleName(), QLatin1String(text)) << name;
    }
    EXPECT_EQ(box("NTPServer")->itemText(5), "Others");
    EXPECT_EQ(box("TimeZone")->itemText(0), "UTC-12");
    EXPECT_EQ(box("TimeZone")->itemText(24), "UTC+12");
}

TEST_F(ConfigPageTest, tabHoldsVersionFivePagesAndFourButtons)
{
    EXPECT_EQ(get<QLabel>("FWVersion")->text(), "Version : ");
    auto* pages = get<QTabWidget>("ConfigPageControl");
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions << pages->tabText(i);
    EXPECT_EQ(captions, (QStringList{"Network Settings", "Misc1 Settings", "Misc2 Settings", "Misc3 Settings",
                                     "Audio/Video Settings"}));
    QStringList groups;
    for (QGroupBox* group : page.findChildren<QGroupBox*>())
        if (!group->title().isEmpty())
            groups << group->title();
    groups.sort();
    EXPECT_EQ(groups, (QStringList{"AUDIO/VIDEO Settings", "MISC1 Settings", "MISC2 Settings", "MISC3 Settings",
                                   "NETWORK Settings"}));

    // The texts with their Alt+letter mnemonics.
    EXPECT_EQ(get<QPushButton>("SaveConfigFile")->text(), "Sa&ve Config File");
    EXPECT_EQ(get<QPushButton>("OpenConfigFile")->text(), "&Open Config File");
    EXPECT_EQ(get<QPushButton>("BackupButton")->text(), "&Backup config.conf from Q7");
    EXPECT_EQ(get<QPushButton>("RestoreButton")->text(), "&Restore config.conf to Q7");
    EXPECT_TRUE(get("SaveConfigFile")->isEnabled());
    EXPECT_FALSE(get("BackupButton")->isEnabled());
    EXPECT_FALSE(get("RestoreButton")->isEnabled());

    EXPECT_EQ(get<QLabel>("KeyLengthLabel")->text(), "(0 character)");
    EXPECT_TRUE(get<QLabel>("KeyLengthLabel")->alignment() & Qt::AlignRight);
    EXPECT_TRUE(radio("Ascii")->isChecked());
    EXPECT_TRUE(radio("None")->isChecked());
    EXPECT_EQ(radio("Hex")->parentWidget(), get("Ascii_Hex_RadioGroup"));
    EXPECT_EQ(radio("128 bit")->parentWidget(), get("BitLengthRadioGroup"));
    for (const char* note : {"( 1~ 3 )", "( 0~31 )"})
        EXPECT_NE(label(QLatin1String(note)), nullptr);
}

// Every text looked up, Qt's own included, comes back changed, as in a language the tests cannot read.
class PseudoTranslator : public QTranslator {
public:
    PseudoTranslator() { QCoreApplication::installTranslator(this); }
    ~PseudoTranslator() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("<%1>").arg(QString::fromUtf8(source));
    }
};

TEST_F(ConfigPageTest, anotherLanguageChangesTheCaptionsButNotTheValuesOrTheFile)
{
    choose("NetWorkType", 2);
    FieldValues values = page.fieldValues();
    values["FWVersion"].text = "Version : Q7^3.1";
    page.showValues(values);
    saveTo("english.conf");

    const PseudoTranslator translator;
    ConfigPage translated(dialogs, store, CodePage(1252));
    translated.buildSheets();
    translated.showValues(values);
    const auto find = [&](const char* name) { return translated.findChild<QWidget*>(QLatin1String(name)); };
    EXPECT_EQ(static_cast<QLabel*>(find("FWVersion"))->text(), "<Version : >Q7^3.1");
    EXPECT_EQ(static_cast<QTabWidget*>(find("ConfigPageControl"))->tabText(4), "<Audio/Video Settings>");
    EXPECT_EQ(find("Volume")->accessibleName(), "<Volume :>");
    EXPECT_EQ(static_cast<QComboBox*>(find("NetWorkType"))->currentText(), "Wireless");  // a config.conf value
    EXPECT_EQ(static_cast<QComboBox*>(find("TimeZone"))->itemText(0), "UTC-12");

    EXPECT_EQ(translated.fieldValues(), values);
    ASSERT_TRUE(translated.saveConfigTo(qpath("translated.conf")));
    EXPECT_EQ(readBytes(path("translated.conf")), readBytes(path("english.conf")));
}

// The problems that core words come translated, nested parts too, while what core gives for logs
// and --json stays English.
TEST_F(ConfigPageTest, anotherLanguageTranslatesTheProblemsOfCoreButNotTheirEnglish)
{
    FieldValues badAddress = page.fieldValues();
    badAddress["IPAddress"].text = "10.0.0.300";
    writeBytes(path("in.conf"), std::string("[MISC1]\0\r\n", 10));
    fs::create_directory(path("folder"));
    const auto refusal = [](const std::string& file) {
        try {
            readConfigFileBytes(file, CodePage(1252));
        } catch (const IniError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    const auto open = [&](const char* name) {
        dialogs.fileAnswers.push_back(qpath(name));
        page.openChosenFile();
    };
    const PseudoTranslator translator;
    const struct {
        std::function<void()> act;
        const std::vector<QString>& shown;
        QString translated;
        std::string english;
        std::string englishText;
    } cases[] = {
        {[&] {
             page.showValues(badAddress);
             saveTo("out.conf");
         },
         dialogs.messages,
         "<<IP Address: \"10.0.0.300\" is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)>"
         "\n\nNothing was written or sent.>",
         addressProblem(badAddress).english(),
         "IP Address: \"10.0.0.300\" is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)"},
        {[&] { open("in.conf"); }, dialogs.errors,
         "<\"" + qpath("in.conf") + "\" is not a config file: it holds binary data (NUL bytes).>",
         refusal(path("in.conf")),
         "\"" + path("in.conf") + "\" is not a config file: it holds binary data (NUL bytes)."},
        {[&] { open("folder"); }, dialogs.errors, "<Cannot open file \"" + qpath("folder") + "\": <it is a folder>>",
         refusal(path("folder")), "Cannot open file \"" + path("folder") + "\": it is a folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.englishText);
        c.act();
        ASSERT_FALSE(c.shown.empty());
        EXPECT_EQ(c.shown.back(), c.translated);
        EXPECT_EQ(c.english, c.englishText);
    }
    EXPECT_FALSE(fileExists(path("out.conf")));
}

TEST(ConfigTab, fitsTheMainWindowAndStartsWithTheRulesApplied)
{
    TempDir dir;
    FakePlatform platform{QString::fromStdString(dir.path())};
    MainWindow window(platform.services());
    window.show();
    ConfigPage* page = window.configPage();
    ASSERT_NE(page, nullptr);
    const QSize needed = page->minimumSizeHint();
    EXPECT_LE(needed.width(), page->width());
    EXPECT_LE(needed.height(), page->height());
    EXPECT_LE(needed.width(), 480);
    EXPECT_LE(needed.height(), 535);

    EXPECT_TRUE(page->findChild<QWidget*>("WirelessSSID")->isEnabled());
    EXPECT_FALSE(page->findChild<QWidget*>("WirelessKEY")->isEnabled());
    EXPECT_FALSE(page->findChild<QWidget*>("Ascii_Hex_RadioGroup")->isEnabled());
    EXPECT_TRUE(page->findChild<QWidget*>("BitLengthRadioGroup")->isEnabled());
}

TEST_F(ConfigPageTest, defaultsDisableEveryDependentField)
{
    EXPECT_TRUE(on("WirelessSSID"));
    EXPECT_FALSE(on("WirelessKEY"));
    EXPECT_TRUE(labelOn("Wireless KEY :"));
    EXPECT_FALSE(on("Ascii_Hex_RadioGroup"));
    EXPECT_TRUE(on("BitLengthRadioGroup"));
    EXPECT_FALSE(on("IPAddress"));
    EXPECT_FALSE(labelOn("IP Mask :"));
    EXPECT_TRUE(on("IPGateway"));
    EXPECT_FALSE(on("NTPServerIP"));
    EXPECT_FALSE(on("PlayListPath"));
    EXPECT_FALSE(on("DownloadTime"));
    EXPECT_FALSE(labelOn("Download List Path :"));
    EXPECT_FALSE(on("DownloadTimeHour"));
    EXPECT_FALSE(labelOn(":"));
    EXPECT_FALSE(on("PowerOffTimeMin"));
    EXPECT_FALSE(labelOn("Power On Time :"));
    EXPECT_FALSE(on("ScrollingTextSpeed"));
    EXPECT_FALSE(labelOn("( 1~ 3 )"));
    EXPECT_TRUE(on("Volume"));
}

TEST_F(ConfigPageTest, networkTypeAndAddressChoicesFollowTheOperator)
{
    choose("NetWorkType", 0);  // Off
    for (const char* name : {"WirelessSSID", "WirelessKEY", "Ascii_Hex_RadioGroup", "BitLengthRadioGroup"})
        EXPECT_FALSE(on(name)) << name;
    EXPECT_FALSE(labelOn("Wireless SSID :"));
    EXPECT_FALSE(labelOn("Wireless KEY :"));

    choose("NetWorkType", 2);  // Wireless
    EXPECT_TRUE(on("WirelessSSID"));
    EXPECT_TRUE(on("BitLengthRadioGroup"));
    EXPECT_FALSE(on("Ascii_Hex_RadioGroup"));
    EXPECT_FALSE(on("WirelessKEY"));  // still no bit length

    choose("AutomaticIP", 2);  // Enhance
    EXPECT_TRUE(on("IPAddress"));
    EXPECT_TRUE(labelOn("IP Mask :"));
    choose("AutomaticIP", 1);  // Off
    EXPECT_TRUE(on("IPMask"));
    choose("AutomaticIP", 0);  // On
    EXPECT_FALSE(on("IPAddress"));
}

TEST_F(ConfigPageTest, bitLengthSetsTheKeyLimitWithoutCuttingAKey)
{
    QTest::mouseClick(radio("64 bit"), Qt::LeftButton);
    EXPECT_TRUE(on("WirelessKEY"));
    type("WirelessKEY", QStringLiteral("0123456789ABCDEF"));
    EXPECT_EQ(line("WirelessKEY")->text(), "0123456789");
    EXPECT_EQ(get<QLabel>("KeyLengthLabel")->text(), "( 10 character)");

    QTest::mouseClick(radio("128 bit"), Qt::LeftButton);
    type("WirelessKEY", QString(30, QLatin1Char('k')));
    EXPECT_EQ(line("WirelessKEY")->text().size(), 26);

    QTest::mouseClick(radio("64 bit"), Qt::LeftButton);
    EXPECT_EQ(line("WirelessKEY")->text().size(), 26);  // kept, but no more typing
    type("WirelessKEY", QStringLiteral("x"), false);
    EXPECT_EQ(line("WirelessKEY")->text().size(), 26);
    QTest::keyClick(line("WirelessKEY"), Qt::Key_Backspace);
    EXPECT_EQ(line("WirelessKEY")->text().size(), 25);

    QTest::mouseClick(radio("None"), Qt::LeftButton);
    EXPECT_FALSE(on("WirelessKEY"));
    line("WirelessKEY")->clear();
    EXPECT_EQ(get<QLabel>("KeyLengthLabel")->text(), "( 0 character)");
}

TEST_F(ConfigPageTest, misc1To3ChoicesEnableTheirFields)
{
    choose("NTPServer", 5);
    EXPECT_TRUE(on("NTPServerIP"));
    choose("NTPServer", 4);
    EXPECT_FALSE(on("NTPServerIP"));

    choose("PlayList", 3);
    EXPECT_TRUE(on("PlayListPath"));
    EXPECT_TRUE(labelOn("Play List Path :"));

    choose("DownloadList", 1);
    EXPECT_TRUE(on("DownloadTime"));
    EXPECT_TRUE(on("DownloadPath"));
    EXPECT_TRUE(labelOn("Download List Time :"));
    EXPECT_FALSE(on("DownloadTimeHour"));
    choose("DownloadTime", 4);
    EXPECT_TRUE(on("DownloadTimeHour"));
    EXPECT_TRUE(on("DownloadTimeMin"));
    EXPECT_TRUE(labelOn(":"));
    // The schedule fields follow the time choice even while downloads are off.
    choose("DownloadList", 0);
    EXPECT_FALSE(on("DownloadTime"));
    EXPECT_FALSE(labelOn("Download List Path :"));
    EXPECT_TRUE(on("DownloadTimeHour"));

    choose("AutoOnOff", 1);
    for (const char* name : {"PowerOnTimeHour", "PowerOnTimeMin", "PowerOffTimeHour", "PowerOffTimeMin"})
        EXPECT_TRUE(on(name)) << name;
    EXPECT_TRUE(labelOn("Power Off Time :"));
    EXPECT_TRUE(labelOn(" :"));

    choose("ScrollingText", 1);
    EXPECT_TRUE(on("ScrollingTextColor"));
    EXPECT_TRUE(on("ScrollingTextSpeed"));
    EXPECT_TRUE(labelOn("Scrolling Color :"));
    EXPECT_TRUE(labelOn("( 1~ 3 )"));
    choose("ScrollingText", 0);
    EXPECT_FALSE(labelOn("Scrolling Speed :"));
}

TEST_F(ConfigPageTest, keyFiltersSwallowTypedCharactersOnly)
{
    choose("AutomaticIP", 1);
    choose("NTPServer", 5);
    choose("DownloadList", 1);
    choose("DownloadTime", 4);
    choose("AutoOnOff", 1);
    choose("ScrollingText", 1);
    type("IPAddress", QStringLiteral("1a9.-2 .3"));
    EXPECT_EQ(line("IPAddress")->text(), "19.2.3");
    type("NTPServerIP", QStringLiteral("x10.0.0.1"));
    EXPECT_EQ(line("NTPServerIP")->text(), "10.0.0.1");
    type("DownloadTimeHour", QStringLiteral("1.:23"));
    EXPECT_EQ(line("DownloadTimeHour")->text(), "12");  // digits, two at most
    type("PowerOnTimeHour", QStringLiteral("12345"));
    EXPECT_EQ(line("PowerOnTimeHour")->text(), "12345");  // no limit here
    type("Volume", QStringLiteral("3x45"));
    EXPECT_EQ(line("Volume")->text(), "34");
    type("ScrollingTextSpeed", QStringLiteral("4031"));
    EXPECT_EQ(line("ScrollingTextSpeed")->text(), "3");
    QTest::keyClick(line("ScrollingTextSpeed"), Qt::Key_Backspace);
    EXPECT_EQ(line("ScrollingTextSpeed")->text(), "");
    type("WirelessSSID", QStringLiteral("any text ^ at all"));
    EXPECT_EQ(line("WirelessSSID")->text(), "any text ^ at all");

    // Text from a file is taken as it stands.
    openFrom(crlf({"[MISC3]", "[Volume]=abc", "[Scrolling Text Speed]=9", "", "[NETWORK SETTING]",
                   "[IP Address]=host name", "[Wireless Key]=" + std::string(40, 'k')}));
    EXPECT_EQ(line("Volume")->text(), "abc");
    EXPECT_EQ(line("ScrollingTextSpeed")->text(), "9");
    EXPECT_EQ(line("IPAddress")->text(), "host^name");
    EXPECT_EQ(line("WirelessKEY")->text().size(), 40);
    EXPECT_EQ(get<QLabel>("KeyLengthLabel")->text(), "( 40 character)");
}

// A refused character is swallowed whichever way the keyboard delivers it; only the context
// menu's Paste puts text in as it stands.
TEST_F(ConfigPageTest, filtersHoldForTypingKeyboardPasteAndInputMethods)
{
    choose("AutomaticIP", 1);
    choose("DownloadList", 1);
    choose("DownloadTime", 4);
    choose("AutoOnOff", 1);
    choose("ScrollingText", 1);
    QTest::mouseClick(radio("64 bit"), Qt::LeftButton);  // the key takes 10 characters

    enum class Way { Typed, CtrlV, ShiftInsert, InputMethod, ContextMenu };
    const struct {
        const char* field;
        Way way;
        const char* input;
        const char* shown;
    } cases[] = {
        {"IPAddress", Way::Typed, "1a9.-2 .3", "19.2.3"},
        {"IPAddress", Way::CtrlV, "10.0.x.1\n", "10.0..1"},
        {"IPAddress", Way::ShiftInsert, "host", ""},
        {"IPAddress", Way::InputMethod, "\uFF119.2", "9.2"},  // a full-width digit is no digit here
        {"IPAddress", Way::ContextMenu, "host name", "host name"},
        {"ScrollingTextSpeed", Way::InputMethod, "4567", ""},
        {"ScrollingTextSpeed", Way::InputMethod, "4321", "3"},  // one character at most
        {"ScrollingTextSpeed", Way::ShiftInsert, "123", "1"},
        {"Volume", Way::CtrlV, "3x45", "34"},
        {"Volume", Way::ContextMenu, "3x45", "3x45"},
        {"DownloadTimeHour", Way::InputMethod, "12:30", "12"},
        {"PowerOnTimeHour", Way::CtrlV, "12345", "12345"},  // digits without a limit
        {"WirelessKEY", Way::ShiftInsert, "0123456789abcdef", "0123456789"},
        {"WirelessKEY", Way::InputMethod, "\u9375\u5B57", "\u9375\u5B57"},  // no filter, only the limit
        {"WirelessSSID", Way::CtrlV, "any ^ text", "any ^ text"},
    };
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + std::to_string(int(c.way)) + " " + c.input);
        QLineEdit* field = line(c.field);
        ASSERT_TRUE(field->isEnabled());
        field->clear();
        const QString input = QString::fromUtf8(c.input);
        switch (c.way) {
        case Way::Typed:
            QTest::keyClicks(field, input);
            break;
        case Way::CtrlV:
            clipboard->setText(input);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            break;
        case Way::ShiftInsert:
            clipboard->setText(input);
            QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Way::InputMethod: {
            QInputMethodEvent commit;
            commit.setCommitString(input);
            QApplication::sendEvent(field, &commit);
            break;
        }
        case Way::ContextMenu: {
            clipboard->setText(input);
            const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
            const QList<QAction*> actions = menu->actions();
            const auto paste = std::find_if(actions.begin(), actions.end(),
                                            [](QAction* a) { return a->text().startsWith(QLatin1String("&Paste")); });
            ASSERT_NE(paste, actions.end());
            (*paste)->trigger();
            break;
        }
        }
        EXPECT_EQ(field->text().toStdString(), c.shown);
    }
}

TEST_F(ConfigPageTest, saveAsksForTheFileAndWritesThePages)
{
    type("WirelessSSID", QStringLiteral("Office^Net"));
    choose("DownloadList", 1);
    choose("DownloadTime", 4);
    type("DownloadTimeHour", QStringLiteral("7"));
    type("DownloadTimeMin", QStringLiteral("5"));
    saveTo("target");

    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_TRUE(dialogs.fileRequests[0].save);
    EXPECT_EQ(dialogs.fileRequests[0].filter,
              "All|*.*|Config|*.conf|List|*.lst|Text|*.txt|Scrolling bitmap|*.target");
    EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 2);
    EXPECT_EQ(dialogs.fileRequests[0].fileName, "config.conf");
    EXPECT_TRUE(dialogs.errors.empty());

    const std::string file = readBytes(path("target"));
    EXPECT_NE(file.find("\r\n[Wireless SSID]=Office Net\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\n[Download Time]=07:05\r\n"), std::string::npos);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 50);
    EXPECT_EQ(line("DownloadTimeHour")->text(), "07");  // the page shows what was written
    EXPECT_EQ(line("DownloadTimeMin")->text(), "05");
    EXPECT_FALSE(fileExists(path("target.tmp")));

    const auto files = [&] { return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()); };
    const auto before = files();
    dialogs.fileAnswers.push_back(std::nullopt);
    page.saveToChosenFile();
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(files(), before);
}

TEST_F(ConfigPageTest, roundTripThroughTheControlsRestoresEveryField)
{
    // Non-default state in every field of the file, including the three a player spells differently.
    choose("NetWorkType", 2);
    choose("AutomaticIP", 2);
    type("IPAddress", QStringLiteral("10.1.2.3"));
    QTest::mouseClick(radio("128 bit"), Qt::LeftButton);
    type("WirelessKEY", QStringLiteral("key with spaces"));
    type("PC2Dir", QStringLiteral("/media/share"));
    choose("TimeZone", 20);
    choose("NTPServer", 3);
    choose("PlayList", 4);
    choose("PlayListPath", 2);
    choose("DownloadList", 3);
    choose("DownloadTime", 4);
    type("DownloadTimeHour", QStringLiteral("23"));
    type("DownloadTimeMin", QStringLiteral("59"));
    choose("PlayMode", 3);
    choose("RemoteCommandPath", 1);
    choose("AutoOnOff", 1);
    type("PowerOnTimeHour", QStringLiteral("6"));
    type("PowerOffTimeMin", QStringLiteral("45"));
    choose("OSDOnOff", 1);
    choose("ScrollingText", 1);
    choose("ScrollingTextColor", 5);
    type("ScrollingTextSpeed", QStringLiteral("3"));
    type("Volume", QStringLiteral("7"));
    choose("HighQualityJPEG", 0);
    choose("ScreenMode", 2);
    choose("SPDIFOut", 1);
    choose("SpeakersOut", 1);
    choose("TVType", 2);
    choose("YPbPrStandard", 5);
    choose("TVStandard", 1);
    choose("VideoConnector", 3);
    choose("VGAStandard", 7);
    const FieldValues saved = page.fieldValues();
    saveTo("config.conf");

    FakeDialogs otherDialogs;
    ConfigPage fresh(otherDialogs, store, CodePage(1252));
    otherDialogs.fileAnswers.push_back(qpath("config.conf"));
    fresh.openChosenFile();
    ASSERT_TRUE(otherDialogs.errors.empty());
    FieldValues opened = fresh.fieldValues();
    EXPECT_EQ(opened.at("WirelessKEY").text, "key^with^spaces");  // the caret form is what the field shows
    opened["WirelessKEY"].text = "key with spaces";
    EXPECT_EQ(opened.at("PowerOnTimeHour").text, "6");
    EXPECT_EQ(opened, saved);

    ASSERT_EQ(otherDialogs.fileRequests.size(), 1u);
    EXPECT_FALSE(otherDialogs.fileRequests[0].save);
    EXPECT_EQ(otherDialogs.fileRequests[0].filter, "Config|*.conf|List|*.lst|Text|*.txt|All|*.*");
    EXPECT_EQ(otherDialogs.fileRequests[0].filterIndex, 1);
    EXPECT_TRUE(fresh.findChild<QWidget*>("PlayListPath")->isEnabled());  // the rules ran after loading
    EXPECT_TRUE(fresh.findChild<QWidget*>("PowerOnTimeHour")->isEnabled());
}

TEST_F(ConfigPageTest, openRunsTheRulesAfterLoadingAndAfterCancel)
{
    // A choice set the way a file sets it runs no handler...
    FieldValues values = page.fieldValues();
    values["NetWorkType"] = {"Off", 0};
    page.showValues(values);
    EXPECT_TRUE(on("WirelessSSID"));
    // ...until Open Config File runs the rules, even when cancelled.
    dialogs.fileAnswers.push_back(std::nullopt);
    page.openChosenFile();
    EXPECT_FALSE(on("WirelessSSID"));

    openFrom(crlf({"[NETWORK SETTING]", "[NetWork Type]=Wired", "[Automatic IP]=Off", "", "[MISC3]",
                   "[Version]=3.1 beta"}));
    EXPECT_TRUE(on("WirelessSSID"));
    EXPECT_TRUE(on("IPAddress"));
    EXPECT_EQ(get<QLabel>("FWVersion")->text(), "Version : 3.1^beta");
    EXPECT_EQ(line("Volume")->text(), "");  // always applied: absent empties it
    EXPECT_TRUE(dialogs.errors.empty());
    // Above the pages: the file they now hold.
    EXPECT_EQ(get<QLabel>("PagesSource")->toolTip(), "The pages hold the configuration of " + qpath("in.conf") + ".");
}

TEST_F(ConfigPageTest, badFilesShowAnErrorAndLeaveThePagesAlone)
{
    type("PC1Dir", QStringLiteral("keep"));
    FieldValues values = page.fieldValues();
    values["NetWorkType"] = {"Off", 0};
    page.showValues(values);  // rules not run yet: a failed open must not run them either
    const FieldValues before = page.fieldValues();

    const std::string bigLine(20u << 20, '[');
    for (const std::string& bytes :
         {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), std::string("[MISC1]\0\r\n", 10), bigLine,
          std::string("\r[MISC3]\r[Volume]=3\r")}) {
        openFrom(bytes);
        EXPECT_EQ(page.fieldValues(), before);
    }
    for (const char* name : {"missing.conf", "."}) {
        dialogs.fileAnswers.push_back(qpath(name));
        page.openChosenFile();
    }
    EXPECT_EQ(dialogs.errors.size(), 6u);
    for (const QString& error : dialogs.errors)
        EXPECT_TRUE(error.contains(qpath("")) || error.contains(QLatin1String("in.conf"))) << error.toStdString();
    EXPECT_EQ(page.fieldValues(), before);
    EXPECT_TRUE(on("WirelessSSID"));
    EXPECT_FALSE(fileExists(path("missing.conf")));

    // Saving into a folder that does not exist, or onto a folder, fails the same way.
    fs::create_directory(path("folder"));
    saveTo("no/such/config.conf");
    saveTo("folder");
    EXPECT_EQ(dialogs.errors.size(), 8u);
    EXPECT_TRUE(fs::is_directory(path("folder")));
    EXPECT_EQ(page.fieldValues(), before);
}

}  // namespace
