// The test player against independent TFTP clients (tftp-hpa, atftp, curl) and hand-made
// packets: byte-exact transfers in both modes and across the block-number rollover, the effects of
// the reserved names, refusals and malformed packets that do no harm, and a clean stop.
#include "support/programs.h"
#include "support/tempdir.h"

#include <arpa/inet.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <poll.h>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace q7::test;
using Strings = std::vector<std::string>;

namespace {

constexpr const char* kPlayer = "127.0.0.2";

std::string randomBytes(size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = char(generator() & 0xFF);
    return bytes;
}

// The last journal line of a player.
std::string lastJournalLine(const std::string& folder)
{
    const std::string journal = readBytes(folder + "/journal.jsonl");
    const size_t end = journal.find_last_not_of('\n');
    return end == std::string::npos ? "" : journal.substr(journal.rfind('\n', end) + 1, end - journal.rfind('\n', end));
}

// Every path below `root` with what it is: a link's target, "folder", or a file's bytes.
std::map<std::string, std::string> snapshot(const std::string& root)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        entries[entry.path().string()] = entry.is_symlink()     ? "link to " + fs::read_symlink(entry.path()).string()
                                         : entry.is_directory() ? "folder"
                                                                : readBytes(entry.path().string());
    return entries;
}

// The peak resident memory in KiB of the test player started with `playerArgument`, 0 when unknown.
long peakMemoryOfPlayer(const std::string& playerArgument)
{
    std::error_code ec;
    for (const auto& process : fs::directory_iterator("/proc", ec)) {
        const std::string cmdline = readBytes(process.path().string() + "/cmdline");
        if (cmdline.find(std::string(1, '\0') + playerArgument + '\0') == std::string::npos)
            continue;
        std::ifstream status(process.path() / "status");
        for (std::string line; std::getline(status, line);)
            if (line.starts_with("VmHWM:"))
                return std::stol(line.substr(6));
    }
    return 0;
}

// A UDP socket on 127.0.0.1 for hand-made packets.
class Udp {
public:
    Udp()
    {
        m_fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&local), sizeof local);
    }
    ~Udp() { ::close(m_fd); }
    void send(int port, const std::string& packet, const char* address = kPlayer)
    {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(uint16_t(port));
        ::inet_pton(AF_INET, address, &to.sin_addr);
        ::sendto(m_fd, packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    }
    // The next packet, with the port it came from; empty after `timeoutMs` of silence.
    std::string receive(int* fromPort = nullptr, int timeoutMs = 10000)
    {
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0)
            return {};
        char buffer[1024];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t n = ::recvfrom(m_fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
        if (fromPort)
            *fromPort = ntohs(from.sin_port);
        return std::string(buffer, size_t(std::max<ssize_t>(n, 0)));
    }

private:
    int m_fd;
};

std::string packet(std::initializer_list<std::string_view> parts)
{
    std::string out;
    for (std::string_view part : parts)
        out += part;
    return out;
}
std::string word(uint16_t value) { return {char(value >> 8), char(value & 0xFF)}; }
std::string request(uint16_t opcode, std::string_view name, std::string_view mode = "octet")
{
    return packet({word(opcode), name, std::string_view("\0", 1), mode, std::string_view("\0", 1)});
}
std::string data(uint16_t block, std::string_view bytes) { return word(3) + word(block) + std::string(bytes); }
std::string errorOf(uint16_t code, std::string_view text) { return word(5) + word(code) + std::string(text) + '\0'; }

class PlayerSimTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* program : {"tftp", "atftp", "curl"})
            ASSERT_TRUE(haveProgram(program)) << program << " is missing: run scripts/setup-deps";
        fs::create_directories(folder + "/HDD/music");
        writeBytes(folder + "/HDD/001.mp3", "mp3 one");
        writeBytes(folder + "/HDD/002.jpg", "jpeg two");
        writeBytes(folder + "/HDD/music/004.mp3", "mp3 four");
    }
    std::string file(const std::string& name) const { return dir.file(name); }
    // A put through tftp-hpa in binary mode, as the tool's runner sends.
    RunResult put(const PlayerSim& sim, const std::string& local, const std::string& remote)
    {
        return runProgram({"tftp", "-m", "binary", kPlayer, sim.portText(), "-c", "put", local, remote});
    }

    TempDir dir;
    std::string folder = dir.file("player");
};

