// The command table's plain rules: the Volume field's text, how the transfer log names a
// command's transfers, and the fetched copies a command removes before fetching and opens after.
#include "core/base/textfile.h"
#include "core/commands/commandtable.h"
#include "support/tempdir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::commands;
using namespace q7::test;

namespace {

TEST(CommandTable, volumeFieldIsSentAsTypedUpTo31)
{
    const std::pair<std::string_view, std::optional<std::string>> cases[] = {
        {"31", "31"}, {"32", "31"}, {"45", "31"}, {"99", "31"}, {"07", "07"}, {"0", "0"},
        {"-5", "-5"}, {"", std::nullopt}, {"3a", std::nullopt}, {" 5", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const auto& [typed, sent] : cases)
        EXPECT_EQ(volumeText(typed), sent) << typed;
    const Command& volume = group(GroupId::Osd).commands[4];
    EXPECT_EQ(scratchContent(volume, "07"), "Volume 07");
    EXPECT_EQ(scratchContent(group(GroupId::Osd).commands[5], "07"), "MUTE 0");
}

TEST(CommandTable, transferCaptionNamesTheRemoteOnlyWhenACommandMakesSeveralTransfers)
{
    const auto caption = [](GroupId id, size_t item, std::string_view remote) {
        return transferCaption(group(id).commands[item], remote);
    };
    EXPECT_EQ(caption(GroupId::System, 0, "/reboot"), "Reboot");
    EXPECT_EQ(caption(GroupId::Download, 0, "/down.lst"), "Put Down.lst");
    EXPECT_EQ(caption(GroupId::Erase, 1, "/delfiles"), "Delete Files /delfiles");
    EXPECT_EQ(caption(GroupId::FileList, 0, "/Q7files"), "Get HDD List /Q7files");
}

TEST(CommandTable, fetchedCopiesAreRemovedWithoutFollowingLinksAndFoundByRow)
{
    TempDir dir;
    writeBytes(dir.file("Q7_0_q7files.txt"), "stale");
    fs::permissions(dir.file("Q7_0_q7files.txt"), fs::perms::owner_read);
    writeBytes(dir.file("target"), "kept");
    fs::create_symlink(dir.file("target"), dir.file("Q7_2_q7files.txt"));
    writeBytes(dir.file("Q7_3_q7files.txt"), "beyond the rows");
    removeFetchedCopies(dir.path(), 3, "q7files.txt");
    EXPECT_FALSE(fs::exists(dir.file("Q7_0_q7files.txt")));
    EXPECT_FALSE(fs::is_symlink(dir.file("Q7_2_q7files.txt")));
    EXPECT_EQ(readBytes(dir.file("target")), "kept");
    EXPECT_TRUE(fs::exists(dir.file("Q7_3_q7files.txt")));

    writeBytes(dir.file("Q7_2_"), "backup copy");
    writeBytes(dir.file("Q7_0_"), "backup copy");
    fs::create_directory(dir.file("Q7_1_"));
    EXPECT_EQ(fetchedCopies(dir.path(), 3, ""), (std::vector<std::string>{dir.file("Q7_0_"), dir.file("Q7_2_")}));
    EXPECT_THROW(removeFetchedCopies(dir.path(), 3, ""), FileError);  // a folder is not a copy to remove
}

}  // namespace
