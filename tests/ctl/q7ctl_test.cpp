// q7ctl end to end: the real program against test players on loopback (and, as root, a player in
// a network namespace the test builds), with the settings file, lock and scratch folder of a
// test folder.

#include "core/settings/localechoice.h"
#include "core/settings/settingslock.h"
#include "core/base/codepage.h"
#include "draw/bitmapdrawing.h"
#include "core/messages/textmessage.h"
#include "core/players/history.h"
#include "support/endlessserver.h"
#include "support/programs.h"
#include "support/tempdir.h"
#include "support/testnetwork.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <regex>

namespace fs = std::filesystem;
using namespace q7;
using namespace q7::test;

namespace {

class Q7ctlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The run folders go into the test's own scratch folder.
        fs::create_directories(dir.file("runtime"));
        fs::permissions(dir.file("runtime"), fs::perms::owner_all);  // private, as a session's own is
        ::setenv("XDG_RUNTIME_DIR", dir.file("runtime").c_str(), 1);
        ::unsetenv("Q7_TFTP_PORT");
        fs::create_directories(work);
    }

    // Players "P0", "P1", ... at 127.0.0.2, 127.0.0.3, ... listed in the settings file.
    void startPlayers(int count, const std::vector<std::string>& options = {})
    {
        std::vector<std::string> arguments = options;
        std::string settings = "\r\n[Q7_Dev]\r\n";
        for (int i = count - 1; i >= 0; --i) {
            arguments.push_back(address(i) + "=" + folder(i));
            settings += "IP_" + std::to_string(i) + "=" + address(i) + "\r\nNAME_" + std::to_string(i) + "=P" +
                        std::to_string(i) + "\r\n";
        }
        writeBytes(work + "/Q7_Configuration_V3.ini", settings);
        sim = std::make_unique<PlayerSim>(arguments, dir.file("sim.out"));
        ::setenv("Q7_TFTP_PORT", sim->portText().c_str(), 1);
    }
    void TearDown() override
    {
        ::unsetenv("Q7_TFTP_PORT");
        ::unsetenv("Q7_TEST_FETCH_LIMIT");
    }
    static std::string address(int i) { return "127.0.0." + std::to_string(i + 2); }
    std::string folder(int i) const { return dir.file("player" + std::to_string(i)); }
    std::string journal(int i) const { return readBytes(folder(i) + "/journal.jsonl"); }

    // q7ctl in the work folder, reaching the test players through Q7_TFTP_PORT.
    RunResult q7ctl(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), Q7CTL);
        return runProgram(arguments, work, 120000);
    }

    TempDir dir;
    std::string work = dir.file("work");
    std::unique_ptr<PlayerSim> sim;
};

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        out.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return out;
}

// Requests a player saw, as "op name" in order.
std::vector<std::string> requests(const std::string& journal)
{
    static const std::regex request("\"op\":\"(\\w+)\",\"name\":\"([^\"]*)\"");
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(journal.begin(), journal.end(), request); it != std::sregex_iterator(); ++it)
        out.push_back((*it)[1].str() + " " + (*it)[2].str());
    return out;
}

TEST_F(Q7ctlTest, configGetPutAndDiffFindExactlyTheSettingThatDiffers)
{
    startPlayers(2);
    RunResult got = q7ctl({"config", "get", "--all", "--wait", "0", "--out", "."});
    ASSERT_EQ(got.status, 0) << got.output;
    EXPECT_TRUE(std::regex_search(got.output, std::regex("127\\.0\\.0\\.3 +P1 +config get +done +\\d+\\.\\d s")))
        << got.output;
    const std::string original = readBytes(work + "/127.0.0.3_config.conf");
    ASSERT_EQ(original, readBytes(folder(1) + "/config.conf"));

    // The second player takes a changed volume.
    std::string changed = original;
    const size_t volume = changed.find("[Volume]=31\r\n");
    ASSERT_NE(volume, std::string::npos);
    changed.replace(volume, 13, "[Volume]=20\r\n");
    writeBytes(work + "/changed.conf", changed);
    RunResult put = q7ctl({"config", "put", "changed.conf", "--player", "P1", "--wait", "0"});
    ASSERT_EQ(put.status, 0) << put.output;
    EXPECT_EQ(requests(journal(1)), (std::vector<std::string>{"write /saveconfig", "read /config.conf",
                                                              "write /config.conf.put", "write /restoreconfig"}));
    EXPECT_EQ(requests(journal(0)), (std::vector<std::string>{"write /saveconfig", "read /config.conf"}));

    // The drift report: one row, one column per player, also as JSON lines.
    RunResult diff = q7ctl({"config", "diff", "--all", "--wait", "0"});
    ASSERT_EQ(diff.status, 0) << diff.output;
    EXPECT_TRUE(std::regex_search(diff.output, std::regex("\nSETTING +127\\.0\\.0\\.2 +127\\.0\\.0\\.3\n"
                                                          "MISC3 \\[Volume\\] +31 +20\n$")))
        << diff.output;
    RunResult json = q7ctl({"config", "diff", "--all", "--wait", "0", "--json"});
    ASSERT_EQ(json.status, 0) << json.output;
    const std::vector<std::string> objects = lines(json.output);
    ASSERT_EQ(objects.size(), 3u) << json.output;
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(
            std::regex_match(objects[size_t(i)],
                             std::regex("\\{\"address\":\"" + std::regex_replace(address(i), std::regex("\\."), "\\.") +
                                        "\",\"name\":\"P" + std::to_string(i) +
                                        "\",\"action\":\"config diff\",\"ok\":true,\"outcome\":\"done\","
                                        "\"duration_ms\":\\d+\\}")))
            << objects[size_t(i)];
    EXPECT_EQ(objects[2], R"({"section":"MISC3","key":"[Volume]","values":{"127.0.0.2":"31","127.0.0.3":"20"}})");

    // Online state through a real echo on loopback.
    RunResult ping = q7ctl({"players", "--ping", "--json"});
    ASSERT_EQ(ping.status, 0) << ping.output;
    EXPECT_TRUE(
        std::regex_match(lines(ping.output)[1],
                         std::regex(R"(\{"row":1,"name":"P1","address":"127\.0\.0\.3","online":true,"rtt_ms":\d+\})")))
        << ping.output;

    // The window's player history, as the window recorded it.
    ::setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1);
    {
        PlayerHistory history(PlayerHistory::defaultPath(), {});
        history.found("127.0.0.3");
        history.answered("127.0.0.3", true, true);
        history.answered("127.0.0.3", false, true);
    }
    fs::permissions(PlayerHistory::defaultPath(), fs::perms::owner_read);  // read, never written
    RunResult seen = q7ctl({"players", "--history", "--json", "--player", "P1"});
    // Without a history nothing is created: every player shows as never seen.
    ::setenv("XDG_DATA_HOME", dir.file("empty").c_str(), 1);
    const RunResult none = q7ctl({"players", "--history", "--player", "P1"});
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(none.status, 0) << none.output;
    EXPECT_TRUE(std::regex_search(none.output, std::regex("127\\.0\\.0\\.3 +never +0"))) << none.output;
    EXPECT_FALSE(fs::exists(dir.file("empty")));
    ASSERT_EQ(seen.status, 0) << seen.output;
    EXPECT_TRUE(std::regex_match(lines(seen.output)[0],
                                 std::regex(R"(\{"row":1,"name":"P1","address":"127\.0\.0\.3","last_seen":"[-0-9]+ [:0-9]+",)"
                                            R"("first_found":"[-0-9]+ [:0-9]+","last_found":"[-0-9]+ [:0-9]+","outages_7d":1\})")))
        << seen.output;
}

