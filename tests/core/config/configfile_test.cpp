// The config file without any widget: the setting table, the writer, the reader and the file
// operations around them.
#include "core/config/configfile.h"
#include "support/tempdir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::config;
using namespace q7::test;

namespace {

// The file written from the page defaults, line by line.
const char* const kDefaultFile[] = {
    "",
    "[NETWORK SETTING]",
    "[NetWork Type]=Wired",
    "[Automatic IP]=On",
    "[IP Address]=0.0.0.0",
    "[IP Mask]=0.0.0.0",
    "[IP Gateway]=0.0.0.0",
    "[IP Primary DNS]=0.0.0.0",
    "[IP Secondary DNS]=0.0.0.0",
    "[ENCRYPTION]=WEP",
    "[Wireless SSID]=",
    "[Wireless KEY]=",
    "[PC1 Address]=0.0.0.0",
    "[PC1 Dir]=",
    "[PC2 Address]=0.0.0.0",
    "[PC2 Dir]=",
    "",
    "[MISC1]",
    "[Time Zone]=UTC",
    "[NTP Server]=Off",
    "[Play List]=Off",
    "[Play List Path]=HDD",
    "[Download List]=Off",
    "[Download Path]=",
    "[Download Time]=Every 5 minutes",
    "",
    "[MISC2]",
    "[Play Mode]=Standard",
    "[Remote Command Path]=HDD",
    "[Auto On/Off]=Off",
    "[Power On Time]=00:00",
    "[Power Off Time]=00:00",
    "",
    "[MISC3]",
    "[OSD]=Off",
    "[Scrolling Text]=Off",
    "[Scrolling Text Color]=White on Orange",
    "[Scrolling Text Speed]=2",
    "[Volume]=31",
    "[JPEG Display]=Quick",
    "[Screen Mode]=Single Zone",
    "",
    "[AUDIO & VIDEO]",
    "[SPDIF Out]=Analog/DPCM",
    "[Speakers Out]=2 Channels",
    "[TV Standard]=NTSC",
    "[TV Type]=4:3 Letter Box",
    "[Video Connector]=C/S Video",
    "[YPbPr Standard]=480p 60Hz",
    "[VGA_Standard]=640x480 60Hz",
};

std::string crlf(std::initializer_list<std::string> lines)
{
    std::string out;
    for (const auto& line : lines)
        out += line + "\r\n";
    return out;
}

std::string defaultFile()
{
    std::string out;
    for (const char* line : kDefaultFile)
        out += std::string(line) + "\r\n";
    return out;
}

// Replaces the line that starts with `prefix` in a file of CR LF lines.
std::string withLine(std::string file, const std::string& prefix, const std::string& line)
{
    const auto at = file.find("\r\n" + prefix);
    EXPECT_NE(at, std::string::npos) << prefix;
    const auto end = file.find("\r\n", at + 2);
    return file.replace(at + 2, end - at - 2, line);
}

class ConfigFileTest : public ::testing::Test {
protected:
    std::string save(FieldValues& values, const std::string& name = "config.conf")
    {
        saveConfigFile(store, dir.file(name), values, western);
        return readBytes(dir.file(name));
    }
    FieldValues open(const std::string& bytes, FieldValues values = defaultFieldValues())
    {
        writeBytes(dir.file("in.conf"), bytes);
        openConfigFile(dir.file("in.conf"), values, western);
        EXPECT_FALSE(fileExists(dir.file("in.conf.tmp")));
        return values;
    }
    std::string text(const FieldValues& values, const char* name) { return values.at(name).text; }
    int chosen(const FieldValues& values, const char* name) { return values.at(name).chosen; }

