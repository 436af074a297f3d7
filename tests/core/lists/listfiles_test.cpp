// The file-list rules without the window: folder scans, list names and formats, listing parsing.
#include "core/lists/listfiles.h"
#include "support/tempdir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace q7::lists;
using namespace q7::test;
namespace fs = std::filesystem;

using Entries = std::vector<std::string>;

TEST(ListFiles, scanTakesMediaFilesOfTheRootThenOfEachSubfolderInNameOrder)
{
    TempDir root;
    for (const char* name : {"b.MP3", "a.avi", "notes.doc", "clip.mpeg", "a.toppic", "readme.TXT", ".hidden.mp3",
                             "Z.JPG", "x.mp3.bak", "music/004.mp3", "music/old/x.mp3", "music/Cover.Bmp",
                             ".secret/s.mp3", "empty/none.doc", "Alpha/1.ts"}) {
        fs::create_directories(fs::path(root.file(name)).parent_path());
        writeBytes(root.file(name), "x");
    }
    fs::create_directory(root.file("folder.avi"));  // a folder with a media ending is no file
    EXPECT_EQ(scanListRoot(root.path()),
              (Entries{"/a.avi", "/a.toppic", "/b.MP3", "/clip.mpeg", "/readme.TXT", "/Z.JPG", "/Alpha/1.ts",
                       "/music/004.mp3", "/music/Cover.Bmp"}));
    EXPECT_TRUE(scanListRoot(root.file("missing")).empty());
}