// config set against three players, one already right, one to change and one that refuses what is
// put to it: only the one to change takes a configuration, --check and a second run put nothing,
// bad words send nothing, and --parallel 1 still reaches every player.
TEST_F(Q7ctlTest, configSetPutsOnlyWhereASettingChanges)
{
    startPlayers(2);
    PlayerSim refusing({"--port", sim->portText(), "--deny", "/config.conf.put", address(2) + "=" + folder(2)},
                       dir.file("refusing.out"));
    writeBytes(work + "/Q7_Configuration_V3.ini",
               readBytes(work + "/Q7_Configuration_V3.ini") + "IP_2=" + address(2) + "\r\nNAME_2=P2\r\n");
    const auto puts = [&](int i) {
        const std::vector<std::string> seen = requests(journal(i));
        return std::count(seen.begin(), seen.end(), "write /config.conf.put");
    };
    const std::string refused = "failed \\(put /config\\.conf\\.put: refused: Access violation\\)";
    struct Step {
        std::vector<std::string> arguments;
        int status;
        std::vector<std::string> outcomes;  // per player, a pattern
        std::vector<long> puts;             // configurations each player has taken by then
    };
    const Step steps[] = {
        {{"Volume=20", "--player", "P0"}, 0, {"changed"}, {1, 0, 0}},
        {{"[Volume]=20", "--all", "--check"}, 0, {"unchanged", "would change", "would change"}, {1, 0, 0}},
        {{"volume :=20", "--all", "--parallel", "1"}, 1, {"unchanged", "changed", refused}, {1, 1, 1}},
        {{"Volume=20", "--all"}, 1, {"unchanged", "unchanged", refused}, {1, 1, 2}},
    };
    for (const Step& step : steps) {
        std::vector<std::string> arguments{"config", "set", "--wait", "0"};
        arguments.insert(arguments.end(), step.arguments.begin(), step.arguments.end());
        const RunResult run = q7ctl(arguments);
        SCOPED_TRACE(run.output);
        EXPECT_EQ(run.status, step.status);
        for (size_t i = 0; i < step.outcomes.size(); ++i)
            EXPECT_TRUE(std::regex_search(run.output, std::regex("P" + std::to_string(i) + " +config set +" +
                                                                 step.outcomes[i] + " +\\d+\\.\\d s\n")));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(puts(i), step.puts[size_t(i)]) << "P" << i;
    }
    EXPECT_NE(readBytes(folder(1) + "/config.conf").find("[Volume]=20\r\n"), std::string::npos);

    // What would change, for scripts: the settings with their values before and after.
    const RunResult check = q7ctl({"config", "set", "Play mode=Repeat", "--player", "P1", "--check", "--json"});
    EXPECT_EQ(check.status, 0);
    EXPECT_TRUE(std::regex_match(check.output,
                                 std::regex(R"(\{"address":"127\.0\.0\.3","name":"P1","action":"config set","ok":true,)"
                                            R"("outcome":"would change","duration_ms":\d+,"changed":true,"changes":)"
                                            R"(\[\{"setting":"Play mode","key":"\[Play Mode\]","before":"Standard",)"
                                            R"("after":"Repeat"\}\]\}\n)")))
        << check.output;

    // An unknown setting or a value the page would not take: refused before anything is sent.
    const std::string sent = journal(0) + journal(1) + journal(2);
    const std::vector<std::pair<std::vector<std::string>, std::string>> usage = {
        {{"Volume=32"}, "q7ctl: Volume: \"32\" is not a number 0 to 31\n"},
        {{"Loudness=3"}, "q7ctl: no setting 'Loudness': name it as the settings pages label it (Volume) or as "
                         "config.conf keys it ([Volume])\n"},
        {{"Play mode=Loop"}, "q7ctl: Play mode: \"Loop\" is not one of Standard, Repeat, Manual, Standdy\n"},
        {{"IP Address=198.18.0.9"},
         "q7ctl: IP Address for 3 players would give them all one address; set it one player at a time\n"},
        {{"Volume=20", "--parallel", "0"}, "q7ctl: --parallel: '0' is not a number of transfers (1 to 1000)\n"},
    };
    for (const auto& [words, message] : usage) {
        std::vector<std::string> arguments{"config", "set", "--all"};
        arguments.insert(arguments.end(), words.begin(), words.end());
        const RunResult result = q7ctl(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.output, message);
    }
    EXPECT_EQ(journal(0) + journal(1) + journal(2), sent);
}

