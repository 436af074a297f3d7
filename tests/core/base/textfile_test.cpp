// Reading only what is a bounded regular file, and replacing a file in one step.
#include "core/base/textfile.h"
#include "support/tempdir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <thread>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::test;

namespace {

mode_t modeOf(const std::string& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 0777;
}

TEST(TextFileTest, onlyBoundedRegularFilesAreRead)
{
    TempDir dir;
    writeBytes(dir.file("ten"), "0123456789");
    fs::create_symlink(dir.file("ten"), dir.file("link"));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir.file("zero"));
    fs::create_directory(dir.file("folder"));
    fs::create_symlink(dir.file("gone"), dir.file("dangling"));

    EXPECT_EQ(readTextFile(dir.file("ten"), 10), "0123456789");
    EXPECT_EQ(readTextFile(dir.file("link"), 10), "0123456789");
    for (const char* name : {"fifo", "zero", "folder", "dangling", "missing"})
        EXPECT_THROW(readTextFile(dir.file(name)), FileError) << name;  // and none of them blocks
    try {
        readTextFile(dir.file("ten"), 9);
        ADD_FAILURE() << "a file over the bound was read";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(dir.file("ten")), std::string::npos) << e.what();
    }
}

TEST(TextFileTest, replacingKeepsLinksAndModeAndNeverWritesIntoADevice)
{
    TempDir dir;
    fs::create_directory(dir.file("elsewhere"));
    writeBytes(dir.file("elsewhere/real"), "old");
    ::chmod(dir.file("elsewhere/real").c_str(), 0640);
    fs::create_symlink("elsewhere/real", dir.file("link"));
    replaceTextFile(dir.file("link"), "new");
    EXPECT_TRUE(fs::is_symlink(dir.file("link")));
    EXPECT_EQ(readBytes(dir.file("elsewhere/real")), "new");
    EXPECT_EQ(modeOf(dir.file("elsewhere/real")), 0640u);

    writeBytes(dir.file("private"), "old");
    ::chmod(dir.file("private").c_str(), 0600);
    writeBytes(dir.file("private.tmp"), "someone else's");  // not ours: left alone, in nobody's way
    replaceTextFile(dir.file("private"), "new");
    EXPECT_EQ(readBytes(dir.file("private")), "new");
    EXPECT_EQ(modeOf(dir.file("private")), 0600u);
    EXPECT_EQ(readBytes(dir.file("private.tmp")), "someone else's");

    // Two writers of one file at the same moment each use a temporary of their own.
    {
        std::vector<std::jthread> writers;
        for (const char* text : {"first", "second"})
            writers.emplace_back([&, text] {
                for (int i = 0; i < 50; ++i)
                    EXPECT_NO_THROW(replaceTextFile(dir.file("shared"), text, {.sync = false}));
            });
    }
    EXPECT_TRUE(readBytes(dir.file("shared")) == "first" || readBytes(dir.file("shared")) == "second");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(modeOf(dir.file("shared")), 0666u & ~unsigned(mask));  // a new file, as an ordinary create makes it
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();

    // A FIFO or a link to a device is replaced as an entry: nothing is written into it.
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir.file("zero"));
    for (const char* name : {"fifo", "zero"}) {
        replaceTextFile(dir.file(name), "text");
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir.file(name)))) << name;
        EXPECT_EQ(readBytes(dir.file(name)), "text") << name;
    }
    EXPECT_TRUE(fs::is_character_file("/dev/zero"));

    // A folder in the way fails, and leaves neither a changed file nor a temporary one.
    fs::create_directory(dir.file("folder"));
    EXPECT_THROW(replaceTextFile(dir.file("folder"), "x"), FileError);
    EXPECT_FALSE(fs::exists(dir.file("folder.tmp")));

    if (::geteuid() != 0) {  // root may write any file
        writeBytes(dir.file("ro"), "keep");
        ::chmod(dir.file("ro").c_str(), 0444);
        EXPECT_THROW(replaceTextFile(dir.file("ro"), "x", {.refuseReadOnly = true}), FileError);
        EXPECT_EQ(readBytes(dir.file("ro")), "keep");
    }
}

TEST(TextFileTest, workingFilesReplaceLinksInsteadOfFollowingThem)
{
    TempDir dir;
    writeBytes(dir.file("victim"), "keep");
    fs::create_symlink(dir.file("victim"), dir.file("work.tmp"));
    writeWorkingFile(dir.file("work.tmp"), "ours");
    EXPECT_EQ(readBytes(dir.file("victim")), "keep");
    EXPECT_FALSE(fs::is_symlink(dir.file("work.tmp")));
    EXPECT_EQ(readBytes(dir.file("work.tmp")), "ours");
    removeWorkingFile(dir.file("work.tmp"));
    removeWorkingFile(dir.file("work.tmp"));  // already gone: fine
    EXPECT_FALSE(fs::exists(dir.file("work.tmp")));
    fs::create_directory(dir.file("folder.tmp"));
    EXPECT_THROW(writeWorkingFile(dir.file("folder.tmp"), "x"), FileError);
}

}  // namespace
