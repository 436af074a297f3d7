// The runner's choices without widgets: served rows, argument vectors, the Windows command line,
// outcome judging and the fetch that reaches its name only on success.
#include "support/tempdir.h"
#include "core/transfer/tftpcommand.h"
#include "core/transfer/transferbatch.h"
#include "core/platform/programrun.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::test;

namespace {

using Strings = std::vector<std::string>;

std::vector<PlayerEntry> rowsOf(const std::vector<std::pair<bool, bool>>& checkedOnline)
{
    std::vector<PlayerEntry> entries;
    for (const auto& [checked, online] : checkedOnline)
        entries.push_back({"Q7", "127.0.0." + std::to_string(entries.size() + 2), checked, online});
    return entries;
}

TEST(TftpCommandTest, servedRowsAreCheckedAndOnline)
{
    // rows: 0 served, 1 checked offline, 2 served, 3 online unchecked
    const auto entries = rowsOf({{true, true}, {true, false}, {true, true}, {false, true}});
    const struct {
        int row;
        std::vector<int> expected;
    } cases[] = {{-1, {0, 2}}, {0, {0}}, {1, {}}, {2, {2}}, {3, {}}, {4, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(servedRows(entries, c.row), c.expected) << c.row;
    EXPECT_EQ(servedRows({}, -1), std::vector<int>{});
}

TEST(TftpCommandTest, argumentVectorsAndWindowsCommandLines)
{
    const TftpCommand put = putCommand(2, "127.0.0.3", "/home/op/my lists/play list.lst", "/play.lst", "6969");
    EXPECT_EQ(put.program, "tftp");
    EXPECT_EQ(put.arguments, (Strings{"-m", "binary", "127.0.0.3", "6969", "-c", "put",
                                      "/home/op/my lists/play list.lst", "/play.lst"}));
    EXPECT_EQ(put.description, "tftp -i 127.0.0.3 PUT \"/home/op/my lists/play list.lst\" /play.lst");
    EXPECT_EQ(put.clientName, "");

    const TftpCommand get = getCommand(2, "127.0.0.3", "/config.conf", "config.conf", "69", "tftp-x");
    EXPECT_EQ(get.arguments, (Strings{"127.0.0.3", "69", "-c", "get", "/config.conf", "tftp-x"}));
    EXPECT_EQ(get.localName, "Q7_2_config.conf");
    EXPECT_EQ(get.description, "tftp 127.0.0.3 GET /config.conf Q7_2_config.conf");
    // The backup of a player's configuration fetches with an empty suffix.
    EXPECT_EQ(fetchedFileName(0, ""), "Q7_0_");
    EXPECT_EQ(fetchedFileName(12, "q7files.txt"), "Q7_12_q7files.txt");
}

TEST(TftpCommandTest, optionLikeArgumentsAreRefusedNotStarted)
{
    EXPECT_EQ(putCommand(0, "127.0.0.2", "/tmp/a", "/reboot", "69").refusal, "");
    EXPECT_EQ(getCommand(0, "127.0.0.2", "/config.conf", "", "69", "tftp-Q7_0_-abc").refusal, "");
    const std::pair<TftpCommand, const char*> refused[] = {
        {putCommand(0, "-V", "/tmp/a", "/reboot", "69"), "host \"-V\""},
        {putCommand(0, "127.0.0.2", "-c", "/reboot", "69"), "local name \"-c\""},
        {putCommand(0, "127.0.0.2", "/tmp/a", "-v", "69"), "remote name \"-v\""},
        {getCommand(0, "-c", "/config.conf", "", "69", "tftp-x"), "host \"-c\""},
        {getCommand(0, "127.0.0.2", "-m", "", "69", "tftp-x"), "remote name \"-m\""},
        {fetchCommand(0, "127.0.0.2", "/q", "a", "69", "-R"), "local name \"-R\""},
    };
    for (const auto& [command, what] : refused)
        EXPECT_EQ(command.refusal, std::string("not sent: the ") + what + " would reach tftp as an option");

    // The batch runner starts no client for it and reports the refusal; a fetch leaves nothing behind.
    TempDir dir;
    std::string error;
    const std::string clientName = createFetchFile(dir.path(), "Q7_0_", &error);
    StopEvent stop;
    const auto ends = runTransfers({getCommand(0, "-V", "/config.conf", "", "69", clientName)}, dir.path(), stop);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].outcome.text(), "failed (not sent: the host \"-V\" would reach tftp as an option)");
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(TftpCommandTest, portFromEnvironment)
{
    const struct {
        const char* value;
        const char* port;
    } cases[] = {{nullptr, "69"}, {"6969", "6969"}, {"65535", "65535"}, {"0", "69"},     {"65536", "69"},
                 {"", "69"},      {"69x", "69"},    {" 70", "69"},      {"-5", "69"}};
    for (const auto& c : cases) {
        if (c.value)
            ::setenv("Q7_TFTP_PORT", c.value, 1);
        else
            ::unsetenv("Q7_TFTP_PORT");
        EXPECT_EQ(tftpPort(), c.port) << (c.value ? c.value : "(unset)");
    }
    ::unsetenv("Q7_TFTP_PORT");
}

TEST(TftpCommandTest, judgesOutputAndStatusTogether)
{
    const struct {
        ClientEnd end;
        int code;
        const char* output;
        const char* text;
    } cases[] = {
        {ClientEnd::Exited, 0, "", "done"},
        {ClientEnd::Exited, 0, "\n", "done"},
        // tftp-hpa exits 0 when the server refuses or the local file is missing.
        {ClientEnd::Exited, 0, "Error code 1: File not found\n", "failed (refused: File not found)"},
        {ClientEnd::Exited, 0, "Error code 2: Access violation\n", "failed (refused: Access violation)"},
        {ClientEnd::Exited, 0, "tftp: /tmp/x: No such file or directory\n",
         "failed (tftp: /tmp/x: No such file or directory)"},
        {ClientEnd::Exited, 69, "Transfer timed out.\n\n", "failed (timed out)"},
        {ClientEnd::Exited, 3, "", "failed (client exit status 3)"},
        {ClientEnd::Exited, 1, "tftp: bad port\n", "failed (tftp: bad port)"},
        {ClientEnd::Signalled, 9, "", "failed (client ended by signal 9)"},
        {ClientEnd::NotStarted, ENOENT, "", "tftp client not found (install tftp-hpa)"},
        {ClientEnd::NotStarted, EACCES, "", "failed (cannot start the client: Permission denied)"},
    };
    for (const auto& c : cases) {
        const TransferOutcome outcome = judgeClientEnd(c.end, c.code, c.output);
        EXPECT_EQ(outcome.text(), c.text) << c.output;
        EXPECT_EQ(outcome.done(), std::string(c.text) == "done");
    }
    EXPECT_EQ(summaryText(3, 4), "3 of 4 players done");
    EXPECT_EQ(summaryText(0, 1), "0 of 1 player done");

    // In the window's language: marked texts are looked up under "Transfers" and filled in whatever
    // order the translation puts them; the client's own words come back as they came.
    const Translate translate = [](const char* context, const char* text) {
        const std::map<std::string, std::string> catalog = {
            {"failed (%1)", "FAILED[%1]"},
            {"timed out", "TIMEOUT"},
            {"refused: %1", "REFUSED=%1"},
            {"%1 of %2 players done", "%2 players, %1 done"}};
        const auto found = catalog.find(text);
        return std::string(context) == "Transfers" && found != catalog.end() ? found->second : std::string(text);
    };
    EXPECT_EQ(judgeClientEnd(ClientEnd::Exited, 69, "Transfer timed out.\n").text(translate), "FAILED[TIMEOUT]");
    EXPECT_EQ(judgeClientEnd(ClientEnd::Exited, 0, "tftp: %2 %1\n").text(translate), "FAILED[tftp: %2 %1]");
    EXPECT_EQ(judgeClientEnd(ClientEnd::Exited, 0, "Error code 1: File not found\n").text(translate),
              "FAILED[REFUSED=File not found]");
    EXPECT_EQ(summaryText(3, 4, translate), "4 players, 3 done");
}

TEST(TftpCommandTest, everyFetchHasAByteBoundByKind)
{
    constexpr std::uintmax_t kMiB = 1024 * 1024;
    ::unsetenv("Q7_TEST_FETCH_LIMIT");
    EXPECT_EQ(fetchByteLimit("/config.conf"), kMiB);
    EXPECT_EQ(fetchByteLimit("/Q7files"), 64 * kMiB);
    EXPECT_EQ(fetchByteLimit("/message_old.txt"), kMiB);
    EXPECT_EQ(fetchByteLimit("/anything"), kMiB);
    EXPECT_EQ(getCommand(0, "127.0.0.2", "/Q7files", "q7files.txt", "69", "t").maxBytes, 64 * kMiB);
    EXPECT_EQ(putCommand(0, "127.0.0.2", "a", "/reboot", "69").maxBytes, 0u);
    // The test hook only shrinks the bounds.
    ::setenv("Q7_TEST_FETCH_LIMIT", "4096", 1);
    EXPECT_EQ(fetchByteLimit("/Q7files"), 4096u);
    ::setenv("Q7_TEST_FETCH_LIMIT", "999999999999", 1);
    EXPECT_EQ(fetchByteLimit("/config.conf"), kMiB);
    ::unsetenv("Q7_TEST_FETCH_LIMIT");
    EXPECT_EQ(tooLarge(4096).text(), "failed (larger than 4096 bytes)");
}

TEST(TftpCommandTest, fetchReachesItsNameOnlyOnSuccess)
{
    TempDir dir;
    writeBytes(dir.file("Q7_0_config.conf"), "older copy");
    writeBytes(dir.file("Q7_1_config.conf"), "stale copy");

    std::string error;
    const std::string first = createFetchFile(dir.path(), "Q7_0_config.conf", &error);
    const std::string second = createFetchFile(dir.path(), "Q7_0_config.conf", &error);
    ASSERT_FALSE(first.empty()) << error;
    EXPECT_NE(first, second);  // two fetches of one row never share a file
    EXPECT_EQ(first.rfind("tftp-Q7_0_config.conf-", 0), 0u) << first;
    EXPECT_TRUE(fileExists(dir.file(first)));
    EXPECT_TRUE(isFetchFileName(first)) << first;  // the shut-down clean-up knows it as the tool's own

    writeBytes(dir.file(first), "[MISC3]\r\n");
    EXPECT_TRUE(finishFetch(dir.path(), first, "Q7_0_config.conf", {TransferOutcome::Kind::Done, {}}).done());
    EXPECT_EQ(readBytes(dir.file("Q7_0_config.conf")), "[MISC3]\r\n");
    EXPECT_FALSE(fileExists(dir.file(first)));

    // A refused fetch leaves nothing under a looked-up name; an older copy of another row stays.
    const std::string refused = createFetchFile(dir.path(), "Q7_1_config.conf", &error);
    const TransferOutcome outcome = finishFetch(dir.path(), refused, "Q7_1_config.conf",
                                                judgeClientEnd(ClientEnd::Exited, 0, "Error code 1: File not found"));
    EXPECT_FALSE(outcome.done());
    EXPECT_FALSE(fileExists(dir.file(refused)));
    EXPECT_EQ(readBytes(dir.file("Q7_1_config.conf")), "stale copy");

    // The client's file vanished (the shut-down clean-up removed it): the fetch fails.
    const std::string vanished = createFetchFile(dir.path(), "Q7_0_config.conf", &error);
    fs::remove(dir.file(vanished));
    EXPECT_EQ(finishFetch(dir.path(), vanished, "Q7_0_config.conf", {TransferOutcome::Kind::Done, {}}).text(),
              "failed (cannot store Q7_0_config.conf: No such file or directory)");
    fs::remove(dir.file(second));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);

    EXPECT_EQ(createFetchFile(dir.file("missing"), "Q7_0_x", &error), "");
    EXPECT_NE(error.find("cannot create a file in"), std::string::npos) << error;
}

}  // namespace