    TempDir dir;
    IniStore store{"unused.ini"};
    CodePage western{1252};
    FieldValues values = defaultFieldValues();
};

TEST(SettingTable, everyFieldNamedBySettingExistsWithItsKind)
{
    int written = 0;
    for (const Setting& s : settings()) {
        for (std::string_view name : {s.field, s.hour, s.minute}) {
            if (!name.empty() && name != kVersionLabel) {
                EXPECT_NO_THROW(fieldSpec(name)) << s.key;
            }
        }
        if (s.kind == Kind::List || s.kind == Kind::ShownText || s.kind == Kind::Schedule) {
            EXPECT_TRUE(fieldSpec(s.field).isList()) << s.key;
        }
        EXPECT_EQ(s.key.find(' '), std::string_view::npos) << "keys are held in caret form: " << s.key;
        written += s.kind != Kind::Version;
    }
    EXPECT_EQ(written, 40);
    for (const FieldSpec& def : fieldSpecs()) {
        if (def.isList()) {
            EXPECT_GE(def.defaultItem(), 0) << def.name;
        }
    }
    EXPECT_EQ(fieldSpec("TimeZone").items.size(), 25u);
    EXPECT_EQ(fieldSpec("TimeZone").defaultItem(), 12);
    EXPECT_EQ(fieldSpec("NTPServer").items.back(), "Others");
    EXPECT_EQ(fieldSpec("NTPServer").items.size(), 6u);
}

TEST(SettingTable, keyFiltersPassOnlyTheirCharactersAndBackspace)
{
    for (char32_t c : {U'.', U'0', U'9', U'\b'})
        EXPECT_TRUE(typedCharAccepted(Filter::Address, c));
    for (char32_t c : {U'a', U'-', U' ', U':', U'\u00e9'})
        EXPECT_FALSE(typedCharAccepted(Filter::Address, c));
    EXPECT_FALSE(typedCharAccepted(Filter::Digit, U'.'));
    EXPECT_TRUE(typedCharAccepted(Filter::Digit, U'\b'));
    EXPECT_TRUE(typedCharAccepted(Filter::Speed, U'3'));
    EXPECT_FALSE(typedCharAccepted(Filter::Speed, U'0'));
    EXPECT_FALSE(typedCharAccepted(Filter::Speed, U'4'));
    EXPECT_TRUE(typedCharAccepted(Filter::None, U'^'));
}

TEST_F(ConfigFileTest, defaultsGiveTheFiftyLineFileByteForByte)
{
    EXPECT_EQ(save(values), defaultFile());
    EXPECT_FALSE(fileExists(dir.file("config.conf.tmp")));
    EXPECT_EQ(store.fileName(), dir.file("config.conf.tmp"));  // the store still names the temporary file
}

TEST_F(ConfigFileTest, caretsBecomeSpacesAndTextIsWrittenAsTyped)
{
    values["WirelessSSID"].text = "My^Net work";
    values["PC1Dir"].text = "";
    values["WirelessKEY"].text = std::string(80, 'k');  // typing limits never cut what is written
    values["ScreenMode"].text = "Free text";             // a list field writes whatever it displays
    values["PowerOnTimeHour"].text = "7";
    values["PowerOnTimeMin"].text = "5";
    values["PCS2Dir"].text = "ignored";  // not a field of the file
    const std::string file = save(values);
    EXPECT_NE(file.find("\r\n[Wireless SSID]=My Net work\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\n[PC1 Dir]=\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\n[Wireless KEY]=" + std::string(80, 'k') + "\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\n[Screen Mode]=Free text\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\n[Power On Time]=7:5\r\n"), std::string::npos);
    EXPECT_EQ(file.find("ignored"), std::string::npos);
}

TEST_F(ConfigFileTest, lineBreaksPastedIntoAFieldCannotSplitTheFile)
{
    values["PC1Dir"].text = "a\r\n[MISC1]\nb\x1a" "c";
    const std::string file = save(values);
    EXPECT_NE(file.find("\r\n[PC1 Dir]=a  [MISC1] b c\r\n"), std::string::npos);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 50);
}