// A device that answers a read with endless data: each kind of fetch is cut off at its byte bound
// (made small here), its client ended and its temporary removed, long before the time bound.
TEST_F(Q7ctlTest, endlessFetchesAreCutOffAtTheirBound)
{
    writeBytes(work + "/Q7_Configuration_V3.ini", "\r\n[Q7_Dev]\r\nIP_0=127.0.0.2\r\nNAME_0=P0\r\n");
    EndlessServer server(address(0));
    ::setenv("Q7_TFTP_PORT", server.portText().c_str(), 1);
    ::setenv("Q7_TEST_FETCH_LIMIT", "65536", 1);
    struct Case {
        std::vector<std::string> arguments;
        std::string action;
        std::string remote;
    };
    const Case cases[] = {
        {{"config", "get", "--player", "P0", "--wait", "0", "--out", "."}, "config get", "/config\\.conf"},
        {{"files", "--player", "P0", "--wait", "0"}, "files", "/Q7files"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        const auto started = std::chrono::steady_clock::now();
        const RunResult run = q7ctl(c.arguments);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
        EXPECT_EQ(run.status, 1) << run.output;
        EXPECT_TRUE(std::regex_search(
            run.output, std::regex("127\\.0\\.0\\.2 +P0 +" + c.action + " +failed \\(get " + c.remote +
                                               ": larger than 65536 bytes\\)")))
            << run.output;
        EXPECT_EQ(runningClients(server.portText()), 0);
        for (const auto& entry : fs::recursive_directory_iterator(dir.path()))
            EXPECT_FALSE(entry.path().filename().string().starts_with("tftp")) << entry.path();
    }
    EXPECT_LT(server.bytesSent(), 32 * 1024 * 1024);
}

TEST_F(Q7ctlTest, failuresAndBadInputHaveTheirExitStatusAndSendNothing)
{
    startPlayers(2, {"--deny", "/restoreconfig"});
    writeBytes(work + "/not.conf", "just text\n");
    writeBytes(work + "/good.conf", readBytes(folder(0) + "/config.conf"));
    std::string badAddress = readBytes(folder(0) + "/config.conf");
    badAddress.replace(badAddress.find("[IP Gateway]=0.0.0.0"), 20, "[IP Gateway]=999.1.1.1");
    writeBytes(work + "/bad-address.conf", badAddress);
    // Stored players whose addresses tftp would take as options are not listed (said once).
    writeBytes(work + "/tampered.ini", "[Q7_Dev]\r\nIP_0=-V\r\nNAME_0=A\r\nIP_1=10.0.0.300\r\nNAME_1=B\r\n");
    const std::string ipv4 = "\" is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)";
    const std::string network = " is not a network A.B.C.D/N with N from 16 to 30 (as 10.20.0.0/22)\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> usage = {
        {{"reboot"}, "q7ctl: unknown command 'reboot'\n"},
        {{"config"}, "q7ctl: 'config' needs a command (try 'q7ctl config --help')\n"},
        {{"config", "get"}, "q7ctl: say which players: --player NAME|ADDRESS (repeatable) or --all\n"},
        {{"config", "get", "--player", "127.0.0.9"},
         "q7ctl: --player 127.0.0.9: no such player in " + work + "/Q7_Configuration_V3.ini\n"},
        {{"config", "get", "--all", "--wait", "soon"},
         "q7ctl: --wait: 'soon' is not a number of seconds (0 to 3600)\n"},
        {{"config", "get", "--all", "--bogus"}, "q7ctl: unknown option --bogus for 'config get'\n"},
        {{"config", "put", "not.conf", "--all"},
         "q7ctl: \"" + work +
             "/not.conf\" is not a config file: it has none of the sections [NETWORK SETTING], "
             "[MISC1], [MISC2], [MISC3] and [AUDIO & VIDEO].\n"},
        {{"files", "--all", "--settings", "missing.ini"},
         "q7ctl: settings file: Cannot open file \"" + work + "/missing.ini\": No such file or directory\n"},
        {{"files", "--all", "--port", "70000"}, "q7ctl: --port: '70000' is not a port number (1 to 65535)\n"},
        {{"config", "get", "--player", "10.0.0.300"}, "q7ctl: --player: \"10.0.0.300" + ipv4 + "\n"},
        {{"config", "put", "bad-address.conf", "--player", "P0"},
         "q7ctl: FILE: IP Gateway: \"999.1.1.1" + ipv4 + "\n"},
        {{"files", "--all", "--settings", "tampered.ini"},
         "q7ctl: settings file: IP Address of A: \"-V" + ipv4 + ": not listed\n"
         "q7ctl: settings file: IP Address of B: \"10.0.0.300" + ipv4 + ": not listed\n"
         "q7ctl: no players are listed in " + work + "/tampered.ini\n"},
        {{"scan", "--address", "198.18.1.256"}, "q7ctl: --address: \"198.18.1.256" + ipv4 + "\n"},
        {{"scan", "--address", "-V"}, "q7ctl: --address: \"-V" + ipv4 + "\n"},
        {{"scan", "--address", "01.2.3.4"}, "q7ctl: --address: \"01.2.3.4" + ipv4 + "\n"},
        {{"scan", "--network", "198.18.4.0/15"}, "q7ctl: --network: '198.18.4.0/15'" + network},
        {{"scan", "--network", "198.18.4.0/31"}, "q7ctl: --network: '198.18.4.0/31'" + network},
        {{"scan", "--network", "198.18.4.0"}, "q7ctl: --network: '198.18.4.0'" + network},
        {{"scan", "--network", "198.18.4/22"}, "q7ctl: --network: '198.18.4/22'" + network},
        {{"scan", "--network", "198.18.4.0/22", "--rate", "301"},
         "q7ctl: --rate: '301' is not a number of addresses per second (1 to 300)\n"},
        {{"scan", "--network", "198.18.4.0/22", "--address", "198.18.4.1"},
         "q7ctl: give --address or --network, not both\n"},
        {{"players", "--format", "xml"}, "q7ctl: --format: 'xml' is not table, json or openmetrics\n"},
    };
    for (const auto& [arguments, message] : usage) {
        const RunResult result = q7ctl(arguments);
        EXPECT_EQ(result.status, 2) << arguments.front();
        EXPECT_EQ(result.output, message);
    }
    EXPECT_EQ(journal(0) + journal(1), "");

    // Ctrl-C during the wait (or the transfer before it) still reports every player.
    const RunResult interrupted =
        runProgram({"sh", "-c", "\"$0\" config get --all & p=$!; sleep 1; kill -INT $p; wait $p", Q7CTL}, work);
    EXPECT_EQ(interrupted.status, 1);
    const std::regex failed("127\\.0\\.0\\.3 +P1 +config get +failed \\((put /saveconfig: )?interrupted\\)");
    EXPECT_TRUE(std::regex_search(interrupted.output, failed)) << interrupted.output;
    EXPECT_TRUE(interrupted.output.ends_with("q7ctl: interrupted\n")) << interrupted.output;

    // Into a pipe nobody reads any more: a documented status, and the run folder with the fetched
    // files is removed. Names from a player reach a terminal with their control characters shown.
    const RunResult piped = runProgram(
        {"bash", "-c", "\"$0\" config diff --all --wait 0 | true; exit ${PIPESTATUS[0]}", Q7CTL}, work);
    EXPECT_EQ(piped.status, 1) << piped.output;
    EXPECT_NE(piped.output.find("q7ctl: cannot write the output: Broken pipe"), std::string::npos) << piped.output;
    for (const auto& entry : fs::recursive_directory_iterator(dir.file("runtime")))
        EXPECT_FALSE(entry.path().filename().string().starts_with("q7ctl-")) << entry.path();
    fs::create_directories(folder(0) + "/HDD");
    writeBytes(folder(0) + "/HDD/\x1b]0;owned\x07\x1b[2J.mp3", "");
    const RunResult listed = q7ctl({"files", "--player", "P0", "--wait", "0"});
    EXPECT_NE(listed.output.find("owned\\x07\\x1b[2J.mp3"), std::string::npos) << listed.output;
    EXPECT_EQ(listed.output.find('\x1b'), std::string::npos);

    // A refusal on the second step fails every player, saying which step and why.
    const RunResult refused = q7ctl({"config", "put", "good.conf", "--all", "--wait", "0", "--json"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.output.find(R"x("ok":false,"outcome":"failed (put /restoreconfig: refused: Access violation)")x"),
              std::string::npos)
        << refused.output;

    // A list needs no players; it is written as the window writes it.
    fs::create_directories(work + "/media/music");
    writeBytes(work + "/media/001.mp3", "");
    writeBytes(work + "/media/music/004.mp3", "");
    const RunResult list = runProgram({Q7CTL, "list", "build", "--kind", "upload", "--root", "media", "--server",
                                       "ftp://198.18.1.20/media/", "--json"},
                                      work);
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.output,
              "{\"action\":\"list build\",\"ok\":true,\"file\":\"" + work + "/upload.lst\",\"entries\":2}\n");
    EXPECT_EQ(readBytes(work + "/upload.lst"),
              "/001.mp3 ftp://198.18.1.20/media/\r\n/music/004.mp3 ftp://198.18.1.20/media/music/\r\n");

    // The command-line tool is no widget program.
    const std::string needed = runProgram({"readelf", "-d", Q7CTL}, work).output;
    EXPECT_NE(needed.find("(NEEDED)"), std::string::npos) << needed;
    EXPECT_EQ(needed.find("libQt6Widgets"), std::string::npos) << needed;
}

