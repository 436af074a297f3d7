// q7ctl scan --address A.B.C.D [--add]: the window's address sweep of that /24, and storing the
// players found.
#include "core/settings/settingslock.h"
#include "core/base/textfile.h"
#include "ctl/report.h"
#include "ctl/session.h"
#include "ctl/subcommands.h"
#include "core/platform/linuxnetwork.h"
#include "core/platform/programrun.h"
#include "core/players/networksearch.h"
#include "core/players/playerlist.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstdint>
#include <mutex>

namespace q7::ctl {
namespace {

using namespace std::chrono_literals;

constexpr OptionSpec kOptions[] = {
    {"--address", "A.B.C.D", "an address of the network to sweep: hosts 2 to 254 of its /24 (required)"},
    {"--add", "", "store new players in the settings file (refused while the window runs)"},
};

// A resolution that the kernel never ends is cut off by the resolver at 5 s; this only guards that.
constexpr auto kSweepLimit = 15s;

struct Found {
    std::string address;
    std::string name;
    std::string hardware;
    std::string result = "found";
};

uint32_t numeric(const std::string& address)
{
    in_addr parsed{};
    ::inet_pton(AF_INET, address.c_str(), &parsed);
    return ntohl(parsed.s_addr);
}

// The sweep as the window runs it: one resolution per address from host 254 down, 10 ms apart.
std::vector<Found> sweep(const std::string& address, const StopEvent& stop)
{
    std::mutex mutex;
    std::vector<Found> found;
    LinuxAddressResolver resolver;
    LinuxEchoProbe probe;  // the search needs one; a sweep never uses it
    const auto onFound = [&](const FoundPlayer& player) {
        std::lock_guard lock(mutex);
        found.push_back({player.address, generatedPlayerName(player.hardware), hardwareAddressText(player.hardware)});
    };
    NetworkSearch search(resolver, probe, onFound, {});
    SweepLaunch launch(address);
    const auto begin = std::chrono::steady_clock::now();
    while (!launch.finished() && !stop.requested()) {
        launch.launchNext(search);
        pauseFor(std::chrono::ceil<std::chrono::milliseconds>(launch.nextDue(begin, kSweepSpacing) -
                                                              std::chrono::steady_clock::now()),
                 stop);
    }
    const auto deadline = std::chrono::steady_clock::now() + kSweepLimit;
    while (search.busy() && std::chrono::steady_clock::now() < deadline && pauseFor(10ms, stop)) {
    }
    search.stop();
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return numeric(a.address) < numeric(b.address); });
    return found;
}

// Adds the players found to the settings file as the window's search adds them: no address twice,
// and no more players than the window reads back. Returns false with `error` when it cannot.
bool store(Session& session, std::vector<Found>& found, std::string& error)
{
    // The window may have started during the sweep: it would write its own list over ours.
    const SettingsLock lock = SettingsLock::acquire(session.settingsDir(), 2s, &error);
    if (!lock.held())
        return false;
    AppSettings settings = session.readSettings();
    bool changed = false;
    for (Found& player : found) {
        std::vector<std::string> listed;
        for (const StoredPlayer& stored : settings.players)
            listed.push_back(session.text(stored.address));
        switch (checkAddPlayer(listed, player.address, size_t(kPlayerSlots))) {
        case AddOutcome::AlreadyListed:
            player.result = "already listed";
            break;
        case AddOutcome::ListFull:
            player.result = "not added: list full";
            break;
        case AddOutcome::Added:
            settings.players.push_back({player.name, player.address});
            player.result = "added";
            changed = true;
            break;
        }
    }
    if (!changed)
        return true;
    try {
        if (session.settingsChosen())
            replaceTextFile(session.settingsPath(), buildAppSettingsFile(settings));
        else
            saveAppSettings(session.settingsDir(), settings);
    } catch (const FileError& e) {
        error = e.what();
        for (Found& player : found)
            if (player.result == "added")
                player.result = "not added";
        return false;
    }
    return true;
}

int run(Session& session)
{
    if (!session.args().words().empty())
        throw UsageError("scan takes no words, not '" + session.args().words().front() + "'");
    const auto given = session.args().value("--address");
    if (!given)
        throw UsageError("missing --address A.B.C.D");
    const std::string address = requireIPv4(*given, "--address");
    const bool add = session.args().flag("--add");
    if (add) {
        session.settings();  // an unreadable settings file is a usage error before anything is sent
        std::string why;
        if (!SettingsLock::acquire(session.settingsDir(), 0ms, &why).held()) {
            std::fprintf(stderr, "q7ctl: scan --add refused: %s\n", why.c_str());
            return kExitFailed;
        }
    }
    session.note("sweeping " + address.substr(0, address.rfind('.')) + ".2 to .254 (about 6 s)");
    std::vector<Found> found = sweep(address, session.stop());
    const bool interrupted = session.stop().requested();
    std::string error;
    const bool stored = !add || interrupted || found.empty() || store(session, found, error);

    Table table({"ADDRESS", "NAME", "HARDWARE", "RESULT"});
    for (const Found& player : found) {
        if (session.json())
            std::printf("%s\n", JsonObject()
                                    .add("address", player.address)
                                    .add("name", player.name)
                                    .add("hardware", player.hardware)
                                    .add("result", player.result)
                                    .text()
                                    .c_str());
        else
            table.add({player.address, player.name, player.hardware, player.result});
    }
    if (!session.json()) {
        if (found.empty())
            std::printf("No players found.\n");
        else
            table.print();
    }
    if (interrupted)
        std::fprintf(stderr, "q7ctl: sweep interrupted%s\n", add ? "; nothing stored" : "");
    if (!stored)
        std::fprintf(stderr, "q7ctl: players not stored: %s\n", error.c_str());
    return interrupted || !stored ? kExitFailed : kExitDone;
}

}  // namespace

const Subcommand kScanCommand{
    "scan",
    "--address A.B.C.D [--add]",
    "find players on the /24 network of an address, as \"Search Q7\" does; --add stores them",
    "Every address from host 2 to 254 is resolved (ARP) 10 ms apart, and each device whose hardware\n"
    "address starts with a player prefix is shown, named \"Q7_\" and five digits. The sweep ends about\n"
    "6 s later. --add stores new players in the settings file (no address twice, at most 129\n"
    "players); while the window runs in that folder it holds the settings file, and --add is refused\n"
    "before anything is sent.",
    kOptions,
    kSettings,
    run,
};

}  // namespace q7::ctl