TEST(ListFiles, playListNamesFollowTheNamingChoice)
{
    const PlayWindow window{2008, 1, 1, 8, 30, 12, 0};
    const PlayWindow early{2026, 12, 7, 7, 5, 0, 0};
    const PlayWindow midnight{2008, 1, 1, 0, 0, 0, 0};
    const struct {
        ListKind kind;
        PlayNaming naming;
        PlayWindow when;
        const char* name;
    } cases[] = {
        {ListKind::Play, PlayNaming::Single, window, "play.lst"},
        {ListKind::Play, PlayNaming::Date, window, "20080101.lst"},
        {ListKind::Play, PlayNaming::Time, window, "_0830_1200.lst"},
        {ListKind::Play, PlayNaming::DateAndTime, window, "20080101_0830_1200.lst"},
        {ListKind::Play, PlayNaming::Title, window, "title.lst"},
        {ListKind::Play, PlayNaming::DateAndTime, early, "20261207_0705_0000.lst"},
        {ListKind::Play, PlayNaming::Time, midnight, "_0000_0000.lst"},
        {ListKind::Download, PlayNaming::Date, window, "down.lst"},
        {ListKind::Upload, PlayNaming::Time, window, "upload.lst"},
        {ListKind::Delete, PlayNaming::Title, window, "delete.lst"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(listFileName(c.kind, c.naming, c.when), c.name) << c.name;
}

TEST(ListFiles, lineFormatsAndTrailingSlash)
{
    const Entries entries = {"/001.mp3", "/music/004.mp3", "/002.jpg  10"};
    EXPECT_EQ(downloadLines(entries, "http://192.168.1.20"),
              (Entries{"http://192.168.1.20/001.mp3 /001.mp3", "http://192.168.1.20/music/004.mp3 /music/004.mp3",
                       "http://192.168.1.20/002.jpg  10 /002.jpg  10"}));
    EXPECT_EQ(uploadLines(entries, "ftp://192.168.1.20"),
              (Entries{"/001.mp3 ftp://192.168.1.20/", "/music/004.mp3 ftp://192.168.1.20/music/",
                       "/002.jpg  10 ftp://192.168.1.20/"}));
    EXPECT_EQ(downloadLines({"/001.mp3"}, ""), Entries{"/001.mp3 /001.mp3"});
    EXPECT_EQ(uploadLines({"/001.mp3"}, ""), Entries{"/001.mp3 /"});

    EXPECT_EQ(listFileBytes(entries), "/001.mp3\r\n/music/004.mp3\r\n/002.jpg  10\r\n");
    EXPECT_EQ(listFileBytes({}), "");
    EXPECT_EQ(listFileBytes({""}), "\r\n");

    for (const auto& [typed, kept] : {std::pair{"ftp://192.168.1.20/media/", "ftp://192.168.1.20/media"},
                                      {"http://h//", "http://h/"}, {"http://h", "http://h"}, {"/", ""}, {"", ""}})
        EXPECT_EQ(withoutTrailingSlash(typed), kept) << typed;
}

TEST(ListFiles, listingGivesOneEntryPerExecutableFileUnderTheCurrentFolder)
{
    const struct {
        const char* name;
        std::string listing;
        Entries entries;
    } cases[] = {
        {"typical, CR LF",
         "/tmp/ccc/HDD:\r\ntotal 8\r\n-rwxr-xr-x    1 root root  4 Jan  1 00:00 001.mp3\r\n"
         "drwxr-xr-x    2 root root  0 Jan  1 00:00 music\r\n\r\n/tmp/ccc/HDD/music:\r\n"
         "-rwxr-xr-x    1 root root  4 Jan  1 00:00 004.mp3\r\n",
         {"/001.mp3", "/music/004.mp3"}},
        {"LF and lone CR line ends", "/tmp/ccc/HDD/:\n-rwxr-xr-x 1 a b 1 x a.avi\r-rwxr-xr-x 1 a b 1 x b.avi",
         {"/a.avi", "/b.avi"}},
        {"name with blanks keeps the last word", "-rwxr-xr-x 1 a b 1 Jan 1 00:00 my clip.avi\n", {"/clip.avi"}},
        {"bare permission text", "/tmp/ccc/HDD/music:\n-rwxr-xr-x\n", {"/music/"}},
        {"other kinds skipped",
         "-rw-r--r-- 1 a b 1 x a.txt\ndrwxr-xr-x 1 a b 1 x d\nlrwxrwxrwx 1 a b 1 x l -> a\n -rwxr-xr-x x b.txt\n", {}},
        {"header case matters, nested folders", "/tmp/ccc/hdd/x:\n/tmp/ccc/HDD/a/b:\n-rwxr-xr-x 1 c.mp3\n",
         {"/a/b/c.mp3"}},
        {"control characters and blanks before the name", std::string("-rwxr-xr-x 1 \x01\x02" "d.mp3\n"), {"/d.mp3"}},
        {"NUL bytes and 8-bit bytes pass through", std::string("-rwxr-xr-x 1 caf\xE9\0.mp3\n", 23),
         {std::string("/caf\xE9\0.mp3", 10)}},
        {"binary garbage", std::string("\xFF\xFE\x00\x01garbage\x80\x81", 13), {}},
        {"empty", "", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseListing(c.listing), c.entries) << c.name;
}

TEST(ListFiles, listingEntriesAreNoLongerThanAPath)
{
    // A folder line longer than any path multiplies into every file line below it: those entries
    // come from no disk and are skipped; an entry of exactly the limit stays.
    const std::string longFolder(kMaxEntryBytes, 'f');
    std::string listing = "/tmp/ccc/HDD/" + longFolder + ":\n";
    for (int n = 0; n < 1000; ++n)
        listing += "-rwxr-xr-x 1 a.mp3\n";
    listing += "/tmp/ccc/HDD/" + longFolder.substr(0, kMaxEntryBytes - 7) + ":\n-rwxr-xr-x 1 a.mp3\n-rwxr-xr-x 1 ab.mp3\n";
    const Entries entries = parseListing(listing);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], "/" + longFolder.substr(0, kMaxEntryBytes - 7) + "/a.mp3");
}

TEST(ListFiles, listingFolderLineOfManyColonsTakesOnePass)
{
    // Every "/:" goes, then every other ':'; a line of a million of them is read in one pass, not
    // one pass per pair.
    EXPECT_EQ(parseListing("/tmp/ccc/HDD/a/:b/:/c:\n-rwxr-xr-x 1 d.mp3\n"), (Entries{"/ab/c/d.mp3"}));
    std::string listing = "/tmp/ccc/HDD/x";
    for (int n = 0; n < 1 << 20; ++n)
        listing += "/:";
    listing += ":\n-rwxr-xr-x 1 y.mp3\n";
    EXPECT_EQ(parseListing(listing), (Entries{"/x/y.mp3"}));
}