// Run in a folder without the tool's settings, a command that needs players is refused; one that
// needs none runs. A missing client names its package.
TEST_F(Q7ctlTest, whatIsMissingIsNamed)
{
    startPlayers(1);
    const std::string elsewhere = dir.file("elsewhere");
    fs::create_directories(elsewhere);
    const std::string noSettings = "q7ctl: no settings file Q7_Configuration_V3.ini in " + elsewhere +
                                   " (run q7ctl in the tool's folder, or give --settings FILE)\n";
    struct Case {
        std::vector<std::string> arguments;
        std::string folder;
        int status;
        std::string output;  // all of it, or where it ends in "...", its start
    };
    const Case cases[] = {
        {{Q7CTL, "players"}, elsewhere, 2, noSettings},
        {{Q7CTL, "send", "reboot", "--all"}, elsewhere, 2, noSettings},
        {{Q7CTL, "config", "diff", "--player", "P0", "--player", "P1"}, elsewhere, 2, noSettings},
        {{Q7CTL, "list", "build", "--kind", "play", "--root", "."}, elsewhere, 0, elsewhere + "/play.lst: 0 entries\n"},
        {{"env", "PATH=/nonexistent", Q7CTL, "send", "reboot", "--all", "--json"},
         work,
         1,
         R"({"address":"127.0.0.2","name":"P0","action":"send reboot","ok":false,)"
         R"x("outcome":"failed (put /reboot: tftp client not found (install tftp-hpa))",...)x"},
    };
    for (const Case& c : cases) {
        const RunResult result = runProgram(c.arguments, c.folder);
        EXPECT_EQ(result.status, c.status) << c.arguments[1];
        if (c.output.ends_with("..."))
            EXPECT_TRUE(result.output.starts_with(c.output.substr(0, c.output.size() - 3))) << result.output;
        else
            EXPECT_EQ(result.output, c.output);
    }
    EXPECT_EQ(journal(0), "");
}

