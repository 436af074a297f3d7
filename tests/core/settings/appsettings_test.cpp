#include "core/settings/appsettings.h"
#include "core/settings/colortext.h"
#include "core/base/inistore.h"
#include "core/settings/localechoice.h"
#include "core/base/codepage.h"
#include "core/settings/scratch.h"
#include "core/settings/uilanguage.h"
#include <map>
#include "support/tempdir.h"

#include <filesystem>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace q7;
using q7::test::TempDir;
using q7::test::readBytes;
using q7::test::writeBytes;

namespace {

AppSettings sample()
{
    AppSettings s;
    s.fontName = "MS Sans Serif";
    s.fontSize = "8";
    s.foreColor = "clBlack";
    s.backColor = "clWhite";
    s.root = "/media";
    s.downUrl = "http://down";
    s.upUrl = "";
    s.players = {{"Q7_00001", "198.18.0.1"}, {"Hall", "198.18.0.2"}};
    return s;
}

TEST(AppSettingsFile, layoutIsReverseKeyOrderPerSectionAndSlotsFromHighestDown)
{
    EXPECT_EQ(buildAppSettingsFile(sample()),
              "\r\n[FONT]\r\nBACK=clWhite\r\nFORE=clBlack\r\nSIZE=8\r\nNAME=MS Sans Serif\r\n"
              "\r\n[LIST_EDIT]\r\nUPURL=\r\nDOWNURL=http://down\r\nROOT=/media\r\n"
              "\r\n[Q7_Dev]\r\nIP_1=198.18.0.2\r\nNAME_1=Hall\r\nIP_0=198.18.0.1\r\nNAME_0=Q7_00001\r\n");
}

TEST(AppSettingsFile, emptyPlayerListLeavesThePlayerSectionOut)
{
    AppSettings s = sample();
    s.players.clear();
    EXPECT_EQ(buildAppSettingsFile(s).find("Q7_Dev"), std::string::npos);
}

TEST(AppSettingsFile, readSkipsEmptySlotsAndStopsAfterSlot128)
{
    TempDir dir;
    std::string file = "\r\n[Q7_Dev]\r\nIP_0=198.18.0.1\r\nNAME_0=zero\r\nIP_5=198.18.0.6\r\nNAME_5=five\r\n";
    writeBytes(dir.file("s.ini"), file);
    IniStore store(dir.file("s.ini"));
    auto s = readAppSettings(store);
    ASSERT_EQ(s.players.size(), 2u);
    EXPECT_EQ(s.players[1], (StoredPlayer{"five", "198.18.0.6"}));

    file = "\r\n[Q7_Dev]\r\n";
    for (int n = 0; n < 140; ++n)
        file += "IP_" + std::to_string(n) + "=198.18.1." + std::to_string(n) + "\r\n";
    writeBytes(dir.file("s.ini"), file);
    s = readAppSettings(store);
    ASSERT_EQ(s.players.size(), 129u);
    EXPECT_EQ(s.players.back().address, "198.18.1.128");
    EXPECT_EQ(s.players.back().name, "");
}

TEST(AppSettingsFile, lineBreaksInValuesAreWrittenAsSpacesAndAddNoLines)
{
    // A list root folder named with a line break, a pasted player name: each value stays one line,
    // so nothing it holds can become a line of its own (a player, above all).
    AppSettings s = sample();
    s.root = "/media/a\n[Q7_Dev]\nIP_7=203.0.113.7";
    s.fontName = "Arial\r\nSIZE=99\x1a";
    s.players[1].name = "Hall\r\n\r\nIP_9=203.0.113.9";
    IniDocument file(buildAppSettingsFile(s));
    const AppSettings back = readAppSettings(file);
    EXPECT_EQ(back.root, "/media/a [Q7_Dev] IP_7=203.0.113.7");
    EXPECT_EQ(back.fontName, "Arial  SIZE=99 ");
    EXPECT_EQ(back.fontSize, "8");
    ASSERT_EQ(back.players.size(), 2u);
    EXPECT_EQ(back.players[1], (StoredPlayer{"Hall    IP_9=203.0.113.9", "198.18.0.2"}));
}

TEST(AppSettingsFile, saveReplacesReadOnlyFileAndOtherLetterCase)
{
    TempDir dir;
    writeBytes(dir.file(kSettingsReadName), "old");
    ::chmod(dir.file(kSettingsReadName).c_str(), 0444);
    saveAppSettings(dir.path(), sample());
    EXPECT_FALSE(fs::exists(dir.file(kSettingsReadName)));
    EXPECT_EQ(readBytes(dir.file(kSettingsWriteName)), buildAppSettingsFile(sample()));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1);  // no temporary file left behind either
}

TEST(AppSettingsFile, failedSaveKeepsTheOldFile)
{
    TempDir dir;
    EXPECT_THROW(saveAppSettings(dir.file("missing-folder"), sample()), IniError);
    fs::create_directory(dir.file(kSettingsWriteName));  // a folder in the way: the rename must fail
    writeBytes(dir.file(kSettingsReadName), "keep me");
    EXPECT_THROW(saveAppSettings(dir.path(), sample()), IniError);
    EXPECT_EQ(readBytes(dir.file(kSettingsReadName)), "keep me");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 2);
}