TEST_F(ConfigFileTest, scheduledTimeIsNormalisedOnEveryWrite)
{
    struct Case {
        const char* hour;
        const char* minute;
        const char* written;
    };
    for (const Case& c : {Case{"24", "60", "00:00"}, Case{"99", "5", "00:05"}, Case{"", "", "00:00"},
                          Case{"5", "07", "05:07"}, Case{"05", "59", "05:59"}, Case{"23", "x", "23:00"},
                          Case{"-5", "007", "00:07"}, Case{"0", "0", "00:00"}}) {
        values["DownloadTime"] = {"Schedule", 4};
        values["DownloadTimeHour"].text = c.hour;
        values["DownloadTimeMin"].text = c.minute;
        const std::string file = save(values);
        EXPECT_NE(file.find(std::string("\r\n[Download Time]=") + c.written + "\r\n"), std::string::npos)
            << c.hour << ":" << c.minute;
        EXPECT_EQ(text(values, "DownloadTimeHour") + ":" + text(values, "DownloadTimeMin"), c.written);
    }

    // Without "Schedule" the list text is written, and the page still shows the normalised time.
    values["DownloadTime"] = {"Every 15 minutes", 1};
    values["DownloadTimeHour"].text = "7";
    values["DownloadTimeMin"].text = "75";
    EXPECT_NE(save(values).find("\r\n[Download Time]=Every 15 minutes\r\n"), std::string::npos);
    EXPECT_EQ(text(values, "DownloadTimeHour"), "07");
    EXPECT_EQ(text(values, "DownloadTimeMin"), "00");
}

TEST_F(ConfigFileTest, roundTripRestoresEveryFieldOfTheFile)
{
    // Every list field at its last item, every text field with a space in it.
    FieldValues changed = defaultFieldValues();
    for (const FieldSpec& def : fieldSpecs()) {
        if (def.isList())
            changed[std::string(def.name)] = {std::string(def.items.back()), int(def.items.size()) - 1};
        else
            changed[std::string(def.name)].text = "1 " + std::string(def.name);
    }
    for (const char* name : {"DownloadTimeHour", "PowerOnTimeHour", "PowerOffTimeHour"})
        changed[name].text = "12";
    for (const char* name : {"DownloadTimeMin", "PowerOnTimeMin", "PowerOffTimeMin"})
        changed[name].text = "34";
    save(changed);

    FieldValues reopened = defaultFieldValues();
    openConfigFile(dir.file("config.conf"), reopened, western);
    for (const FieldSpec& def : fieldSpecs()) {
        const std::string name(def.name);
        if (name == "PasswordOfSetupMenu" || name == "NTPServerIP") {
            EXPECT_EQ(reopened[name], defaultFieldValues()[name]) << "no key carries " << name;
        } else if (def.isList()) {
            EXPECT_EQ(reopened[name], changed[name]) << name;
        } else {
            // Text comes back in caret form, which saving turns into spaces again.
            std::string expected = changed[name].text;
            std::replace(expected.begin(), expected.end(), ' ', '^');
            EXPECT_EQ(reopened[name].text, expected) << name;
        }
    }
    // Saving what was opened gives the same file again.
    const std::string first = readBytes(dir.file("config.conf"));
    EXPECT_EQ(save(reopened, "again.conf"), first);
}

TEST_F(ConfigFileTest, playerSpellingsAreReadFirstThenTheWrittenOnes)
{
    FieldValues v = open(crlf({"[AUDIO & VIDEO]", "[Speaker Out]=5.1 Channels", "[VGA Standard]=1920x1200 60Hz",
                               "[Speakers Out]=2 Channels", "[VGA_Standard]=848x480 60Hz", "", "[MISC3]",
                               "[JPEG Display]=Quality"}));
    EXPECT_EQ(chosen(v, "SpeakersOut"), 1);
    EXPECT_EQ(chosen(v, "VGAStandard"), 7);
    EXPECT_EQ(chosen(v, "HighQualityJPEG"), 0);

    // A player spelling with no value falls back to the written one.
    v = open(crlf({"[AUDIO & VIDEO]", "[Speaker Out]=", "[Speakers Out]=5.1 Channels"}));
    EXPECT_EQ(chosen(v, "SpeakersOut"), 1);
}

TEST_F(ConfigFileTest, keysIgnoreCaseButItemsDoNot)
{
    FieldValues v = open(crlf({"[network setting]", "[network type]=Wireless", "[AUTOMATIC IP]=off",
                               "[wireless key]=Secret", "", "[audio & video]", "[SPDIF Out]=Encoded Digital",
                               "[Video Connector]=C/S Video", "[TV Standard]=pal"}));
    EXPECT_EQ(v.at("NetWorkType"), (FieldValue{"Wireless", 2}));
    EXPECT_EQ(v.at("AutomaticIP"), (FieldValue{"On", 0}));  // "off" is no item
    EXPECT_EQ(text(v, "WirelessKEY"), "Secret");
    EXPECT_EQ(chosen(v, "SPDIFOut"), 1);
    EXPECT_EQ(chosen(v, "VideoConnector"), 0);
    EXPECT_EQ(chosen(v, "TVStandard"), 0);
}