// One file with a fixed IP address to several players would give them all one address: refused,
// unless each keeps its own network settings, fetched from it first.
TEST_F(Q7ctlTest, fixedAddressGoesToSeveralPlayersOnlyKeepingEachOwn)
{
    startPlayers(2);
    ASSERT_EQ(q7ctl({"config", "get", "--player", "P0", "--wait", "0", "--out", "."}).status, 0);
    const std::string base = readBytes(work + "/127.0.0.2_config.conf");
    const auto with = [&base](const std::string& address, bool louder) {
        std::string file = base;
        file.replace(file.find("[Automatic IP]=On"), 17, "[Automatic IP]=Off");
        file.replace(file.find("[IP Address]=0.0.0.0"), 20, "[IP Address]=" + address);
        if (louder)
            file.replace(file.find("[Volume]=31"), 11, "[Volume]=20");
        return file;
    };
    // A single player is never refused: each gets its own fixed address first.
    for (int i = 0; i < 2; ++i) {
        writeBytes(work + "/own.conf", with("198.18.0.1" + std::to_string(i), false));
        const RunResult own = q7ctl({"config", "put", "own.conf", "--player", "P" + std::to_string(i), "--wait", "0"});
        ASSERT_EQ(own.status, 0) << own.output;
    }
    const std::string before = journal(0) + journal(1);

    writeBytes(work + "/fixed.conf", with("198.18.0.50", true));
    const std::string refusal = "q7ctl: FILE gives a fixed IP address (Automatic IP \"Off\"): the 2 players would all "
                                "take the same address. Put it to one player, or give --keep-address\n";
    for (const auto& players : {std::vector<std::string>{"--all"}, {"--player", "P0", "--player", "127.0.0.3"}}) {
        std::vector<std::string> arguments{"config", "put", "fixed.conf", "--wait", "0"};
        arguments.insert(arguments.end(), players.begin(), players.end());
        const RunResult refused = q7ctl(arguments);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.output, refusal);
    }
    const RunResult sent = q7ctl({"send", "restore-config", "fixed.conf", "--all"});
    EXPECT_EQ(sent.status, 2);
    EXPECT_TRUE(sent.output.ends_with("Put it to one player, or use config put --keep-address\n")) << sent.output;
    EXPECT_EQ(journal(0) + journal(1), before);

    const RunResult kept = q7ctl({"config", "put", "fixed.conf", "--all", "--keep-address", "--wait", "0"});
    ASSERT_EQ(kept.status, 0) << kept.output;
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(readBytes(folder(i) + "/config.conf"), with("198.18.0.1" + std::to_string(i), true)) << i;
        const std::vector<std::string> seen = requests(journal(i));
        ASSERT_GE(seen.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(seen.end() - 4, seen.end()),
                  (std::vector<std::string>{"write /saveconfig", "read /config.conf", "write /config.conf.put",
                                            "write /restoreconfig"}));
    }
}

TEST_F(Q7ctlTest, sendPutsWhatTheWindowPutsAndRefusesUnconfirmedErasing)
{
    startPlayers(2);
    writeBytes(work + "/delete.lst", "/001.mp3\r\n");
    struct Case {
        std::vector<std::string> arguments;
        std::vector<std::string> requests;  // what the first player saw
        std::string file;                   // what it holds afterwards, with these bytes
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {{"send", "reboot", "--all"}, {"write /reboot"}, "", ""},
        {{"send", "volume", "07", "--player", "P0"}, {"write /multicmd.txt"}, "multicmd.txt", "Volume 07"},
        {{"send", "playmode", "single", "--player", "P0"}, {"write /playmode.txt"}, "playmode.txt", "Signle"},
        {{"send", "delete-files", "delete.lst", "--yes", "--player", "P0", "--wait", "0"},
         {"write /delete.lst", "write /delfiles"},
         "delete.lst",
         "/001.mp3\r\n"},
    };
    for (const Case& c : cases) {
        const size_t before = requests(journal(0)).size();
        const RunResult result = q7ctl(c.arguments);
        ASSERT_EQ(result.status, 0) << result.output;
        const std::vector<std::string> seen = requests(journal(0));
        EXPECT_EQ(std::vector<std::string>(seen.begin() + long(before), seen.end()), c.requests) << c.arguments[1];
        if (!c.file.empty()) {
            EXPECT_EQ(readBytes(folder(0) + "/" + c.file), c.bytes);
        }
    }
    EXPECT_EQ(requests(journal(1)), std::vector<std::string>{"write /reboot"});
    EXPECT_TRUE(std::regex_search(q7ctl({"send", "reboot", "--player", "P1"}).output,
                                  std::regex("127\\.0\\.0\\.3 +P1 +send reboot +done")));

    // Erasing needs --yes; bad words are refused before anything is sent.
    const std::string sent = journal(0) + journal(1);
    const std::vector<std::pair<std::vector<std::string>, std::string>> usage = {
        {{"send", "erase-hdd", "--all"}, "q7ctl: send erase-hdd removes files on the players: add --yes to confirm\n"},
        {{"send", "delete-files", "delete.lst", "--all"},
         "q7ctl: send delete-files removes files on the players: add --yes to confirm\n"},
        {{"send", "volume", "loud", "--all"}, "q7ctl: send volume: 'loud' is not a valid integer value\n"},
        {{"send", "volume", "40", "--all"}, "q7ctl: send volume: N is 0 to 31, not '40'\n"},
        {{"send", "playmode", "shuffle", "--all"},
         "q7ctl: send playmode: 'shuffle' is not one of single, date, time, datetime, repeat, stop\n"},
        {{"send", "put-list", "--all"}, "q7ctl: send put-list needs one of down, play, upload\n"},
        {{"send", "shutdown", "now", "--all"}, "q7ctl: send: unknown command 'shutdown'\n"},
        {{"send", "put-list", "play", "missing.lst", "--all"}, "q7ctl: cannot read file 'missing.lst'\n"},
        {{"send", "reboot", "now", "--all"}, "q7ctl: send reboot takes no more words\n"},
    };
    for (const auto& [arguments, message] : usage) {
        const RunResult result = q7ctl(arguments);
        EXPECT_EQ(result.status, 2) << arguments[1];
        EXPECT_EQ(result.output, message);
    }
    EXPECT_EQ(journal(0) + journal(1), sent);
}