TEST_F(PlayerSimTest, transfersAreByteExactWithEveryClient)
{
    PlayerSim sim({std::string(kPlayer) + "=" + folder}, file("sim.out"));
    const std::string port = sim.portText();
    const std::string host = std::string(kPlayer) + ":" + port;
    // client: put LOCAL as /REMOTE, get /REMOTE into LOCAL
    const struct Client {
        const char* name;
        std::function<Strings(const std::string&, const std::string&)> put, get;
    } clients[] = {
        {"tftp octet",
         [&](auto& l, auto& r) { return Strings{"tftp", "-m", "binary", kPlayer, port, "-c", "put", l, r}; },
         [&](auto& l, auto& r) { return Strings{"tftp", "-m", "binary", kPlayer, port, "-c", "get", r, l}; }},
        // netascii, the mode of the runner's gets: LF and CR are converted on the wire and back.
        {"tftp netascii", [&](auto& l, auto& r) { return Strings{"tftp", kPlayer, port, "-c", "put", l, r}; },
         [&](auto& l, auto& r) { return Strings{"tftp", kPlayer, port, "-c", "get", r, l}; }},
        {"atftp", [&](auto& l, auto& r) { return Strings{"atftp", "-p", "-l", l, "-r", r, kPlayer, port}; },
         [&](auto& l, auto& r) { return Strings{"atftp", "-g", "-r", r, "-l", l, kPlayer, port}; }},
        {"curl",
         [&](auto& l, auto& r) { return Strings{"curl", "-sS", "-m", "30", "-T", l, "tftp://" + host + "/" + r}; },
         [&](auto& l, auto& r) { return Strings{"curl", "-sS", "-m", "30", "-o", l, "tftp://" + host + "/" + r}; }},
    };
    unsigned seed = 1;
    for (const Client& client : clients) {
        for (const size_t size : {size_t(0), size_t(511), size_t(512), size_t(513), size_t(3) << 20}) {
            const std::string what = std::string(client.name) + " " + std::to_string(size);
            const std::string bytes = randomBytes(size, seed++);
            const std::string remote = "/f" + std::to_string(seed) + ".bin";
            writeBytes(file("out.bin"), bytes);
            const RunResult sent = runProgram(client.put(file("out.bin"), remote));
            EXPECT_EQ(sent.status, 0) << what << ": " << sent.output;
            EXPECT_TRUE(readBytes(folder + remote) == bytes) << what;
            const RunResult fetched = runProgram(client.get(file("in.bin"), remote));
            EXPECT_EQ(fetched.status, 0) << what << ": " << fetched.output;
            EXPECT_TRUE(readBytes(file("in.bin")) == bytes) << what;
            fs::remove(file("in.bin"));
        }
    }
    // Block numbers roll over past 65535 blocks (32 MiB).
    const std::string large = randomBytes((size_t(33) << 20) + 100, 99);
    writeBytes(file("large.bin"), large);
    EXPECT_EQ(put(sim, file("large.bin"), "/large.bin").output, "");
    EXPECT_TRUE(readBytes(folder + "/large.bin") == large);
    EXPECT_EQ(runProgram({"curl", "-sS", "-m", "120", "--tftp-no-options", "-o", file("large-in.bin"),
                          "tftp://" + host + "//large.bin"})
                  .status,
              0);
    EXPECT_TRUE(readBytes(file("large-in.bin")) == large);
    // A read is journalled when its last block is acknowledged, which may be after the client ended.
    EXPECT_TRUE(eventually([&] {
        return lastJournalLine(folder).find("\"bytes\":" + std::to_string(large.size()) + ",\"outcome\":\"ok\"") !=
               std::string::npos;
    }));
    EXPECT_EQ(sim.stop(SIGINT), 0);
}