TEST_F(ConfigFileTest, blanksAroundTheEqualsSignAreNotAKeyLine)
{
    FieldValues v = open(crlf({"[NETWORK SETTING]", "[NetWork Type] = Wireless", " [IP Mask]=1.1.1.1",
                               "[Automatic IP]=Off ", "[IP Gateway]=9.9.9.9 "}));
    EXPECT_EQ(chosen(v, "NetWorkType"), 1);
    EXPECT_EQ(text(v, "IPMask"), "0.0.0.0");
    EXPECT_EQ(chosen(v, "AutomaticIP"), 0);        // "Off " matches no item
    EXPECT_EQ(text(v, "IPGateway"), "9.9.9.9^");  // text keeps the blank, in caret form
}

TEST_F(ConfigFileTest, hiddenSectionKeepsListsAndTextButEmptiesAlwaysAppliedFields)
{
    std::string file = withLine(defaultFile(), "[MISC3]", "[MISC3] ");
    file = withLine(file, "[MISC2]", " [MISC2]");
    file = withLine(file, "[Scrolling Text]=", "[Scrolling Text]=On");
    FieldValues before = defaultFieldValues();
    before["FWVersion"].text = "Version : 1.0";
    FieldValues v = open(file, before);
    EXPECT_EQ(chosen(v, "ScrollingText"), 0);
    EXPECT_EQ(text(v, "ScrollingTextSpeed"), "");
    EXPECT_EQ(text(v, "Volume"), "");
    EXPECT_EQ(v.at("ScreenMode"), (FieldValue{"", -1}));
    EXPECT_EQ(text(v, "FWVersion"), "Version : ");
    for (const char* name : {"PowerOnTimeHour", "PowerOnTimeMin", "PowerOffTimeHour", "PowerOffTimeMin"})
        EXPECT_EQ(text(v, name), "") << name;
    EXPECT_EQ(chosen(v, "NetWorkType"), 1);  // the other sections are read
}

TEST_F(ConfigFileTest, emptyLineInsideASectionHidesTheKeysBelowIt)
{
    FieldValues v = open(crlf({"[MISC1]", "[Time Zone]=UTC+8", "", "[NTP Server]=Others", "[Play List]=Date"}));
    EXPECT_EQ(text(v, "TimeZone"), "UTC+8");
    EXPECT_EQ(chosen(v, "NTPServer"), 0);
    EXPECT_EQ(chosen(v, "PlayList"), 0);
}

TEST_F(ConfigFileTest, spacesTravelAsCaretsThroughTextFields)
{
    FieldValues v = open(crlf({"[NETWORK SETTING]", "[Wireless SSID]=Office Net", "", "[MISC3]",
                               "[Screen Mode]=Multi Zone Left", "[Version]=Q7 2.1", "", "[MISC1]",
                               "[Download Time]=Every 30 minutes"}));
    EXPECT_EQ(text(v, "WirelessSSID"), "Office^Net");
    EXPECT_EQ(text(v, "ScreenMode"), "Multi Zone Left");  // shown text has its spaces back
    EXPECT_EQ(text(v, "FWVersion"), "Version : Q7^2.1");
    EXPECT_EQ(v.at("DownloadTime"), (FieldValue{"Every 30 minutes", 2}));
    EXPECT_EQ(text(v, "DownloadTimeHour"), "00");  // hour and minute stay

    const std::string saved = save(v);
    EXPECT_NE(saved.find("\r\n[Wireless SSID]=Office Net\r\n"), std::string::npos);
}