TEST_F(Q7ctlTest, messageSendsTheBytesTheWindowWrites)
{
    startPlayers(1);
    const std::string utf8 = "Gr\xC3\xBC\xC3\x9F" "e \xE4\xBD\xA0\xE5\xA5\xBD";  // "Grüße 你好"
    const std::u16string text = u"Gr\u00FC\u00DFe \u4F60\u597D";
    const int system = systemCodePage(environmentLocaleName());
    const int startItem = codePageItemForLocale(windowsLocaleId(environmentLocaleName()));
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{}, messages::codePageOfItem(startItem, system)},
        {{"--codepage", "big5"}, 950},
        {{"--codepage", "english"}, system},
    };
    for (const auto& [options, codePage] : cases) {
        std::vector<std::string> arguments = {"message", utf8, "--all", "--allow-substitution"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const RunResult result = q7ctl(arguments);
        ASSERT_EQ(result.status, 0) << result.output;
        EXPECT_EQ(readBytes(folder(0) + "/message.txt"), messages::messageFileBytes(text, codePage)) << codePage;
    }
    const std::string sent = journal(0);
    const RunResult tooLong = q7ctl({"message", std::string(513, 'x'), "--all"});
    EXPECT_EQ(tooLong.status, 2);
    EXPECT_EQ(tooLong.output, "q7ctl: message: the text has 513 characters, more than 512\n");
    EXPECT_EQ(q7ctl({"message", "hi", "--all", "--codepage", "latin9"}).status, 2);
    const RunResult held = q7ctl({"message", "\xE4\xBD\xA0\xE5\xA5\xBD", "--all", "--codepage", "big5"});
    EXPECT_EQ(held.status, 0) << held.output;  // big5 holds all of it: nothing to ask
    const RunResult refused = q7ctl({"message", utf8, "--all", "--codepage", "korean"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.output, "q7ctl: message: 2 characters cannot be written in this code page and would be sent "
                              "as \"?\" (add --allow-substitution to send anyway)\n");
    EXPECT_EQ(requests(journal(0)).size(), requests(sent).size() + 1);  // only the big5 one went
    EXPECT_EQ(q7ctl({"message", std::string(512, 'x'), "--all"}).status, 0);
}

TEST_F(Q7ctlTest, bitmapIsCutFromTheSharedDrawingAndSavedOrSent)
{
    startPlayers(1);
    fs::create_directories(work + "/out");
    const RunResult saved =
        q7ctl({"bitmap", "Hello Q7 \xE2\x82\xAC", "--size", "40", "--fore", "clRed", "--back", "$00800000", "--save", "out"});
    ASSERT_EQ(saved.status, 0) << saved.output;
    const std::string file = readBytes(work + "/out/message.target");
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(file.size() % messages::kSegmentFileBytes, 0u);
    EXPECT_EQ(journal(0), "");

    // The same input through the drawing the window's sheet uses gives the same file.
    static int argc = 1;
    static char name[] = "q7ctl_test";
    static char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    QImage drawing(messages::kStripWidth, messages::kStripHeight, QImage::Format_RGB888);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(40);
    const int width =
        messages::drawBitmapText(drawing, QString::fromUtf8("Hello Q7 \xE2\x82\xAC"), font, Qt::red, QColor(0, 0, 128));
    ASSERT_LE(width, messages::kTextLimit);
    // Characters the system's 8-bit code page lacks are drawn as typed, not as "?".
    QImage typed = drawing, questions = drawing;
    messages::drawBitmapText(typed, QString::fromUtf8("\xE6\xBC\xA2\xE5\xAD\x97"), font, Qt::red, Qt::black);
    messages::drawBitmapText(questions, QStringLiteral("??"), font, Qt::red, Qt::black);
    EXPECT_NE(typed, questions);
    const std::string here = dir.file("here");
    fs::create_directories(here);
    ASSERT_TRUE(messages::renderBitmapMessage(messages::stripFromImage(drawing), here, here).ok());
    EXPECT_EQ(file, readBytes(here + "/message.target"));

    // Colours as a person types them, with no runtime folder (as under cron): the same file, and no
    // word from the drawing library.
    fs::create_directories(work + "/typed");
    const RunResult typedColours =
        runProgram({"env", "-u", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME=" + dir.file("cache"), Q7CTL, "bitmap",
                    "Hello Q7 \xE2\x82\xAC", "--size", "40", "--fore", "red", "--back", "#000080", "--save", "typed/."},
                   work);
    EXPECT_EQ(typedColours.output, "Wrote " + work + "/typed/message.target (1 segment of 1080 x 90).\n");
    EXPECT_EQ(readBytes(work + "/typed/message.target"), file);

    const RunResult sent = q7ctl({"bitmap", "Hello Q7", "--all"});
    ASSERT_EQ(sent.status, 0) << sent.output;
    EXPECT_EQ(requests(journal(0)), std::vector<std::string>{"write /message.target"});
    EXPECT_EQ(readBytes(folder(0) + "/message.target").size(), messages::kSegmentFileBytes);

    // Too wide for the strip, or a colour that is none: refused, nothing sent.
    const RunResult wide = q7ctl({"bitmap", std::string(256, 'W'), "--size", "200", "--all"});
    EXPECT_EQ(wide.status, 2);
    EXPECT_EQ(wide.output, "q7ctl: Message too long.\n");
    const RunResult noColour = q7ctl({"bitmap", "hi", "--fore", "pinkish", "--all"});
    EXPECT_EQ(noColour.status, 2);
    EXPECT_EQ(noColour.output, "q7ctl: --fore: 'pinkish' is not a colour; give a colour name (red, navy, clRed, ...), "
                               "#RRGGBB or $00BBGGRR\n");
    EXPECT_EQ(requests(journal(0)).size(), 1u);
}

TEST_F(Q7ctlTest, scanAddIsRefusedWhileTheWindowHoldsTheSettingsFile)
{
    const std::string settings = "\r\n[Q7_Dev]\r\nIP_0=198.18.12.99\r\nNAME_0=Kept\r\n";
    writeBytes(work + "/q7_configuration_v3.ini", settings);
    {
        const SettingsLock window = SettingsLock::acquire(work, std::chrono::milliseconds(0));
        ASSERT_TRUE(window.held());
        const RunResult refused = runProgram({Q7CTL, "scan", "--address", "127.0.0.1", "--add"}, work);
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.output, "q7ctl: scan --add refused: the settings file is in use by a running Q7 "
                                  "Configuration Tool window (lock \"" +
                                      work + "/.Q7_Configuration_V3.ini.lock\" is held)\n");
    }
    EXPECT_EQ(readBytes(work + "/q7_configuration_v3.ini"), settings);

    // Loopback resolves nothing: the sweep ends without players and leaves the file alone.
    const RunResult loopback = runProgram({Q7CTL, "scan", "--address", "127.0.0.1", "--add"}, work);
    EXPECT_EQ(loopback.status, 0);
    EXPECT_EQ(loopback.output, "No players found.\n");
    EXPECT_EQ(readBytes(work + "/q7_configuration_v3.ini"), settings);

    if (const std::string reason = TestNetwork::unavailableReason(); !reason.empty())
        GTEST_SKIP() << "network namespace part skipped: " << reason;
    TestNetwork network("198.18.12.1", {{"00:e0:4c:00:00:07", "198.18.12.10"}, {"02:11:22:33:44:55", "198.18.12.40"}});
    if (!network.error().empty())
        GTEST_SKIP() << "network namespaces cannot be made here: " << network.error();
    const std::vector<std::string> scan = {
        "ip", "netns", "exec", network.toolNamespace(), Q7CTL, "scan", "--address", "198.18.12.1", "--add", "--json"};
    const RunResult added = runProgram(scan, work);
    EXPECT_EQ(added.status, 0);
    EXPECT_EQ(added.output, "{\"address\":\"198.18.12.10\",\"name\":\"Q7_00007\",\"hardware\":\"00:E0:4C:00:00:07\","
                            "\"result\":\"added\"}\n");
    const std::string stored = readBytes(work + "/Q7_Configuration_V3.ini");
    EXPECT_FALSE(fileExists(work + "/q7_configuration_v3.ini"));
    EXPECT_NE(stored.find("IP_0=198.18.12.99\r\n"), std::string::npos) << stored;
    EXPECT_NE(stored.find("IP_1=198.18.12.10\r\nNAME_1=Q7_00007\r\n"), std::string::npos) << stored;
    const RunResult again = runProgram(scan, work);
    EXPECT_NE(again.output.find("\"result\":\"already listed\""), std::string::npos) << again.output;
    EXPECT_EQ(readBytes(work + "/Q7_Configuration_V3.ini"), stored);
}