TEST_F(PlayerSimTest, reservedNamesHaveTheirEffects)
{
    PlayerSim sim({std::string(kPlayer) + "=" + folder}, file("sim.out"));
    // The configuration was written with the tool's defaults when the player started.
    const std::string defaults = readBytes(folder + "/config.conf");
    EXPECT_EQ(defaults.substr(0, 21), "\r\n[NETWORK SETTING]\r\n");
    EXPECT_NE(defaults.find("[Volume]=31\r\n"), std::string::npos);

    const std::string bitmap = [] {
        std::string segment(291654, '\0');
        const unsigned char head[] = {'B', 'M', 0x46, 0x73, 0x04, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
                                      0x38, 0x04, 0, 0, 90, 0, 0, 0, 1, 0, 24, 0};
        std::copy(std::begin(head), std::end(head), segment.begin());
        return segment + segment;
    }();
    const std::string restored = "\r\n[MISC3]\r\n[OSD]=Off\r\n[Volume]=5\r\n";
    const struct Step {
        std::vector<std::pair<std::string, std::string>> puts;  // remote name, content
        std::string effect;                                     // of the last put, in the journal
        std::function<void()> check;
    } steps[] = {
        {{{"/getfiles", ""}}, "listed 3 files in Q7files",
         [&] {
             EXPECT_EQ(readBytes(folder + "/Q7files").substr(0, 20), "/tmp/ccc/HDD:\ntotal ");
             const std::string listing = readBytes(folder + "/Q7files");
             for (const char* line : {" 001.mp3\n", " 002.jpg\n", "\n\n/tmp/ccc/HDD/music:\n", " 004.mp3\n"})
                 EXPECT_NE(listing.find(line), std::string::npos) << line;
             EXPECT_NE(listing.find("\n-rwxr-xr-x "), std::string::npos);
             EXPECT_NE(listing.find("\ndrwxr-xr-x "), std::string::npos);
         }},
        {{{"/osd_on", ""}, {"/scrolling_on", ""}, {"/multicmd.txt", "Volume 12"}, {"/playmode.txt", "DateTime"},
          {"/saveconfig", ""}},
         "saved its settings to config.conf",
         [&] {
             const std::string saved = readBytes(folder + "/config.conf");
             for (const char* line : {"[OSD]=On\r\n", "[Scrolling Text]=On\r\n", "[Volume]=12\r\n",
                                      "[Play List]=Date/Time\r\n", "[Version]=", "\r\n\r\n[MISC1]\r\n"})
                 EXPECT_NE(saved.find(line), std::string::npos) << line;
             EXPECT_EQ(saved.substr(0, 2), "\r\n");
         }},
        {{{"/multicmd.txt", "MUTE 0"}}, "muted", {}},
        {{{"/playmode.txt", "Signle"}}, "Play List Single", {}},
        {{{"/config.conf.put", restored}, {"/restoreconfig", ""}}, "adopted config.conf.put as its configuration",
         [&] { EXPECT_EQ(readBytes(folder + "/config.conf"), restored); }},
        {{{"/saveconfig", ""}}, "saved its settings to config.conf",
         [&] { EXPECT_EQ(readBytes(folder + "/config.conf"), restored + "[Version]=Q7-SIM 3.8.9\r\n"); }},
        {{{"/message.txt", "first"}, {"/message.txt", "second"}},
         "shows the new text message; the previous one is message_old.txt",
         [&] {
             EXPECT_EQ(readBytes(folder + "/message.txt"), "second");
             EXPECT_EQ(readBytes(folder + "/message_old.txt"), "first");
         }},
        {{{"/message.target", bitmap}}, "scrolls a bitmap message of 2 segments", {}},
        {{{"/message.target", bitmap.substr(1)}},
         "rejected the scrolling bitmap: 583307 bytes are not 1 to 5 segments", {}},
        {{{"/delete.lst", "/001.mp3\r\n/music/004.mp3  10\r\n/../config.conf\r\n/missing.avi\r\n"},
          {"/delfiles", ""}},
         "deleted 2 of 4 listed files",
         [&] {
             EXPECT_FALSE(fileExists(folder + "/HDD/001.mp3"));
             EXPECT_FALSE(fileExists(folder + "/HDD/music/004.mp3"));
             EXPECT_TRUE(fileExists(folder + "/HDD/002.jpg"));
             EXPECT_TRUE(fileExists(folder + "/config.conf"));
         }},
        {{{"/down.lst", "http://198.18.0.1/new.avi /movies/new.avi\r\nhttp://198.18.0.1/x /../escape\r\n"},
          {"/downnow", ""}},
         "downloaded 1 of 2 listed files (simulated, nothing fetched)",
         [&] {
             EXPECT_EQ(readBytes(folder + "/HDD/movies/new.avi"), "downloaded from http://198.18.0.1/new.avi\n");
             EXPECT_FALSE(fileExists(folder + "/escape"));
         }},
        {{{"/upload.lst", "/002.jpg ftp://198.18.0.1/\r\n/gone.mp3 ftp://198.18.0.1/\r\n"}, {"/upload", ""}},
         "would upload 1 of 2 listed files (nothing sent)", {}},
        {{{"/smbnow", ""}}, "SMB synchronisation requested (nothing sent)", {}},
        {{{"/refreshcontent", ""}}, "refreshed its content: 2 media files", {}},
        {{{"/eraseHDD", ""}}, "erased the disk (2 files)",
         [&] {
             EXPECT_TRUE(fs::is_directory(folder + "/HDD"));
             EXPECT_TRUE(fs::is_empty(folder + "/HDD"));
         }},
        {{{"/osd_off", ""}, {"/reboot", ""}}, "rebooted (1), settings read back from config.conf", {}},
    };
    int count = 0;
    for (const Step& step : steps) {
        for (const auto& [remote, content] : step.puts) {
            writeBytes(file("command"), content);
            const RunResult result = put(sim, file("command"), remote);
            EXPECT_EQ(result.status, 0);
            EXPECT_EQ(result.output, "") << remote;
        }
        const std::string journal = lastJournalLine(folder);
        EXPECT_NE(journal.find("\"effect\":\"" + step.effect + "\""), std::string::npos)
            << step.puts.back().first << ": " << journal;
        if (step.check)
            step.check();
        ++count;
    }
    // A restart keeps the configuration it has.
    sim.stop();
    PlayerSim again({std::string(kPlayer) + "=" + folder}, file("sim2.out"));
    EXPECT_EQ(readBytes(folder + "/config.conf"), restored + "[Version]=Q7-SIM 3.8.9\r\n");
    // The previous message comes back through the runner's get mode.
    EXPECT_EQ(runProgram({"tftp", kPlayer, again.portText(), "-c", "get", "/message_old.txt", file("old.txt")}).output,
              "");
    EXPECT_EQ(readBytes(file("old.txt")), "first");
}