TEST_F(ConfigFileTest, scheduleAndTimePairsSplitAtTheirPositions)
{
    FieldValues v = open(crlf({"[MISC1]", "[Download Time]=08:15", "", "[MISC2]", "[Power On Time]=07:30:59",
                               "[Auto On/Off]=On"}));
    EXPECT_EQ(v.at("DownloadTime"), (FieldValue{"Schedule", 4}));
    EXPECT_EQ(text(v, "DownloadTimeHour"), "08");
    EXPECT_EQ(text(v, "DownloadTimeMin"), "15");
    EXPECT_EQ(text(v, "PowerOnTimeHour"), "07");
    EXPECT_EQ(text(v, "PowerOnTimeMin"), "30");
    EXPECT_EQ(text(v, "PowerOffTimeHour"), "");  // absent: both emptied
    EXPECT_EQ(text(v, "PowerOffTimeMin"), "");
    EXPECT_EQ(chosen(v, "AutoOnOff"), 1);

    // Times written as typed come back as typed; without a colon the positions decide.
    v = open(crlf({"[MISC1]", "[Download Time]=8:5", "", "[MISC2]", "[Power On Time]=7:5",
                   "[Power Off Time]=2359"}));
    EXPECT_EQ(text(v, "DownloadTimeHour"), "8");
    EXPECT_EQ(text(v, "DownloadTimeMin"), "5");
    EXPECT_EQ(chosen(v, "DownloadTime"), 4);
    EXPECT_EQ(text(v, "PowerOnTimeHour"), "7");
    EXPECT_EQ(text(v, "PowerOnTimeMin"), "5");
    EXPECT_EQ(text(v, "PowerOffTimeHour"), "23");
    EXPECT_EQ(text(v, "PowerOffTimeMin"), "9");
    EXPECT_NE(save(v).find("\r\n[Download Time]=08:05\r\n"), std::string::npos);

    v = open(crlf({"[MISC1]", "[Download Time]=9"}));
    EXPECT_EQ(text(v, "DownloadTimeHour"), "9");
    EXPECT_EQ(text(v, "DownloadTimeMin"), "");
    EXPECT_EQ(chosen(v, "DownloadTime"), 4);
}

TEST_F(ConfigFileTest, shownTextIsTakenWhetherOrNotItNamesAnItem)
{
    FieldValues v = open(crlf({"[MISC3]", "[Screen Mode]=single zone"}));
    EXPECT_EQ(v.at("ScreenMode"), (FieldValue{"single zone", -1}));
    v = open(crlf({"[MISC3]", "[Screen Mode]=Multi Zone Right"}));
    EXPECT_EQ(v.at("ScreenMode"), (FieldValue{"Multi Zone Right", 2}));
}

TEST_F(ConfigFileTest, staleTemporaryFilesNeverLeakIntoAResult)
{
    // Exactly T + ".tmp" is the tool's; the same name in another letter case is someone else's file.
    writeBytes(dir.file("config.conf.tmp"), crlf({"[MISC1]", "[Junk]=1", "[Time^Zone]=UTC+3"}));
    writeBytes(dir.file("CONFIG.CONF.TMP"), crlf({"[EXTRA]", "[Junk]=2"}));
    writeBytes(dir.file("Config.conf.tmp"), "not ours");
    EXPECT_EQ(save(values), defaultFile());
    EXPECT_FALSE(fileExists(dir.file("config.conf.tmp")));
    EXPECT_EQ(readBytes(dir.file("CONFIG.CONF.TMP")), crlf({"[EXTRA]", "[Junk]=2"}));
    EXPECT_EQ(readBytes(dir.file("Config.conf.tmp")), "not ours");

    // A stale copy beside the file to open is overwritten, not read.
    writeBytes(dir.file("in.conf.tmp"), crlf({"[MISC1]", "[Time^Zone]=UTC+3"}));
    FieldValues v = open(crlf({"[MISC1]", "[Play List]=Single"}));
    EXPECT_EQ(chosen(v, "TimeZone"), 12);
    EXPECT_EQ(chosen(v, "PlayList"), 1);
}

TEST_F(ConfigFileTest, savingOverAFileReplacesAllOfIt)
{
    writeBytes(dir.file("config.conf"), std::string(5000, 'x'));
    EXPECT_EQ(save(values), defaultFile());
    EXPECT_EQ(save(values, "noextension"), defaultFile());
}