// A site larger than a /24: players on two of the /24s of a /22 (one at an address ending in .255,
// a host there), a device of another maker, every other address unused.
TEST_F(Q7ctlTest, scanNetworkSweepsEveryHostOfALargerNetwork)
{
    if (const std::string reason = TestNetwork::unavailableReason(); !reason.empty())
        GTEST_SKIP() << "needs network namespaces: " << reason;
    TestNetwork network("198.18.4.1",
                        {{"00:e0:4c:00:05:0a", "198.18.5.10"},
                         {"00:01:d2:00:06:ff", "198.18.6.255"},
                         {"02:11:22:33:44:55", "198.18.7.30"}},
                        22);
    if (!network.error().empty())
        GTEST_SKIP() << "network namespaces cannot be made here: " << network.error();
    const RunResult added = runProgram({"ip", "netns", "exec", network.toolNamespace(), Q7CTL, "scan", "--network",
                                        "198.18.4.0/22", "--rate", "300", "--add", "--json"},
                                       work);
    EXPECT_EQ(added.status, 0);
    EXPECT_EQ(added.output,
              "{\"address\":\"198.18.5.10\",\"name\":\"Q7_01290\",\"hardware\":\"00:E0:4C:00:05:0A\",\"result\":\"added\"}\n"
              "{\"address\":\"198.18.6.255\",\"name\":\"Q7_01791\",\"hardware\":\"00:01:D2:00:06:FF\",\"result\":\"added\"}\n");
    const std::string stored = readBytes(work + "/Q7_Configuration_V3.ini");
    EXPECT_NE(stored.find("IP_0=198.18.5.10\r\nNAME_0=Q7_01290\r\n"), std::string::npos) << stored;
    EXPECT_NE(stored.find("IP_1=198.18.6.255\r\nNAME_1=Q7_01791\r\n"), std::string::npos) << stored;
}