TEST_F(PlayerSimTest, refusesUnsafeNamesAndMalformedPacketsWithoutHarm)
{
    const std::string outside = dir.file("outside");
    fs::create_directories(outside);
    writeBytes(outside + "/secret.txt", "secret");
    fs::create_symlink(outside, folder + "/linkdir");
    fs::create_symlink(outside + "/secret.txt", folder + "/linkfile");
    PlayerSim sim({"--deny", "/reboot", "--mute", "127.0.0.3", std::string(kPlayer) + "=" + folder,
                   "127.0.0.3=" + dir.file("muted")},
                  file("sim.out"));
    const int port = sim.port();
    Udp udp;
    const std::string accessViolation = errorOf(2, "Access violation");
    const std::string illegal = errorOf(4, "Illegal TFTP operation");
    const struct {
        const char* what;
        std::string packet;
        std::string reply;
    } cases[] = {
        {"parent folder", request(1, "/../outside/secret.txt"), accessViolation},
        {"absolute path", request(1, "//etc/passwd"), accessViolation},
        {"link to a folder outside", request(1, "/linkdir/secret.txt"), accessViolation},
        {"link to a file outside", request(1, "/linkfile"), accessViolation},
        {"write through a link", request(2, "/linkdir/planted.txt"), accessViolation},
        {"write over a link", request(2, "/linkfile"), accessViolation},
        {"over-long name", request(1, "/" + std::string(300, 'a')), accessViolation},
        {"control character", request(1, "/a\x01.txt"), accessViolation},
        {"own journal", request(2, "/journal.jsonl"), accessViolation},
        {"denied name", request(2, "/reboot"), accessViolation},
        {"missing file", request(1, "/missing.txt"), errorOf(1, "File not found")},
        {"NUL inside the name", request(1, std::string_view("/config.conf\0x", 14), "octet"), illegal},
        {"unknown mode", request(1, "/config.conf", "mail"), illegal},
        {"short packet", std::string(1, '\1'), illegal},
        {"unknown opcode", word(9) + "xyz", illegal},
        {"name without terminator", word(1) + "/config.conf", illegal},
        {"mode without terminator", word(1) + std::string("/config.conf\0octet", 18), illegal},
        {"DATA outside a transfer", data(1, "x"), errorOf(5, "Unknown transfer ID")},
    };
    for (const auto& c : cases) {
        udp.send(port, c.packet);
        EXPECT_EQ(udp.receive(), c.reply) << c.what;
    }
    EXPECT_FALSE(fileExists(outside + "/planted.txt"));
    EXPECT_EQ(readBytes(outside + "/secret.txt"), "secret");
    EXPECT_FALSE(fileExists(folder + "/reboot"));

    // An ERROR packet is never answered: the next reply belongs to the request after it.
    udp.send(port, errorOf(0, "bye"));
    udp.send(port, request(1, "/HDD/001.mp3"));
    int transferPort = 0;
    EXPECT_EQ(udp.receive(&transferPort), data(1, "mp3 one"));
    EXPECT_NE(transferPort, port);  // each transfer has its own port
    udp.send(transferPort, word(4) + word(1));

    // A write: wrong block numbers are dropped, a repeated block is acknowledged again but kept
    // once, a stranger on the transfer's port is told off.
    udp.send(port, request(2, "/w.bin"));
    EXPECT_EQ(udp.receive(&transferPort), word(4) + word(0));
    const std::string full = randomBytes(512, 7);
    udp.send(transferPort, data(2, "early"));
    udp.send(transferPort, data(1, full));
    EXPECT_EQ(udp.receive(), word(4) + word(1));
    udp.send(transferPort, data(1, full));
    EXPECT_EQ(udp.receive(), word(4) + word(1));
    {
        Udp stranger;
        stranger.send(transferPort, data(2, "intruder"));
        EXPECT_EQ(stranger.receive(), errorOf(5, "Unknown transfer ID"));
    }
    udp.send(transferPort, data(2, "tail"));
    EXPECT_EQ(udp.receive(), word(4) + word(2));
    EXPECT_EQ(readBytes(folder + "/w.bin"), full + "tail");

    // A muted player drops everything: the client times out.
    const RunResult muted = runProgram({"curl", "-sS", "-m", "2", "-o", file("m.txt"),
                                        "tftp://127.0.0.3:" + sim.portText() + "//config.conf"});
    EXPECT_EQ(muted.status, 28) << muted.output;
    EXPECT_NE(lastJournalLine(dir.file("muted")).find("\"outcome\":\"error: dropped (muted)\""), std::string::npos);

    // And the player still serves.
    EXPECT_EQ(runProgram({"tftp", kPlayer, sim.portText(), "-c", "get", "/config.conf", file("c.conf")}).output, "");
    EXPECT_EQ(readBytes(file("c.conf")), readBytes(folder + "/config.conf"));
    const std::string journal = readBytes(folder + "/journal.jsonl");
    EXPECT_NE(journal.find("\"op\":\"write\",\"name\":\"/reboot\",\"mode\":\"octet\",\"bytes\":0,"
                           "\"outcome\":\"error: Access violation (denied)\""),
              std::string::npos);
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_NE(sim.output().find("stopped\n"), std::string::npos);
}