TEST(AppSettingsFile, deletesOnlyTheToolsOwnFetchTemporaries)
{
    TempDir dir;
    const std::vector<std::string> own{"tftp-Q7_0_-ABC123", "tftp-Q7_12_config.conf-x9Yz0Q"};
    const std::vector<std::string> users{"tftpX",           "TFTP.log",         "Tftpd.conf", "tftp-notes.txt",
                                         "TFTP-Q7_0_-ABC123", "tftp-Q7_x_-ABC123", "tftp-Q7_0_-ABC12", "keep.txt"};
    for (const std::string& name : own)
        writeBytes(dir.file(name), "x");
    for (const std::string& name : users)
        writeBytes(dir.file(name), "x");
    fs::create_directory(dir.file("tftp-Q7_1_-FOLDER"));
    EXPECT_EQ(deleteTftpFiles(dir.path()), 2);
    for (const std::string& name : own)
        EXPECT_FALSE(fs::exists(dir.file(name))) << name;
    for (const std::string& name : users)
        EXPECT_TRUE(fs::exists(dir.file(name))) << name;
    EXPECT_TRUE(fs::exists(dir.file("tftp-Q7_1_-FOLDER")));
}

TEST(ColorText, namesAndHexFormsRoundTrip)
{
    EXPECT_EQ(colorToText(0x000000), "clBlack");
    EXPECT_EQ(colorToText(0x0000FF), "clRed");
    EXPECT_EQ(colorToText(0xF0CAA6), "clSkyBlue");
    EXPECT_EQ(colorToText(0x123456), "$00123456");
    EXPECT_EQ(colorFromText("$00123456"), 0x123456u);
    EXPECT_EQ(colorFromText("clMoneyGreen"), 0xC0DCC0u);
    EXPECT_EQ(colorFromText("CLRED"), 0x0000FFu);
    EXPECT_EQ(colorFromText("$FF"), 0xFFu);
    for (const char* bad : {"", "$", "red", "$00GG0000", "$FF000005", "$0000000000", "123"})
        EXPECT_FALSE(colorFromText(bad)) << bad;
}

TEST(LocaleChoice, codePageItemFollowsTheLocale)
{
    EXPECT_EQ(windowsLocaleId("ja_JP.UTF-8"), 0x0411);
    EXPECT_EQ(codePageItemForLocale(windowsLocaleId("ja_JP.UTF-8")), 3);
    EXPECT_EQ(codePageItemForLocale(windowsLocaleId("zh_TW.Big5")), 1);
    EXPECT_EQ(codePageItemForLocale(windowsLocaleId("zh_SG.GB2312")), 2);
    EXPECT_EQ(codePageItemForLocale(windowsLocaleId("zh_CN.UTF-8")), 2);
    EXPECT_EQ(codePageItemForLocale(windowsLocaleId("ko_KR.EUC-KR")), 4);
    EXPECT_EQ(codePageItemForLocale(windowsLocaleId("ja")), 3);
    EXPECT_EQ(codePageItemForLocale(windowsLocaleId("de_DE@euro")), 0);
    EXPECT_EQ(codePageItemForLocale(windowsLocaleId("C.UTF-8")), 0);
    EXPECT_EQ(codePageItemForLocale(0x10411), 3);  // only the low 16 bits count
}

// The language both programs speak, by the rule Qt's uiLanguages follows: LANGUAGE's entries first
// (even under C), then LC_ALL, LC_MESSAGES, LANG; other languages are passed over.
TEST(LocaleChoice, catalogLanguageFollowsTheLocaleAsQtDoes)
{
    const struct {
        std::map<std::string, std::string> environment;
        const char* language;
    } cases[] = {
        {{}, ""},
        {{{"LANG", "C.UTF-8"}}, ""},
        {{{"LANG", "ja_JP.UTF-8"}}, "ja"},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "ja"}}, "ja"},
        {{{"LC_ALL", "C"}, {"LANGUAGE", "ko_KR"}}, "ko"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de:fr:zh_TW:ja"}}, "zh_TW"},
        {{{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "en_GB:ja"}}, ""},
        {{{"LANGUAGE", ":"}, {"LC_MESSAGES", "zh_HK.UTF-8"}, {"LANG", "en_US.UTF-8"}}, "zh_TW"},
        {{{"LC_ALL", "zh_SG.GB2312"}, {"LANG", "ko_KR.UTF-8"}}, "zh_CN"},
        {{{"LANG", "zh"}}, "zh_CN"},
        {{{"LANGUAGE", "zh-Hant"}}, "zh_TW"},
        {{{"LANG", "fr_FR@euro"}}, ""},
        {{{"LANG", "POSIX"}, {"LC_MESSAGES", ""}}, ""},
    };
    for (const auto& c : cases) {
        const auto lookup = [&](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        std::string described;
        for (const auto& [name, value] : c.environment)
            described += name + "=" + value + " ";
        EXPECT_EQ(catalogLanguage(lookup), c.language) << described;
    }
    EXPECT_EQ(catalogFileName("zh_TW"), "q7_zh_TW.qm");
}

TEST(Scratch, createsPrivateFolderAndEmptiesTheCommandFile)
{
    TempDir dir;
    const std::string scratch = dir.file("a/b/Temp");
    ASSERT_TRUE(prepareScratch(scratch));
    struct stat st {};
    ASSERT_EQ(::stat(scratch.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    writeBytes(scratch + "/nullCMD.txt", "left over");
    ::chmod(scratch.c_str(), 0755);
    ASSERT_TRUE(prepareScratch(scratch));
    EXPECT_EQ(readBytes(scratch + "/nullCMD.txt"), "");
    ASSERT_EQ(::stat(scratch.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    fs::create_directory_symlink(scratch, dir.file("link"));
    std::string why;
    EXPECT_FALSE(prepareScratch(dir.file("link"), &why));
    EXPECT_FALSE(why.empty());
}

}  // namespace