// The metrics for a monitoring system, read back by the Prometheus client's own parser: players
// online on loopback, one with an outage in the history, a name whose quote and backslash need
// escaping and, as root, an offline player on a network of a namespace made here.
TEST_F(Q7ctlTest, playerMetricsAreReadByAPrometheusParser)
{
    std::string settings = "\r\n[Q7_Dev]\r\nIP_0=127.0.0.2\r\nNAME_0=Shop \"A\" \\ 1\r\nIP_1=127.0.0.3\r\nNAME_1=P1\r\n";
    std::vector<std::string> command = {Q7CTL, "players", "--ping", "--format", "openmetrics"};
    std::unique_ptr<TestNetwork> network;
    if (const std::string reason = TestNetwork::unavailableReason(); reason.empty()) {
        network = std::make_unique<TestNetwork>("198.18.13.1", std::vector<TestNetwork::Device>{});
        ASSERT_EQ(network->error(), "");
        settings += "IP_2=198.18.13.50\r\nNAME_2=Gone\r\n";
        command.insert(command.begin(), {"ip", "netns", "exec", network->toolNamespace()});
    } else {
        std::printf("offline player left out: %s\n", reason.c_str());
    }
    writeBytes(work + "/Q7_Configuration_V3.ini", settings);
    ::setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1);
    {
        PlayerHistory history(PlayerHistory::defaultPath(), {});
        history.found("127.0.0.3");
        history.answered("127.0.0.3", true, true);
        history.answered("127.0.0.3", false, true);
    }
    const RunResult metrics = runProgram(command, work);
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(metrics.status, network ? 1 : 0);  // 1: a player is offline
    EXPECT_TRUE(metrics.output.ends_with("\n# EOF\n")) << metrics.output;
    writeBytes(dir.file("metrics.txt"), metrics.output);
    const RunResult parsed =
        runProgram({"sh", "-c", "exec /usr/bin/python3 \"$0\" <\"$1\"", OPENMETRICS_CHECK, dir.file("metrics.txt")});
    if (parsed.status == 3)
        GTEST_SKIP() << parsed.output;
    ASSERT_EQ(parsed.status, 0) << parsed.output << metrics.output;

    const std::string shop = "name=Shop \"A\" \\ 1|address=127.0.0.2 ", p1 = "name=P1|address=127.0.0.3 ",
                      gone = "name=Gone|address=198.18.13.50 ";
    const std::string roundTrip = "RTT";  // a few milliseconds at most, checked below
    std::string expected = "family q7_player_up gauge\n"
                           "q7_player_up " + shop + "1\n"
                           "q7_player_up " + p1 + "1\n" +
                           (network ? "q7_player_up " + gone + "0\n" : "") +
                           "family q7_player_rtt_seconds gauge seconds\n"
                           "q7_player_rtt_seconds " + shop + roundTrip + "\n"
                           "q7_player_rtt_seconds " + p1 + roundTrip + "\n"
                           "family q7_player_outages_7d gauge\n"
                           "q7_player_outages_7d " + shop + "0\n"
                           "q7_player_outages_7d " + p1 + "1\n" +
                           (network ? "q7_player_outages_7d " + gone + "0\n" : "");
    const std::string pattern = std::regex_replace(std::regex_replace(expected, std::regex(R"([\\^$.|?*+()\[\]{}])"), R"(\$&)"),
                                                   std::regex(roundTrip), R"(0(\.0[0-9]*)?)");
    EXPECT_TRUE(std::regex_match(parsed.output, std::regex(pattern))) << parsed.output;
}

// In the language the locale asks for, with q7ctl's module and catalog beside it as the build tree
// and an installation have them: the help and the tables are translated (columns aligned by the
// width of wide characters), --json stays English; a language without a catalog gets English.
TEST_F(Q7ctlTest, speaksTheLocaleLanguageExceptToScripts)
{
    startPlayers(1);
    const std::string program = dir.file("program");
    fs::create_directories(program + "/translations");
    fs::copy_file(Q7CTL, program + "/q7ctl");
    fs::copy_file(TRANSLATE_MODULE, program + "/q7ctl-translate.so");
    fs::copy_file(TEST_CATALOG, program + "/translations/q7_zh_TW.qm");
    const auto run = [&](const std::string& language, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"env", "LANGUAGE=" + language, program + "/q7ctl"});
        return runProgram(arguments, work).output;
    };
    const std::vector<std::string> send = {"send", "reboot", "--all", "--wait", "0"};
    const std::vector<std::string> sendJson = {"send", "reboot", "--all", "--wait", "0", "--json"};
    struct Case {
        std::string language;
        std::vector<std::string> arguments;
        std::string shown;  // the start of a line of the output
    };
    const Case cases[] = {
        {"en", {"--help"}, "Scripts what the Q7 Configuration Tool does to the players of its list."},
        {"ko", {"--help"}, "Scripts what the Q7 Configuration Tool does to the players of its list."},
        {"zh_TW", {"--help"}, "以指令碼執行 Q7 設定工具對其清單中播放器所做的操作。"},
        {"en", send, "ADDRESS    NAME  ACTION       OUTCOME  TIME"},
        {"zh_TW", send, "位址       NAME  ACTION       OUTCOME  TIME"},
        {"zh_TW", send, "127.0.0.2  P0    send reboot  完成     "},
    };
    for (const Case& c : cases) {
        const std::string output = run(c.language, c.arguments);
        EXPECT_NE(("\n" + output).find("\n" + c.shown), std::string::npos) << c.language << "\n" << output;
    }
    // The same objects, the outcome in English, whatever the language (the times may differ).
    const std::regex duration("\"duration_ms\":[0-9]+");
    const std::string json = std::regex_replace(run("en", sendJson), duration, "");
    EXPECT_NE(json.find(R"("outcome":"done")"), std::string::npos) << json;
    EXPECT_EQ(std::regex_replace(run("zh_TW", sendJson), duration, ""), json);
}

}  // namespace