// Links inside the player's folder, planted there by someone other than a client, are never
// followed: every operation either is refused with "Access violation" or does its work inside,
// and nothing outside is created, read, written or removed.
TEST_F(PlayerSimTest, linksInsideTheFolderAreNeverFollowed)
{
    const std::string outside = dir.file("outside");
    fs::create_directories(outside + "/sub");
    for (const char* name : {"secret.txt", "old.txt", "index.txt", "new.txt", "conf.txt"})
        writeBytes(outside + "/" + name, std::string(name) + " stays as it is");
    writeBytes(outside + "/evil.conf", "\r\n[MISC3]\r\n[Volume]=1\r\n");
    fs::create_symlink(outside, folder + "/HDD/outlink");
    fs::create_symlink(outside + "/secret.txt", folder + "/HDD/music/outfile");
    fs::create_symlink(outside + "/index.txt", folder + "/Q7files");
    fs::create_symlink(outside + "/new.txt", folder + "/Q7files.q7sim-new");  // an earlier temporary name
    fs::create_symlink(outside + "/secret.txt", folder + "/message.txt");
    fs::create_symlink(outside + "/old.txt", folder + "/message_old.txt");
    fs::create_symlink(outside + "/evil.conf", folder + "/config.conf.put");
    PlayerSim sim({std::string(kPlayer) + "=" + folder}, file("sim.out"));
    const auto before = snapshot(outside);
    const std::string violation = "Error code 2: Access violation";
    const struct Step {
        const char* what;
        std::function<void()> setup;
        std::vector<std::pair<std::string, std::string>> puts;  // remote name, content; "<" reads it
        std::string output;                                      // of the last transfer ("" when it succeeds)
        std::function<void()> check;
    } steps[] = {
        {"read through a folder link", {}, {{"/HDD/outlink/secret.txt", "<"}}, violation, {}},
        {"write through a folder link", {}, {{"/HDD/outlink/planted.txt", "x"}}, violation, {}},
        {"/getfiles lists a link as a link and replaces a link at Q7files", {}, {{"/getfiles", ""}}, "",
         [&] {
             EXPECT_FALSE(fs::is_symlink(folder + "/Q7files"));
             const std::string listing = readBytes(folder + "/Q7files");
             EXPECT_NE(listing.find("\nlrwxrwxrwx "), std::string::npos) << listing;
             EXPECT_NE(listing.find(" outlink\n"), std::string::npos) << listing;
             EXPECT_EQ(listing.find("/tmp/ccc/HDD/outlink:"), std::string::npos) << listing;
             EXPECT_EQ(listing.find("secret.txt"), std::string::npos) << listing;
         }},
        {"/downnow stores only what stays on the disk", {},
         {{"/down.lst", "http://198.18.0.1/a /outlink/new/a.avi\r\nhttp://198.18.0.1/b /outlink/b.avi\r\n"
                        "http://198.18.0.1/c /music/outfile\r\nhttp://198.18.0.1/d /movies/d.avi\r\n"},
          {"/downnow", ""}},
         "",
         [&] {
             EXPECT_NE(lastJournalLine(folder).find("downloaded 1 of 4 listed files"), std::string::npos);
             EXPECT_EQ(readBytes(folder + "/HDD/movies/d.avi"), "downloaded from http://198.18.0.1/d\n");
         }},
        {"/delfiles deletes nothing behind a link", {}, {{"/delete.lst", "/outlink/secret.txt\r\n"}, {"/delfiles", ""}},
         "", [&] { EXPECT_NE(lastJournalLine(folder).find("deleted 0 of 1 listed files"), std::string::npos); }},
        {"write over a link at /message.txt", {}, {{"/message.txt", "new text"}}, violation, {}},
        {"/message.txt replaces a link at message_old.txt",
         [&] {
             fs::remove(folder + "/message.txt");
             writeBytes(folder + "/message.txt", "first");
         },
         {{"/message.txt", "second"}}, "",
         [&] {
             EXPECT_EQ(readBytes(folder + "/message.txt"), "second");
             EXPECT_FALSE(fs::is_symlink(folder + "/message_old.txt"));
             EXPECT_EQ(readBytes(folder + "/message_old.txt"), "first");
         }},
        {"/restoreconfig of a link", {}, {{"/restoreconfig", ""}}, violation,
         [&] { EXPECT_EQ(readBytes(folder + "/config.conf").find("[Volume]=1\r\n"), std::string::npos); }},
        {"/saveconfig replaces a link at config.conf",
         [&] {
             fs::remove(folder + "/config.conf");
             fs::create_symlink(outside + "/conf.txt", folder + "/config.conf");
         },
         {{"/saveconfig", ""}}, "",
         [&] {
             EXPECT_FALSE(fs::is_symlink(folder + "/config.conf"));
             EXPECT_NE(readBytes(folder + "/config.conf").find("[Version]="), std::string::npos);
         }},
        {"/eraseHDD removes the links, not what they lead to", {}, {{"/eraseHDD", ""}}, "",
         [&] { EXPECT_TRUE(fs::is_empty(folder + "/HDD")); }},
        // The disk itself a link.
        {"/getfiles with the disk a link",
         [&] {
             fs::remove(folder + "/HDD");
             fs::create_symlink(outside, folder + "/HDD");
         },
         {{"/getfiles", ""}}, violation, {}},
        {"/eraseHDD with the disk a link", {}, {{"/eraseHDD", ""}}, violation, {}},
        {"/downnow with the disk a link", {}, {{"/down.lst", "http://198.18.0.1/e /e.avi\r\n"}, {"/downnow", ""}},
         violation, {}},
        {"/delfiles with the disk a link", {}, {{"/delete.lst", "/secret.txt\r\n"}, {"/delfiles", ""}}, violation, {}},
        {"read through the disk link", {}, {{"/HDD/secret.txt", "<"}}, violation, {}},
    };
    for (const Step& step : steps) {
        if (step.setup)
            step.setup();
        RunResult result;
        for (const auto& [remote, content] : step.puts) {
            fs::remove(file("local"));
            if (content == "<") {
                result =
                    runProgram({"tftp", "-m", "binary", kPlayer, sim.portText(), "-c", "get", remote, file("local")});
                EXPECT_EQ(readBytes(file("local")).find("stays as it is"), std::string::npos) << step.what;
            } else {
                writeBytes(file("local"), content);
                result = put(sim, file("local"), remote);
            }
        }
        EXPECT_EQ(result.output.substr(0, step.output.empty() ? std::string::npos : step.output.size()), step.output)
            << step.what;
        if (step.check)
            step.check();
        EXPECT_EQ(snapshot(outside), before) << step.what;
    }
    for (const auto& entry : fs::directory_iterator(folder))  // no temporary file is left behind
        EXPECT_FALSE(entry.path().filename().string().starts_with(".q7sim-")) << entry.path();
    EXPECT_EQ(sim.stop(), 0);
}

