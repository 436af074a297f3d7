#include <string>
using namespace std::string_literals;
#include "core/base/inistore.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>
#include <iterator>

namespace fs = std::filesystem;
using namespace q7;

namespace {

class IniStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "q7ini-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        store.setFileName(path("test.ini"));
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
    std::string path(const std::string& name) const { return dir + "/" + name; }
    void put(const std::string& bytes, const std::string& name = "test.ini")
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string contents(const std::string& name = "test.ini") const
    {
        std::ifstream in(path(name), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    std::string dir;
    std::vector<std::string> reported;
    IniStore store{IniStore::defaultFileName(), [this](const std::string& m) { reported.push_back(m); }};
};

TEST_F(IniStoreTest, readFromMissingFile_returnsEmptyAndLeavesEmptyFile)
{
    EXPECT_EQ(store.readValue("S", "K"), "");
    ASSERT_TRUE(fs::exists(path("test.ini")));
    EXPECT_EQ(fs::file_size(path("test.ini")), 0u);
}

TEST_F(IniStoreTest, writesBuildSectionsWithNewestKeyFirst)
{
    store.writeValue("S", "K", "v");
    EXPECT_EQ(contents(), "\r\n[S]\r\nK=v\r\n");
    store.writeValue("S", "K2", "b");
    store.writeValue("S", "K3", "c");
    EXPECT_EQ(contents(), "\r\n[S]\r\nK3=c\r\nK2=b\r\nK=v\r\n");
    store.writeValue("T", "X", "1");
    EXPECT_EQ(contents(), "\r\n[S]\r\nK3=c\r\nK2=b\r\nK=v\r\n\r\n[T]\r\nX=1\r\n");
    EXPECT_FALSE(fs::exists(path("test.ini.tmp")));
}

TEST_F(IniStoreTest, replaceKeepsPlaceAndTakesCallersLetterCase)
{
    put("\r\n[S]\r\nname=old\r\nOther=1\r\n");
    store.writeValue("s", "NAME", "new");
    EXPECT_EQ(contents(), "\r\n[S]\r\nNAME=new\r\nOther=1\r\n");
    EXPECT_EQ(store.readValue("S", "Name"), "new");
}

TEST_F(IniStoreTest, valuesWithEqualsSignsAndBlanksReadBackWhole)
{
    store.writeValue("S", "URL", " http://h/a?b=c=d ");
    EXPECT_EQ(store.readValue("S", "URL"), " http://h/a?b=c=d ");
}

TEST_F(IniStoreTest, headerMustBeTheWholeLine)
{
    put("[S] \r\nK=1\r\n");
    EXPECT_EQ(store.readValue("S", "K"), "");
    store.writeValue("S", "K", "2");
    EXPECT_EQ(contents(), "[S] \r\nK=1\r\n\r\n[S]\r\nK=2\r\n");
}

TEST_F(IniStoreTest, blanksAroundKeyAreSignificant)
{
    put("[S]\r\n K=1\r\nK =2\r\nK=3\r\n");
    EXPECT_EQ(store.readValue("S", "K"), "3");
    EXPECT_EQ(store.findKeyLine("S", "K"), 4);
}

TEST_F(IniStoreTest, emptyValueDoesNotStopTheSearch)
{
    put("[S]\r\nK=\r\nK=second\r\n");
    EXPECT_EQ(store.readValue("S", "K"), "second");
}

TEST_F(IniStoreTest, emptyLineHidesKeysFromReaderButNotFromWriter)
{
    put("[S]\r\nA=1\r\n\r\nK=hidden\r\n");
    EXPECT_EQ(store.readValue("S", "K"), "");
    store.writeValue("S", "K", "new");
    EXPECT_EQ(contents(), "[S]\r\nA=1\r\n\r\nK=new\r\n");
}

TEST_F(IniStoreTest, keyMissingFromItsSectionIsTakenFromAFollowingSectionBeforeAnEmptyLine)
{
    put("[S]\r\nA=1\r\n[T]\r\nK=fromT\r\n");
    EXPECT_EQ(store.readValue("S", "K"), "fromT");
}

TEST_F(IniStoreTest, repeatedSectionIsSearchedAgain)
{
    put("[S]\r\nA=1\r\n\r\n[X]\r\nK=x\r\n\r\n[S]\r\nK=again\r\n");
    EXPECT_EQ(store.readValue("S", "K"), "again");
    EXPECT_EQ(store.findKeyLine("S", "K"), 8);
}

TEST_F(IniStoreTest, numberedKeysAreIndependent)
{
    store.writeValue("D", "NAME_1", "one");
    store.writeValue("D", "NAME_10", "ten");
    store.writeValue("D", "NAME_1", "uno");
    EXPECT_EQ(store.readValue("D", "NAME_1"), "uno");
    EXPECT_EQ(store.readValue("D", "NAME_10"), "ten");
    EXPECT_EQ(contents(), "\r\n[D]\r\nNAME_10=ten\r\nNAME_1=uno\r\n");
}

TEST_F(IniStoreTest, headerAsLastLineGetsKeyAsNewLastLine)
{
    put("[A]\r\nX=1\r\n[S]");
    store.writeValue("S", "K", "v");
    EXPECT_EQ(contents(), "[A]\r\nX=1\r\n[S]\r\nK=v\r\n");
}

TEST_F(IniStoreTest, lineEndsCtrlZAndNulsFollowTheReadingRules)
{
    put("[S]\nA=lf\r\nB=cr\rlf\nC=\0c\n\x1a[S]\r\nD=after\r\n"s);
    EXPECT_EQ(store.readValue("S", "A"), "lf");
    EXPECT_EQ(store.readValue("S", "B"), "crlf");  // a lone CR is dropped from the line
    EXPECT_EQ(store.readValue("S", "D"), "");      // nothing after Ctrl-Z exists
    put("[S]\r\nK\0=nul\r\n"s);
    EXPECT_EQ(store.readValue("S", "K"), "nul");   // NULs do not count when comparing
    store.writeValue("S", "X", "1");
    EXPECT_EQ(contents(), "[S]\r\nX=1\r\nK\0=nul\r\n"s);
}

TEST_F(IniStoreTest, findKeyLineStopsAtNextBracketLine)
{
    put("[S]\r\n[A]=1\r\n[B]=2\r\n");
    EXPECT_EQ(store.findKeyLine("S", "[A]"), 2);
    EXPECT_EQ(store.findKeyLine("S", "[B]"), 0);  // the first "[" line ends the section's search
}

TEST_F(IniStoreTest, aFileNamedLikeATemporaryIsNeitherUsedNorRemoved)
{
    put("junk", "test.ini.tmp");
    put("[S]\r\nA=1\r\n");
    store.writeValue("S", "B", "2");
    EXPECT_EQ(contents(), "[S]\r\nB=2\r\nA=1\r\n");
    EXPECT_EQ(contents("test.ini.tmp"), "junk");
}

TEST_F(IniStoreTest, storeWorksOnExactlyItsNameWhileTheCallerMayResolveLetterCase)
{
    put("[S]\r\nK=v\r\n", "Settings.INI");
    EXPECT_EQ(resolveCaseInsensitive(path("settings.ini")), path("Settings.INI"));
    store.setFileName(path("settings.ini"));
    EXPECT_EQ(store.readValue("S", "K"), "");  // another file: the store never picks up someone else's
    store.writeValue("S", "K", "w");
    EXPECT_EQ(contents("settings.ini"), "\r\n[S]\r\nK=w\r\n");
    EXPECT_EQ(contents("Settings.INI"), "[S]\r\nK=v\r\n");
}

TEST_F(IniStoreTest, failedWriteRaisesAndKeepsTheFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into any folder";
    put("[S]\r\nA=1\r\n");
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);  // no temporary can be made beside it
    EXPECT_THROW(store.writeValue("S", "B", "2"), IniError);
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_EQ(contents(), "[S]\r\nA=1\r\n");
}

TEST_F(IniStoreTest, unreadableFile_readIsEmptyFindReportsAndWriteRaises)
{
    store.setFileName(dir);  // a folder cannot be read as a file
    EXPECT_EQ(store.readValue("S", "K"), "");
    EXPECT_EQ(store.findKeyLine("S", "K"), 0);
    EXPECT_EQ(reported.size(), 1u);
    EXPECT_THROW(store.writeValue("S", "K", "v"), IniError);
}

TEST(IniStoreDefaults, unassignedNameIsConfigIniBesideTheProgram)
{
    const fs::path program = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(IniStore().fileName(), (program.parent_path() / "Config.ini").string());
}

TEST(IniDocumentTest, appendAfterUnterminatedLastLineJoinsLikeTheFile)
{
    IniDocument doc("abc");
    doc.writeValue("S", "K", "v");
    EXPECT_EQ(doc.bytes(), "abc\r\n[S]\r\nK=v\r\n");
    EXPECT_EQ(doc.readValue("S", "K"), "v");
}

}  // namespace