TEST_F(ConfigFileTest, unreadableOrForeignFilesAreRefusedAndChangeNothing)
{
    const std::string valid = defaultFile();
    std::string bigLine(20u << 20, 'A');
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"NUL bytes", withLine(valid, "[OSD]", std::string("[OSD]=O\0n", 9))},
        {"binary garbage", std::string("\x7f" "ELF\x02\x01\x01\x00\x00\x00\x00\xff\xfe\n\r\x1b", 16)},
        {"one 20 MB line", bigLine},
        {"lone CR line ends", "\r[MISC1]\r[Play List]=Single\r"},
        {"empty file", ""},
        {"not a config file", crlf({"[Settings]", "Key=Value"})},
    };
    FieldValues before = defaultFieldValues();
    before["IPAddress"].text = "10.0.0.1";
    before["Volume"].text = "12";
    for (const Case& c : cases) {
        writeBytes(dir.file("bad.conf"), c.bytes);
        FieldValues v = before;
        EXPECT_THROW(openConfigFile(dir.file("bad.conf"), v, western), IniError) << c.what;
        EXPECT_EQ(v, before) << c.what;
        EXPECT_FALSE(fileExists(dir.file("bad.conf.tmp"))) << c.what;
    }

    FieldValues v = before;
    EXPECT_THROW(openConfigFile(dir.file("missing.conf"), v, western), IniError);
    EXPECT_THROW(openConfigFile(dir.path(), v, western), IniError);
    EXPECT_THROW(openConfigFile("/dev/zero", v, western), IniError);
    EXPECT_EQ(v, before);
    EXPECT_FALSE(fileExists(dir.file("missing.conf")));
}

TEST_F(ConfigFileTest, fileThatCannotBeReadIsRefused)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads files whatever their permission bits";
    writeBytes(dir.file("locked.conf"), defaultFile());
    fs::permissions(dir.file("locked.conf"), fs::perms::none);
    EXPECT_THROW(openConfigFile(dir.file("locked.conf"), values, western), IniError);
    EXPECT_EQ(values, defaultFieldValues());
}

TEST_F(ConfigFileTest, targetThatCannotBeWrittenFailsCleanly)
{
    fs::create_directory(dir.file("folder.conf"));
    fs::create_directory(dir.file("blocked.conf.tmp"));
    writeBytes(dir.file("blocked.conf"), "keep me");
    writeBytes(dir.file("plain"), "a file, not a folder");
    for (const std::string& target : {dir.file("no/such/folder/config.conf"), dir.file("folder.conf"),
                                      dir.file("blocked.conf"), dir.file("plain/config.conf")}) {
        EXPECT_THROW(save(values, fs::relative(target, dir.path()).string()), IniError) << target;
        EXPECT_FALSE(fs::is_regular_file(target + ".tmp")) << target;
    }
    EXPECT_TRUE(fs::is_directory(dir.file("folder.conf")));
    EXPECT_EQ(readBytes(dir.file("blocked.conf")), "keep me");
}

TEST_F(ConfigFileTest, readOnlyTargetKeepsItsContent)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes files whatever their permission bits";
    writeBytes(dir.file("ro.conf"), "keep me");
    fs::permissions(dir.file("ro.conf"), fs::perms::owner_read);
    EXPECT_THROW(save(values, "ro.conf"), IniError);
    EXPECT_EQ(readBytes(dir.file("ro.conf")), "keep me");
    EXPECT_FALSE(fileExists(dir.file("ro.conf.tmp")));
}

TEST_F(ConfigFileTest, caretCopiesConvertEveryLineAndEndItWithCrLf)
{
    writeBytes(dir.file("a"), "x y  z\nlast line");
    copyToCaretForm(dir.file("a"), western);
    EXPECT_EQ(readBytes(dir.file("a.tmp")), "x^y^^z\r\nlast^line\r\n");
    writeBytes(dir.file("b.tmp"), "^a^\r\n\r\nb");
    writeBytes(dir.file("b"), "old content that is longer");
    copyFromCaretForm(dir.file("b"), western);
    EXPECT_EQ(readBytes(dir.file("b")), " a \r\n\r\nb\r\n");
}

}  // namespace