// One client flooding one player takes a few transfers, never the places of other clients or other
// players; a netascii read is converted as it is sent, in little memory; a write beyond what may
// be stored is answered "Disk full"; a hostile name cannot bloat the journal.
TEST_F(PlayerSimTest, oneClientCannotExhaustThePlayer)
{
    const std::string other = dir.file("other");
    fs::create_directories(other + "/HDD");
    writeBytes(other + "/HDD/001.mp3", "mp3 one");
    fs::create_directories(folder + "/HDD/flood");
    for (int i = 0; i < 300; ++i)
        writeBytes(folder + "/HDD/flood/" + std::to_string(i), "flood");
    // Files may grow to 4 MiB for the player only (inherited when it starts).
    rlimit fileSize{};
    ::getrlimit(RLIMIT_FSIZE, &fileSize);
    rlimit limited = fileSize;
    limited.rlim_cur = 4 << 20;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    std::optional<PlayerSim> started;
    try {
        started.emplace(Strings{std::string(kPlayer) + "=" + folder, "127.0.0.3=" + other}, file("sim.out"));
    } catch (...) {
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        throw;
    }
    ::setrlimit(RLIMIT_FSIZE, &fileSize);
    PlayerSim& sim = *started;
    const int port = sim.port();
    const std::string tooMany = errorOf(0, "Too many transfers");

    const struct Flood {
        const char* what;
        int clients, requestsEach;
        size_t served;             // transfers the player takes on
        bool newcomerServed;       // a fresh client of the flooded player
    } floods[] = {
        {"one client, 300 requests", 1, 300, 8, true},
        {"80 clients of one host, one request each", 80, 1, 64, false},
    };
    int ended = 0;
    for (const Flood& flood : floods) {
        std::vector<std::unique_ptr<Udp>> clients;
        std::vector<std::set<int>> transfers(size_t(flood.clients));
        size_t refused = 0;
        // Every request is answered at once, by its first block or a refusal; the flood waits for
        // the answers every 20 requests, so that no request is lost in a full socket buffer.
        size_t sent = 0, answered = 0;
        auto drain = [&] {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
            while (answered < sent && std::chrono::steady_clock::now() < deadline)
                for (size_t c = 0; c < clients.size(); ++c)
                    for (int from = 0;;) {
                        const std::string reply = clients[c]->receive(&from, 1);
                        if (reply.empty())
                            break;
                        if (reply.starts_with(word(3)))
                            answered += transfers[c].insert(from).second ? 1 : 0;
                        else if (reply == tooMany)
                            ++answered, ++refused;
                    }
        };
        const auto begin = std::chrono::steady_clock::now();
        for (int c = 0; c < flood.clients; ++c) {
            clients.push_back(std::make_unique<Udp>());
            for (int r = 0; r < flood.requestsEach; ++r) {
                clients.back()->send(port, request(1, "/HDD/flood/" + std::to_string(r)));
                if (++sent % 20 == 0)
                    drain();
            }
        }
        drain();
        EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(1)) << flood.what;
        size_t served = 0;
        for (const auto& ports : transfers)
            served += ports.size();
        EXPECT_EQ(served, flood.served) << flood.what;
        EXPECT_EQ(refused, size_t(flood.clients * flood.requestsEach) - flood.served) << flood.what;

        // Meanwhile another player and, unless the flooded player is full, a new client are served at once.
        Udp newcomer;
        newcomer.send(port, request(1, "/HDD/001.mp3"), "127.0.0.3");
        int from = 0;
        EXPECT_EQ(newcomer.receive(&from, 1000), data(1, "mp3 one")) << flood.what;
        newcomer.send(from, word(4) + word(1), "127.0.0.3");
        newcomer.send(port, request(1, "/HDD/001.mp3"));
        EXPECT_EQ(newcomer.receive(&from, 1000), flood.newcomerServed ? data(1, "mp3 one") : tooMany) << flood.what;
        if (flood.newcomerServed)
            newcomer.send(from, word(4) + word(1));

        // The flood ends its transfers.
        for (size_t c = 0; c < clients.size(); ++c)
            for (const int transfer : transfers[c])
                clients[c]->send(transfer, errorOf(0, "enough"));
        ended += int(served);
        EXPECT_TRUE(eventually([&] {
            const std::string journal = readBytes(folder + "/journal.jsonl");
            int count = 0;
            for (size_t at = 0; (at = journal.find("the client gave up: enough", at)) != std::string::npos; ++at)
                ++count;
            return count == ended;
        }));
    }

    // Netascii is converted block by block, with a CR LF or CR NUL pair split between blocks where
    // it falls, and an empty last block after a full one.
    auto crlf = [](int count) {
        std::string pairs;
        for (int i = 0; i < count; ++i)
            pairs += "\r\n";
        return pairs;
    };
    const struct Netascii {
        std::string file;
        std::vector<std::string> blocks;
    } conversions[] = {
        {std::string(256, '\n'), {crlf(256), ""}},
        {std::string(511, 'a') + "\rb\n", {std::string(511, 'a') + "\r", std::string("\0b\r\n", 4)}},
        {std::string(511, 'a') + "\nb", {std::string(511, 'a') + "\r", "\nb"}},
    };
    for (const Netascii& conversion : conversions) {
        writeBytes(folder + "/HDD/text.txt", conversion.file);
        Udp client;
        client.send(port, request(1, "/HDD/text.txt", "netascii"));
        int from = 0;
        for (size_t b = 0; b < conversion.blocks.size(); ++b) {
            EXPECT_EQ(client.receive(&from), data(uint16_t(b + 1), conversion.blocks[b])) << b;
            client.send(from, word(4) + word(uint16_t(b + 1)));
        }
    }
    // A 32 MiB file of line ends (64 MiB on the wire) costs the player no memory worth mentioning.
    writeBytes(folder + "/HDD/lines.txt", std::string(32 << 20, '\n'));
    const std::string playerArgument = std::string(kPlayer) + "=" + folder;
    const long peakBefore = peakMemoryOfPlayer(playerArgument);
    ASSERT_GT(peakBefore, 0);
    {
        Udp client;
        client.send(port, request(1, "/HDD/lines.txt", "netascii"));
        int from = 0;
        for (uint16_t block = 1; block <= 300; ++block) {
            ASSERT_EQ(client.receive(&from).size(), 4u + 512u);
            client.send(from, word(4) + word(block));
        }
        client.send(from, errorOf(0, "enough"));
    }
    EXPECT_LT(peakMemoryOfPlayer(playerArgument) - peakBefore, 8 * 1024) << "KiB";

    // A write beyond the player's file size limit is "Disk full" and leaves nothing behind.
    writeBytes(file("big.bin"), randomBytes(5 << 20, 3));
    EXPECT_NE(put(sim, file("big.bin"), "/big.bin").output.find("Error code 3: Disk full or allocation exceeded"),
              std::string::npos);
    EXPECT_FALSE(fileExists(folder + "/big.bin"));

    // Hostile names and modes are journalled shortened.
    Udp client;
    for (const auto& [name, mode] : {std::pair(std::string(60000, 'n'), std::string("octet")),
                                     std::pair(std::string("/config.conf"), std::string(60000, 'm'))}) {
        client.send(port, request(1, name, mode));
        EXPECT_FALSE(client.receive().empty());
        const std::string line = lastJournalLine(folder);
        EXPECT_LT(line.size(), 1000u);
        EXPECT_NE(line.find("...(60000 bytes)"), std::string::npos) << line;
    }
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".q7sim-")) << entry.path();
    EXPECT_EQ(sim.stop(), 0);
}

}  // namespace
